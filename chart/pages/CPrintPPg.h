#pragma once
// The Print page: print settings, and printing, printer set-up and metafile output.

#include "CPropertyPage.h"

namespace pages {

class CPrintPPg : public CPropertyPage {
public:
    explicit CPrintPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    Long PrintStyle = 0;
    Long PrintBorder = 0;
    Long PrintMaintainAspectRatio = 0;
    Long PrintPlotBackground = 0;
    Long PrintGraphBackground = 0;
    double PrintBottom = 0;
    double PrintLeft = 0;
    double PrintRight = 0;
    double PrintTop = 0;

    void OnPrint();
    void OnSaveMetafile();

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
};

} // namespace pages
