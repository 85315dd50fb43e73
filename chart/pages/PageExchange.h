#pragma once
// What a property page needs from the control: one exchange per page, the data-set list of the
// plot pages, and the few control actions the pages start (chart files, printing, metafiles).
// Every exchange first records the page as that page's open page; save 1 copies page to control
// and rebuilds the graph, save 0 copies control to page and never rebuilds. Arguments follow the
// settings' automation names, in the order each page trades them; all pages but the Data page
// hand them on as one list, which the control walks with its table of page settings.

#include "ChartModel.h"

#include <cstdint>
#include <QString>
#include <variant>
#include <vector>

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

// A page's working value or array, as one exchange hands it on.
using PageValue = std::variant<Long*, double*, QString*, LongArray*, DoubleArray*, StringArray*,
                               std::vector<LongArray>*, std::vector<DoubleArray>*, std::vector<StringArray>*>;

class CPageExchangeTarget {
public:
    virtual ~CPageExchangeTarget() = default;

    // The values in the order of the page's settings (PageSettings.h).
    virtual void ExchangePage(PageKind kind, IOpenPage* page, const std::vector<PageValue>& values,
                              int save) = 0;

    void ExchangeGeneralPage(IOpenPage* page, Long& WindowBorderColor, Long& WindowBackgroundColor,
                             Long& PlotBackgroundColor, Long& WindowBorderStyle, Long& WindowBorderThickness,
                             double& TopPlotArea, double& RightPlotArea, double& LeftPlotArea,
                             double& BottomPlotArea, StringArray& TitleString, StringArray& TitleFont,
                             LongArray& TitleColor, LongArray& TitleFontStyle, LongArray& TitleFontSize,
                             int save) {
        ExchangePage(PageKind::General, page,
                     {&WindowBorderColor, &WindowBackgroundColor, &PlotBackgroundColor, &WindowBorderStyle,
                      &WindowBorderThickness, &TopPlotArea, &RightPlotArea, &LeftPlotArea, &BottomPlotArea,
                      &TitleString, &TitleFont, &TitleColor, &TitleFontStyle, &TitleFontSize},
                     save);
    }
    void ExchangeAxisPage(IOpenPage* page, DoubleArray& AxisMax, DoubleArray& AxisMin,
                          DoubleArray& AxisIntercept, DoubleArray& AxisMajorTickInterval,
                          LongArray& AxisScaleMode, LongArray& AxisMinorTicks, LongArray& AxisTickStyle,
                          LongArray& AxisColor, LongArray& AxisLineWidth, LongArray& AxisInterceptTrack,
                          LongArray& AxisEnable, LongArray& AxisAutoAxis, int save) {
        ExchangePage(PageKind::Axis, page,
                     {&AxisMax, &AxisMin, &AxisIntercept, &AxisMajorTickInterval, &AxisScaleMode,
                      &AxisMinorTicks, &AxisTickStyle, &AxisColor, &AxisLineWidth, &AxisInterceptTrack,
                      &AxisEnable, &AxisAutoAxis},
                     save);
    }
    void ExchangeAxisLabelPage(IOpenPage* page, LongArray& AxisNumericStyle, LongArray& AxisLabelPos,
                               LongArray& AxisLabelDecs, LongArray& AxisTitleFontSize,
                               LongArray& AxisTitleFontStyle, LongArray& AxisLabelFontSize,
                               LongArray& AxisLabelFontStyle, LongArray& AxisTitleColor,
                               LongArray& AxisLabelColor, LongArray& AxisLabelStringsEnable,
                               StringArray& AxisTitleFont, StringArray& AxisLabelFont,
                               StringArray& AxisLabelStrings, StringArray& AxisTitleString,
                               LongArray& AxisLabelsEnable, int save) {
        ExchangePage(PageKind::AxisLabels, page,
                     {&AxisNumericStyle, &AxisLabelPos, &AxisLabelDecs, &AxisTitleFontSize,
                      &AxisTitleFontStyle, &AxisLabelFontSize, &AxisLabelFontStyle, &AxisTitleColor,
                      &AxisLabelColor, &AxisLabelStringsEnable, &AxisTitleFont, &AxisLabelFont,
                      &AxisLabelStrings, &AxisTitleString, &AxisLabelsEnable},
                     save);
    }
    void ExchangeGridPage(IOpenPage* page, LongArray& AxisGridLineStyle, LongArray& AxisGridType,
                          LongArray& AxisGridColor, LongArray& AxisGridLineWidth, LongArray& AxisGridEnable,
                          int save) {
        ExchangePage(PageKind::Grids, page,
                     {&AxisGridLineStyle, &AxisGridType, &AxisGridColor, &AxisGridLineWidth, &AxisGridEnable},
                     save);
    }
    // One data set: x holds its points, y its points x groups values, point-major.
    virtual void ExchangeDataPage(IOpenPage* page, std::int16_t& set, Long& SDataEnable, QString& SDataName,
                                  Long& SDataType, Long& SDataNumPlotPoints, Long& SDataNumGroups,
                                  DoubleArray& x, DoubleArray& y, int save) = 0;
    void ExchangeSimplePlotPage(IOpenPage* page, LongArray& SPlotType, LongArray& SPlotRefAxes,
                                LongArray& SPlotLineColor, LongArray& SPlotLineStyle,
                                LongArray& SPlotLineThickness, LongArray& SPlotAreaFill,
                                LongArray& SPlotBarType, LongArray& SPlotBarColor, LongArray& SPlotBarJustify,
                                LongArray& SPlotBarHatch, DoubleArray& SPlotBarWidth,
                                LongArray& SPlotScatterColor, LongArray& SPlotScatterShape,
                                LongArray& SPlotScatterSize, LongArray& SPlotScatterDrop,
                                LongArray& SPlotScatterLine, LongArray& SPlotScatterStyle, int save) {
        ExchangePage(PageKind::SimplePlots, page,
                     {&SPlotType, &SPlotRefAxes, &SPlotLineColor, &SPlotLineStyle, &SPlotLineThickness,
                      &SPlotAreaFill, &SPlotBarType, &SPlotBarColor, &SPlotBarJustify, &SPlotBarHatch,
                      &SPlotBarWidth, &SPlotScatterColor, &SPlotScatterShape, &SPlotScatterSize,
                      &SPlotScatterDrop, &SPlotScatterLine, &SPlotScatterStyle},
                     save);
    }
    void ExchangeGroupPlotPage(IOpenPage* page, LongArray& GPlotRefAxes, LongArray& GPlotType,
                               std::vector<LongArray>& GPlotLineStyle, std::vector<LongArray>& GPlotLineColor,
                               LongArray& GPlotBarType, LongArray& GPlotBarJustify,
                               std::vector<LongArray>& GPlotBarHatch, LongArray& GPlotAreaFill,
                               DoubleArray& GPlotBarWidth, LongArray& GPlotLineThickness,
                               LongArray& GPlotScatterStyle, LongArray& GPlotScatterSize,
                               LongArray& GPlotScatterShape, int save) {
        ExchangePage(PageKind::GroupPlots, page,
                     {&GPlotRefAxes, &GPlotType, &GPlotLineStyle, &GPlotLineColor, &GPlotBarType,
                      &GPlotBarJustify, &GPlotBarHatch, &GPlotAreaFill, &GPlotBarWidth, &GPlotLineThickness,
                      &GPlotScatterStyle, &GPlotScatterSize, &GPlotScatterShape},
                     save);
    }
    void ExchangeLegendPage(IOpenPage* page, Long& SLegendType, double& SLegendTop, double& SLegendBottom,
                            double& SLegendLeft, double& SLegendRight, Long& SLegendBackgroundColor,
                            Long& SLegendBorderColor, Long& SLegendBorderThickness, QString& SLegendStrings,
                            QString& SLegendFont, Long& SLegendFontStyle, Long& SLegendFontSize,
                            Long& SLegendFontColor, Long& SLegendOrientation, Long& SLegendEnable, int save) {
        ExchangePage(PageKind::Legend, page,
                     {&SLegendType, &SLegendTop, &SLegendBottom, &SLegendLeft, &SLegendRight,
                      &SLegendBackgroundColor, &SLegendBorderColor, &SLegendBorderThickness, &SLegendStrings,
                      &SLegendFont, &SLegendFontStyle, &SLegendFontSize, &SLegendFontColor,
                      &SLegendOrientation, &SLegendEnable},
                     save);
    }
    void ExchangePiePage(IOpenPage* page, LongArray& PieNumericStyle, LongArray& Pie3DLook,
                         LongArray& PieNumberPos, DoubleArray& PieCenterX, DoubleArray& PieCenterY,
                         DoubleArray& PieDiameter, std::vector<LongArray>& PieSliceHatch,
                         std::vector<LongArray>& PieSliceFillColor,
                         std::vector<LongArray>& PieSliceBorderColor,
                         std::vector<DoubleArray>& PieSliceExplode, std::vector<StringArray>& PieSliceLabel,
                         StringArray& PieNumericFont, LongArray& PieFontStyle, LongArray& PieFontSize,
                         LongArray& PieFontColor, int save) {
        ExchangePage(PageKind::Pie, page,
                     {&PieNumericStyle, &Pie3DLook, &PieNumberPos, &PieCenterX, &PieCenterY, &PieDiameter,
                      &PieSliceHatch, &PieSliceFillColor, &PieSliceBorderColor, &PieSliceExplode,
                      &PieSliceLabel, &PieNumericFont, &PieFontStyle, &PieFontSize, &PieFontColor},
                     save);
    }
    void ExchangePrintPage(IOpenPage* page, Long& PrintStyle, Long& PrintBorder,
                           Long& PrintMaintainAspectRatio, Long& PrintPlotBackground,
                           Long& PrintGraphBackground, double& PrintBottom, double& PrintLeft,
                           double& PrintRight, double& PrintTop, int save) {
        ExchangePage(PageKind::Print, page,
                     {&PrintStyle, &PrintBorder, &PrintMaintainAspectRatio, &PrintPlotBackground,
                      &PrintGraphBackground, &PrintBottom, &PrintLeft, &PrintRight, &PrintTop},
                     save);
    }
    void ExchangeEventPage(IOpenPage* page, Long& EventZoom, Long& EventShowPropPage,
                           Long& EventRetrieveDataValue, Long& EventDataCursorType, Long& EventZoomX,
                           Long& EventZoomXRoundMode, Long& EventZoomY, Long& EventZoomYRoundMode,
                           Long& EventZoomReset, double& EventZoomResetMinX, double& EventZoomResetMinY,
                           double& EventZoomResetMaxX, double& EventZoomResetMaxY, int save) {
        ExchangePage(PageKind::Events, page,
                     {&EventZoom, &EventShowPropPage, &EventRetrieveDataValue, &EventDataCursorType,
                      &EventZoomX, &EventZoomXRoundMode, &EventZoomY, &EventZoomYRoundMode, &EventZoomReset,
                      &EventZoomResetMinX, &EventZoomResetMinY, &EventZoomResetMaxX, &EventZoomResetMaxY},
                     save);
    }

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
