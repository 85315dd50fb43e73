#pragma once
// The control side of the page exchanges, over a chart model. The control owns one, fills the
// hooks with its own stored properties and operations, and hands it to the property frame. Without
// hooks the model alone is traded (tests, containers without a control object).

#include "PageExchange.h"
#include "ScalarProperties.h"

#include <array>
#include <functional>
#include <optional>
#include <QPointer>

namespace pages {

struct ExchangeHooks {
    // The control's own stored value of a scalar property (by automation name).
    std::function<void(const char* name, const chart::ScalarValue& value)> writeStoredScalar;
    std::function<std::optional<chart::ScalarValue>(const char* name)> readStoredScalar;
    std::function<void()> rebuildGraph;
    // Moves a pending zoomed range of the engine graph into the model's axis ranges.
    std::function<void()> readBackZoomedScale;
    std::function<bool(const QString&)> loadFromFile;
    std::function<bool(const QString&)> saveToFile;
    std::function<void()> printPage;
    std::function<void()> printerSetup;
    std::function<void()> savePageMetaDefault;
};

class CModelExchangeTarget : public CPageExchangeTarget {
public:
    explicit CModelExchangeTarget(chart::CChartModel& model, ExchangeHooks hooks = {});

    ExchangeHooks& Hooks() { return hooks_; }
    chart::CChartModel& Model() { return model_; }
    // The page last traded for a kind, or null when none or when it has been destroyed.
    IOpenPage* OpenPage(PageKind kind) const;

    void ExchangeGeneralPage(IOpenPage* page, Long& WindowBorderColor, Long& WindowBackgroundColor,
                             Long& PlotBackgroundColor, Long& WindowBorderStyle, Long& WindowBorderThickness,
                             double& TopPlotArea, double& RightPlotArea, double& LeftPlotArea,
                             double& BottomPlotArea, StringArray& TitleString, StringArray& TitleFont,
                             LongArray& TitleColor, LongArray& TitleFontStyle, LongArray& TitleFontSize,
                             int save) override;
    void ExchangeAxisPage(IOpenPage* page, DoubleArray& AxisMax, DoubleArray& AxisMin,
                          DoubleArray& AxisIntercept, DoubleArray& AxisMajorTickInterval,
                          LongArray& AxisScaleMode, LongArray& AxisMinorTicks, LongArray& AxisTickStyle,
                          LongArray& AxisColor, LongArray& AxisLineWidth, LongArray& AxisInterceptTrack,
                          LongArray& AxisEnable, LongArray& AxisAutoAxis, int save) override;
    void ExchangeAxisLabelPage(IOpenPage* page, LongArray& AxisNumericStyle, LongArray& AxisLabelPos,
                               LongArray& AxisLabelDecs, LongArray& AxisTitleFontSize,
                               LongArray& AxisTitleFontStyle, LongArray& AxisLabelFontSize,
                               LongArray& AxisLabelFontStyle, LongArray& AxisTitleColor,
                               LongArray& AxisLabelColor, LongArray& AxisLabelStringsEnable,
                               StringArray& AxisTitleFont, StringArray& AxisLabelFont,
                               StringArray& AxisLabelStrings, StringArray& AxisTitleString,
                               LongArray& AxisLabelsEnable, int save) override;
    void ExchangeGridPage(IOpenPage* page, LongArray& AxisGridLineStyle, LongArray& AxisGridType,
                          LongArray& AxisGridColor, LongArray& AxisGridLineWidth, LongArray& AxisGridEnable,
                          int save) override;
    void ExchangeDataPage(IOpenPage* page, std::int16_t& set, Long& SDataEnable, QString& SDataName,
                          Long& SDataType, Long& SDataNumPlotPoints, Long& SDataNumGroups, DoubleArray& x,
                          DoubleArray& y, int save) override;
    void ExchangeSimplePlotPage(IOpenPage* page, LongArray& SPlotType, LongArray& SPlotRefAxes,
                                LongArray& SPlotLineColor, LongArray& SPlotLineStyle,
                                LongArray& SPlotLineThickness, LongArray& SPlotAreaFill,
                                LongArray& SPlotBarType, LongArray& SPlotBarColor, LongArray& SPlotBarJustify,
                                LongArray& SPlotBarHatch, DoubleArray& SPlotBarWidth,
                                LongArray& SPlotScatterColor, LongArray& SPlotScatterShape,
                                LongArray& SPlotScatterSize, LongArray& SPlotScatterDrop,
                                LongArray& SPlotScatterLine, LongArray& SPlotScatterStyle, int save) override;
    void ExchangeGroupPlotPage(IOpenPage* page, LongArray& GPlotRefAxes, LongArray& GPlotType,
                               std::vector<LongArray>& GPlotLineStyle, std::vector<LongArray>& GPlotLineColor,
                               LongArray& GPlotBarType, LongArray& GPlotBarJustify,
                               std::vector<LongArray>& GPlotBarHatch, LongArray& GPlotAreaFill,
                               DoubleArray& GPlotBarWidth, LongArray& GPlotLineThickness,
                               LongArray& GPlotScatterStyle, LongArray& GPlotScatterSize,
                               LongArray& GPlotScatterShape, int save) override;
    void ExchangeLegendPage(IOpenPage* page, Long& SLegendType, double& SLegendTop, double& SLegendBottom,
                            double& SLegendLeft, double& SLegendRight, Long& SLegendBackgroundColor,
                            Long& SLegendBorderColor, Long& SLegendBorderThickness, QString& SLegendStrings,
                            QString& SLegendFont, Long& SLegendFontStyle, Long& SLegendFontSize,
                            Long& SLegendFontColor, Long& SLegendOrientation, Long& SLegendEnable,
                            int save) override;
    void ExchangePiePage(IOpenPage* page, LongArray& PieNumericStyle, LongArray& Pie3DLook,
                         LongArray& PieNumberPos, DoubleArray& PieCenterX, DoubleArray& PieCenterY,
                         DoubleArray& PieDiameter, std::vector<LongArray>& PieSliceHatch,
                         std::vector<LongArray>& PieSliceFillColor,
                         std::vector<LongArray>& PieSliceBorderColor,
                         std::vector<DoubleArray>& PieSliceExplode, std::vector<StringArray>& PieSliceLabel,
                         StringArray& PieNumericFont, LongArray& PieFontStyle, LongArray& PieFontSize,
                         LongArray& PieFontColor, int save) override;
    void ExchangePrintPage(IOpenPage* page, Long& PrintStyle, Long& PrintBorder,
                           Long& PrintMaintainAspectRatio, Long& PrintPlotBackground,
                           Long& PrintGraphBackground, double& PrintBottom, double& PrintLeft,
                           double& PrintRight, double& PrintTop, int save) override;
    void ExchangeEventPage(IOpenPage* page, Long& EventZoom, Long& EventShowPropPage,
                           Long& EventRetrieveDataValue, Long& EventDataCursorType, Long& EventZoomX,
                           Long& EventZoomXRoundMode, Long& EventZoomY, Long& EventZoomYRoundMode,
                           Long& EventZoomReset, double& EventZoomResetMinX, double& EventZoomResetMinY,
                           double& EventZoomResetMaxX, double& EventZoomResetMaxY, int save) override;

    void GetDataSetList(LongArray& enable, StringArray& names, LongArray& types) override;
    void RefreshOpenPages() override;

    bool LoadFromFile(const QString& path) override;
    bool SaveToFile(const QString& path) override;
    void PrintPage() override;
    void PrinterSetup() override;
    void SavePageMetaDefault() override;

private:
    struct OpenPageSlot {
        QPointer<QObject> object;
        IOpenPage* page = nullptr;
    };

    void Remember(PageKind kind, IOpenPage* page);
    void Finish(int save);
    template <typename T> void Scalar(const char* name, T chart::CChartModel::*member, T& page, int save);

    chart::CChartModel& model_;
    ExchangeHooks hooks_;
    std::array<OpenPageSlot, kPageCount> open_{};
};

} // namespace pages
