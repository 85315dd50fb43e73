#pragma once
// The Simple Plots page: how each simple XY data set is drawn (line, bar or scatter plot). Plot i
// draws data set i, so the current plot is chosen from the enabled simple data sets.

#include "CPropertyPage.h"

namespace pages {

QStringList PenStyleNames();
QStringList BarTypeNames();
QStringList HatchNames();
QStringList JustifyNames();
QStringList ScatterShapeNames();

class CSPlotPPg : public CPropertyPage {
public:
    explicit CSPlotPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    LongArray SPlotType = LongArray(32);
    LongArray SPlotRefAxes = LongArray(32);
    LongArray SPlotLineColor = LongArray(32);
    LongArray SPlotLineStyle = LongArray(32);
    LongArray SPlotLineThickness = LongArray(32);
    LongArray SPlotAreaFill = LongArray(32);
    LongArray SPlotBarType = LongArray(32);
    LongArray SPlotBarColor = LongArray(32);
    LongArray SPlotBarJustify = LongArray(32);
    LongArray SPlotBarHatch = LongArray(32);
    DoubleArray SPlotBarWidth = DoubleArray(32);
    LongArray SPlotScatterColor = LongArray(32);
    LongArray SPlotScatterShape = LongArray(32);
    LongArray SPlotScatterSize = LongArray(32);
    LongArray SPlotScatterDrop = LongArray(32);
    LongArray SPlotScatterLine = LongArray(32);
    LongArray SPlotScatterStyle = LongArray(32);

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    void ApplyEnableRules() override;
    void OnComboChosen(int id) override;
    int ClampItem(int index) const override;
};

} // namespace pages
