#include "PageFactory.h"

#include "CAxisPPg.h"
#include "CAxLabPPg.h"
#include "CEventPPg.h"
#include "CGPlotPPg.h"
#include "CGridPPg.h"
#include "CPiePPg.h"
#include "CPrintPPg.h"
#include "CSDataPPg.h"
#include "CSLegendPPg.h"
#include "CSPlotPPg.h"
#include "CZENTPropPage.h"

#include <array>

namespace pages {

namespace {

template <typename Page> std::unique_ptr<CPropertyPage> Make(CPageExchangeTarget& target, QWidget* parent) {
    return std::make_unique<Page>(target, parent);
}

using Creator = std::unique_ptr<CPropertyPage> (*)(CPageExchangeTarget&, QWidget*);

// In PageKind order.
constexpr std::array<Creator, kPageCount> kCreators = {
    Make<CZENTPropPage>, Make<CAxisPPg>,  Make<CAxLabPPg>, Make<CGridPPg>,
    Make<CSDataPPg>,     Make<CSPlotPPg>, Make<CGPlotPPg>, Make<CSLegendPPg>,
    Make<CPiePPg>,       Make<CPrintPPg>, Make<CEventPPg>,
};

} // namespace

std::unique_ptr<CPropertyPage> CreatePage(PageKind kind, CPageExchangeTarget& target, QWidget* parent) {
    return kCreators[static_cast<std::size_t>(kind)](target, parent);
}

} // namespace pages
