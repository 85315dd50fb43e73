#pragma once
// The Axis page: range, scale mode, intercept, ticks and line of one axis at a time.

#include "CPropertyPage.h"

namespace pages {

// The axis selector's entries and the label-position entries of an X or a Y axis.
QStringList AxisNames();
QStringList LabelPositionNames(int axis);

class CAxisPPg : public CPropertyPage {
public:
    explicit CAxisPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    DoubleArray AxisMax = DoubleArray(4);
    DoubleArray AxisMin = DoubleArray(4);
    DoubleArray AxisIntercept = DoubleArray(4);
    DoubleArray AxisMajorTickInterval = DoubleArray(4);
    LongArray AxisScaleMode = LongArray(4);
    LongArray AxisMinorTicks = LongArray(4);
    LongArray AxisTickStyle = LongArray(4);
    LongArray AxisColor = LongArray(4);
    LongArray AxisLineWidth = LongArray(4);
    LongArray AxisInterceptTrack = LongArray(4);
    LongArray AxisEnable = LongArray(4);
    LongArray AxisAutoAxis = LongArray(4);

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    int ClampItem(int index) const override;
};

} // namespace pages
