#pragma once
// What a property page needs from the control: one exchange per page, the data-set list of the
// plot pages, and the few control actions the pages start (chart files, printing, metafiles).
// Every exchange first records the page as that page's open page; save 1 copies page to control
// and rebuilds the graph, save 0 copies control to page and never rebuilds. Arguments follow the
// settings' automation names, in the order each page trades them.

#include "ChartModel.h"

#include <cstdint>
#include <QString>

class QObject;

namespace pages {

using chart::DoubleArray;
using chart::LongArray;
using chart::StringArray;
using Long = std::int32_t;

// In the order of the control's page list.
enum class PageKind {
    General,
    Axis,
    AxisLabels,
    Grids,
    Data,
    SimplePlots,
    GroupPlots,
    Legend,
    Pie,
    Print,
    Events,
};
constexpr int kPageCount = 11;

// A page as the control remembers it, so a changed model can be shown on every open page.
class IOpenPage {
public:
    virtual ~IOpenPage() = default;
    virtual PageKind Kind() const = 0;
    // The page's object; once it is destroyed the control forgets the page.
    virtual QObject* PageObject() = 0;
    // Loads from the control (save 0) and refills the page's dialog.
    virtual void ReloadFromControl() = 0;
};

class CPageExchangeTarget {
public:
    virtual ~CPageExchangeTarget() = default;

    virtual void ExchangeGeneralPage(IOpenPage* page, Long& WindowBorderColor, Long& WindowBackgroundColor,
                                     Long& PlotBackgroundColor, Long& WindowBorderStyle,
                                     Long& WindowBorderThickness, double& TopPlotArea, double& RightPlotArea,
                                     double& LeftPlotArea, double& BottomPlotArea, StringArray& TitleString,
                                     StringArray& TitleFont, LongArray& TitleColor, LongArray& TitleFontStyle,
                                     LongArray& TitleFontSize, int save) = 0;
    virtual void ExchangeAxisPage(IOpenPage* page, DoubleArray& AxisMax, DoubleArray& AxisMin,
                                  DoubleArray& AxisIntercept, DoubleArray& AxisMajorTickInterval,
                                  LongArray& AxisScaleMode, LongArray& AxisMinorTicks,
                                  LongArray& AxisTickStyle, LongArray& AxisColor, LongArray& AxisLineWidth,
                                  LongArray& AxisInterceptTrack, LongArray& AxisEnable,
                                  LongArray& AxisAutoAxis, int save) = 0;
    virtual void ExchangeAxisLabelPage(IOpenPage* page, LongArray& AxisNumericStyle, LongArray& AxisLabelPos,
                                       LongArray& AxisLabelDecs, LongArray& AxisTitleFontSize,
                                       LongArray& AxisTitleFontStyle, LongArray& AxisLabelFontSize,
                                       LongArray& AxisLabelFontStyle, LongArray& AxisTitleColor,
                                       LongArray& AxisLabelColor, LongArray& AxisLabelStringsEnable,
                                       StringArray& AxisTitleFont, StringArray& AxisLabelFont,
                                       StringArray& AxisLabelStrings, StringArray& AxisTitleString,
                                       LongArray& AxisLabelsEnable, int save) = 0;
    virtual void ExchangeGridPage(IOpenPage* page, LongArray& AxisGridLineStyle, LongArray& AxisGridType,
                                  LongArray& AxisGridColor, LongArray& AxisGridLineWidth,
                                  LongArray& AxisGridEnable, int save) = 0;
    // One data set: x holds its points, y its points x groups values, point-major.
    virtual void ExchangeDataPage(IOpenPage* page, std::int16_t& set, Long& SDataEnable, QString& SDataName,
                                  Long& SDataType, Long& SDataNumPlotPoints, Long& SDataNumGroups,
                                  DoubleArray& x, DoubleArray& y, int save) = 0;
    virtual void ExchangeSimplePlotPage(IOpenPage* page, LongArray& SPlotType, LongArray& SPlotRefAxes,
                                        LongArray& SPlotLineColor, LongArray& SPlotLineStyle,
                                        LongArray& SPlotLineThickness, LongArray& SPlotAreaFill,
                                        LongArray& SPlotBarType, LongArray& SPlotBarColor,
                                        LongArray& SPlotBarJustify, LongArray& SPlotBarHatch,
                                        DoubleArray& SPlotBarWidth, LongArray& SPlotScatterColor,
                                        LongArray& SPlotScatterShape, LongArray& SPlotScatterSize,
                                        LongArray& SPlotScatterDrop, LongArray& SPlotScatterLine,
                                        LongArray& SPlotScatterStyle, int save) = 0;
    virtual void ExchangeGroupPlotPage(IOpenPage* page, LongArray& GPlotRefAxes, LongArray& GPlotType,
                                       std::vector<LongArray>& GPlotLineStyle,
                                       std::vector<LongArray>& GPlotLineColor, LongArray& GPlotBarType,
                                       LongArray& GPlotBarJustify, std::vector<LongArray>& GPlotBarHatch,
                                       LongArray& GPlotAreaFill, DoubleArray& GPlotBarWidth,
                                       LongArray& GPlotLineThickness, LongArray& GPlotScatterStyle,
                                       LongArray& GPlotScatterSize, LongArray& GPlotScatterShape,
                                       int save) = 0;
    virtual void ExchangeLegendPage(IOpenPage* page, Long& SLegendType, double& SLegendTop,
                                    double& SLegendBottom, double& SLegendLeft, double& SLegendRight,
                                    Long& SLegendBackgroundColor, Long& SLegendBorderColor,
                                    Long& SLegendBorderThickness, QString& SLegendStrings,
                                    QString& SLegendFont, Long& SLegendFontStyle, Long& SLegendFontSize,
                                    Long& SLegendFontColor, Long& SLegendOrientation, Long& SLegendEnable,
                                    int save) = 0;
    virtual void ExchangePiePage(IOpenPage* page, LongArray& PieNumericStyle, LongArray& Pie3DLook,
                                 LongArray& PieNumberPos, DoubleArray& PieCenterX, DoubleArray& PieCenterY,
                                 DoubleArray& PieDiameter, std::vector<LongArray>& PieSliceHatch,
                                 std::vector<LongArray>& PieSliceFillColor,
                                 std::vector<LongArray>& PieSliceBorderColor,
                                 std::vector<DoubleArray>& PieSliceExplode,
                                 std::vector<StringArray>& PieSliceLabel, StringArray& PieNumericFont,
                                 LongArray& PieFontStyle, LongArray& PieFontSize, LongArray& PieFontColor,
                                 int save) = 0;
    virtual void ExchangePrintPage(IOpenPage* page, Long& PrintStyle, Long& PrintBorder,
                                   Long& PrintMaintainAspectRatio, Long& PrintPlotBackground,
                                   Long& PrintGraphBackground, double& PrintBottom, double& PrintLeft,
                                   double& PrintRight, double& PrintTop, int save) = 0;
    virtual void ExchangeEventPage(IOpenPage* page, Long& EventZoom, Long& EventShowPropPage,
                                   Long& EventRetrieveDataValue, Long& EventDataCursorType, Long& EventZoomX,
                                   Long& EventZoomXRoundMode, Long& EventZoomY, Long& EventZoomYRoundMode,
                                   Long& EventZoomReset, double& EventZoomResetMinX,
                                   double& EventZoomResetMinY, double& EventZoomResetMaxX,
                                   double& EventZoomResetMaxY, int save) = 0;

    // Control to page only; never rebuilds.
    virtual void GetDataSetList(LongArray& enable, StringArray& names, LongArray& types) = 0;

    // Every remembered page that still exists loads again and refills its dialog.
    virtual void RefreshOpenPages() = 0;

    // Control actions started from pages; file results are the control's (no message).
    virtual bool LoadFromFile(const QString& path) = 0;
    virtual bool SaveToFile(const QString& path) = 0;
    virtual void PrintPage() = 0;
    virtual void PrinterSetup() = 0;
    virtual void SavePageMetaDefault() = 0;
};

} // namespace pages
