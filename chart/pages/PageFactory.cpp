#include "PageFactory.h"

#include "CAxisPPg.h"
#include "CAxLabPPg.h"
#include "CGridPPg.h"
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
    Make<CZENTPropPage>, Make<CAxisPPg>,      Make<CAxLabPPg>,     Make<CGridPPg>,
    Make<CZENTPropPage>, Make<CZENTPropPage>, Make<CZENTPropPage>, Make<CZENTPropPage>,
    Make<CZENTPropPage>, Make<CZENTPropPage>, Make<CZENTPropPage>,
};

} // namespace

std::unique_ptr<CPropertyPage> CreatePage(PageKind kind, CPageExchangeTarget& target, QWidget* parent) {
    return kCreators[static_cast<std::size_t>(kind)](target, parent);
}

} // namespace pages
