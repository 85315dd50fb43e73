#pragma once
// The Group Plots page: how each group data set is drawn, with line colour, line style and bar
// hatch set per group. Plot i draws data set i.

#include "CPropertyPage.h"

namespace pages {

class CGPlotPPg : public CPropertyPage {
public:
    explicit CGPlotPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    int CurrentGroup() const { return group_; }

    LongArray GPlotRefAxes = LongArray(32);
    LongArray GPlotType = LongArray(32);
    std::vector<LongArray> GPlotLineStyle = std::vector<LongArray>(32, LongArray(16));
    std::vector<LongArray> GPlotLineColor = std::vector<LongArray>(32, LongArray(16));
    LongArray GPlotBarType = LongArray(32);
    LongArray GPlotBarJustify = LongArray(32);
    std::vector<LongArray> GPlotBarHatch = std::vector<LongArray>(32, LongArray(16));
    LongArray GPlotAreaFill = LongArray(32);
    DoubleArray GPlotBarWidth = DoubleArray(32);
    LongArray GPlotLineThickness = LongArray(32);
    LongArray GPlotScatterStyle = LongArray(32);
    LongArray GPlotScatterSize = LongArray(32);
    LongArray GPlotScatterShape = LongArray(32);

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    void ApplyEnableRules() override;
    void OnComboChosen(int id) override;
    int ClampItem(int index) const override;

private:
    // The current group's element of a per-group array of the current plot.
    std::function<Long*()> CurrentGroupOf(std::vector<LongArray>& arrays);

    int group_ = 0;
};

} // namespace pages
