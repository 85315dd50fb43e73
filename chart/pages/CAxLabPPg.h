#pragma once
// The Axis Labels page: tick labels, tick strings and the title of one axis at a time.

#include "CPropertyPage.h"

namespace pages {

class CAxLabPPg : public CPropertyPage {
public:
    explicit CAxLabPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    LongArray AxisNumericStyle = LongArray(4);
    LongArray AxisLabelPos = LongArray(4);
    LongArray AxisLabelDecs = LongArray(4);
    LongArray AxisTitleFontSize = LongArray(4);
    LongArray AxisTitleFontStyle = LongArray(4);
    LongArray AxisLabelFontSize = LongArray(4);
    LongArray AxisLabelFontStyle = LongArray(4);
    LongArray AxisTitleColor = LongArray(4);
    LongArray AxisLabelColor = LongArray(4);
    LongArray AxisLabelStringsEnable = LongArray(4);
    StringArray AxisTitleFont = StringArray(4);
    StringArray AxisLabelFont = StringArray(4);
    StringArray AxisLabelStrings = StringArray(4);
    StringArray AxisTitleString = StringArray(4);
    LongArray AxisLabelsEnable = LongArray(4);

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    int ClampItem(int index) const override;
};

} // namespace pages
