#pragma once
// The General page: where the plot area lies in the window, window, plot and border colours, the
// border, the three titles, and loading and saving the whole chart as a serialized chart file.

#include "CPropertyPage.h"

namespace pages {

class CZENTPropPage : public CPropertyPage {
public:
    explicit CZENTPropPage(CPageExchangeTarget& target, QWidget* parent = nullptr);

    Long WindowBorderColor = 0;
    Long WindowBackgroundColor = 0xFFFFFF;
    Long PlotBackgroundColor = 0xFFFFFF;
    Long WindowBorderStyle = 0;
    Long WindowBorderThickness = 1;
    double TopPlotArea = 0.2;
    double LeftPlotArea = 0.2;
    double RightPlotArea = 0.8;
    double BottomPlotArea = 0.8;
    StringArray TitleString = StringArray(3);
    StringArray TitleFont = StringArray(3);
    LongArray TitleColor = LongArray(3);
    LongArray TitleFontStyle = LongArray(3);
    LongArray TitleFontSize = LongArray(3);
    QString LastFilePath;

    void OnLoad();
    void OnSave();

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    int ClampItem(int index) const override;
};

} // namespace pages
