#pragma once
// The Legend page: the chart's one legend.

#include "CPropertyPage.h"

namespace pages {

class CSLegendPPg : public CPropertyPage {
public:
    explicit CSLegendPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    Long SLegendType = 0;
    double SLegendTop = 0;
    double SLegendBottom = 0;
    double SLegendLeft = 0;
    double SLegendRight = 0;
    Long SLegendBackgroundColor = 0;
    Long SLegendBorderColor = 0;
    Long SLegendBorderThickness = 0;
    QString SLegendStrings;
    QString SLegendFont;
    Long SLegendFontStyle = 0;
    Long SLegendFontSize = 0;
    Long SLegendFontColor = 0;
    Long SLegendOrientation = 0;
    Long SLegendEnable = 0;

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
};

} // namespace pages
