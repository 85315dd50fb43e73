#include "ModelExchangeTarget.h"

#include "ArrayExchange.h"

#include <utility>

namespace pages {

using chart::CChartModel;

CModelExchangeTarget::CModelExchangeTarget(CChartModel& model, ExchangeHooks hooks)
    : model_(model), hooks_(std::move(hooks)) {}

IOpenPage* CModelExchangeTarget::OpenPage(PageKind kind) const {
    const OpenPageSlot& slot = open_[static_cast<std::size_t>(kind)];
    return slot.object ? slot.page : nullptr;
}

void CModelExchangeTarget::Remember(PageKind kind, IOpenPage* page) {
    OpenPageSlot& slot = open_[static_cast<std::size_t>(kind)];
    slot.page = page;
    slot.object = page ? page->PageObject() : nullptr;
}

void CModelExchangeTarget::Finish(int save) {
    if (save && hooks_.rebuildGraph) {
        hooks_.rebuildGraph();
    }
}

template <typename T>
void CModelExchangeTarget::Scalar(const char* name, T CChartModel::*member, T& page, int save) {
    if (save) {
        if (hooks_.writeStoredScalar) {
            hooks_.writeStoredScalar(name, chart::ScalarValue(page));
        }
        model_.*member = page;
        return;
    }
    if (hooks_.readStoredScalar) {
        if (const std::optional<chart::ScalarValue> stored = hooks_.readStoredScalar(name)) {
            if (const T* value = std::get_if<T>(&*stored)) {
                model_.*member = *value;
            }
        }
    }
    page = model_.*member;
}

#define PAGE_SCALAR(name) Scalar(#name, &CChartModel::name, name, save)

void CModelExchangeTarget::ExchangeGeneralPage(
    IOpenPage* page, Long& WindowBorderColor, Long& WindowBackgroundColor, Long& PlotBackgroundColor,
    Long& WindowBorderStyle, Long& WindowBorderThickness, double& TopPlotArea, double& RightPlotArea,
    double& LeftPlotArea, double& BottomPlotArea, StringArray& TitleString, StringArray& TitleFont,
    LongArray& TitleColor, LongArray& TitleFontStyle, LongArray& TitleFontSize, int save) {
    Remember(PageKind::General, page);
    PAGE_SCALAR(WindowBorderColor);
    PAGE_SCALAR(WindowBackgroundColor);
    PAGE_SCALAR(PlotBackgroundColor);
    PAGE_SCALAR(WindowBorderStyle);
    PAGE_SCALAR(WindowBorderThickness);
    PAGE_SCALAR(TopPlotArea);
    PAGE_SCALAR(RightPlotArea);
    PAGE_SCALAR(LeftPlotArea);
    PAGE_SCALAR(BottomPlotArea);
    ExchangeStringArray(model_.TitleString, TitleString, save);
    ExchangeStringArray(model_.TitleFont, TitleFont, save);
    ExchangeColorArray(model_.TitleColor, TitleColor, save);
    ExchangeLongArray(model_.TitleFontStyle, TitleFontStyle, save);
    ExchangeLongArray(model_.TitleFontSize, TitleFontSize, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangeAxisPage(IOpenPage* page, DoubleArray& AxisMax, DoubleArray& AxisMin,
                                            DoubleArray& AxisIntercept, DoubleArray& AxisMajorTickInterval,
                                            LongArray& AxisScaleMode, LongArray& AxisMinorTicks,
                                            LongArray& AxisTickStyle, LongArray& AxisColor,
                                            LongArray& AxisLineWidth, LongArray& AxisInterceptTrack,
                                            LongArray& AxisEnable, LongArray& AxisAutoAxis, int save) {
    Remember(PageKind::Axis, page);
    // A zoomed range lives in the engine graph until it is read back; the page must see it, and a
    // save must not put the unzoomed range back under it.
    if (hooks_.readBackZoomedScale) {
        hooks_.readBackZoomedScale();
    }
    ExchangeDoubleArray(model_.AxisMax, AxisMax, save);
    ExchangeDoubleArray(model_.AxisMin, AxisMin, save);
    ExchangeDoubleArray(model_.AxisIntercept, AxisIntercept, save);
    ExchangeDoubleArray(model_.AxisMajorTickInterval, AxisMajorTickInterval, save);
    ExchangeLongArray(model_.AxisScaleMode, AxisScaleMode, save);
    ExchangeLongArray(model_.AxisMinorTicks, AxisMinorTicks, save);
    ExchangeLongArray(model_.AxisTickStyle, AxisTickStyle, save);
    ExchangeColorArray(model_.AxisColor, AxisColor, save);
    ExchangeLongArray(model_.AxisLineWidth, AxisLineWidth, save);
    ExchangeLongArray(model_.AxisInterceptTrack, AxisInterceptTrack, save);
    ExchangeLongArray(model_.AxisEnable, AxisEnable, save);
    ExchangeLongArray(model_.AxisAutoAxis, AxisAutoAxis, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangeAxisLabelPage(
    IOpenPage* page, LongArray& AxisNumericStyle, LongArray& AxisLabelPos, LongArray& AxisLabelDecs,
    LongArray& AxisTitleFontSize, LongArray& AxisTitleFontStyle, LongArray& AxisLabelFontSize,
    LongArray& AxisLabelFontStyle, LongArray& AxisTitleColor, LongArray& AxisLabelColor,
    LongArray& AxisLabelStringsEnable, StringArray& AxisTitleFont, StringArray& AxisLabelFont,
    StringArray& AxisLabelStrings, StringArray& AxisTitleString, LongArray& AxisLabelsEnable, int save) {
    Remember(PageKind::AxisLabels, page);
    ExchangeLongArray(model_.AxisNumericStyle, AxisNumericStyle, save);
    ExchangeLongArray(model_.AxisLabelPos, AxisLabelPos, save);
    ExchangeLongArray(model_.AxisLabelDecs, AxisLabelDecs, save);
    ExchangeLongArray(model_.AxisTitleFontSize, AxisTitleFontSize, save);
    ExchangeLongArray(model_.AxisTitleFontStyle, AxisTitleFontStyle, save);
    ExchangeLongArray(model_.AxisLabelFontSize, AxisLabelFontSize, save);
    ExchangeLongArray(model_.AxisLabelFontStyle, AxisLabelFontStyle, save);
    ExchangeColorArray(model_.AxisTitleColor, AxisTitleColor, save);
    ExchangeColorArray(model_.AxisLabelColor, AxisLabelColor, save);
    ExchangeLongArray(model_.AxisLabelStringsEnable, AxisLabelStringsEnable, save);
    ExchangeStringArray(model_.AxisTitleFont, AxisTitleFont, save);
    ExchangeStringArray(model_.AxisLabelFont, AxisLabelFont, save);
    ExchangeStringArray(model_.AxisLabelStrings, AxisLabelStrings, save);
    ExchangeStringArray(model_.AxisTitleString, AxisTitleString, save);
    ExchangeLongArray(model_.AxisLabelsEnable, AxisLabelsEnable, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangeGridPage(IOpenPage* page, LongArray& AxisGridLineStyle,
                                            LongArray& AxisGridType, LongArray& AxisGridColor,
                                            LongArray& AxisGridLineWidth, LongArray& AxisGridEnable,
                                            int save) {
    Remember(PageKind::Grids, page);
    ExchangeLongArray(model_.AxisGridLineStyle, AxisGridLineStyle, save);
    ExchangeLongArray(model_.AxisGridType, AxisGridType, save);
    ExchangeColorArray(model_.AxisGridColor, AxisGridColor, save);
    ExchangeLongArray(model_.AxisGridLineWidth, AxisGridLineWidth, save);
    ExchangeLongArray(model_.AxisGridEnable, AxisGridEnable, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangeDataPage(IOpenPage* page, std::int16_t& set, Long& SDataEnable,
                                            QString& SDataName, Long& SDataType, Long& SDataNumPlotPoints,
                                            Long& SDataNumGroups, DoubleArray& x, DoubleArray& y, int save) {
    Remember(PageKind::Data, page);
    if (set < 0 || set >= chart::kSetCount) {
        return;
    }
    const auto i = static_cast<std::size_t>(set);
    if (save) {
        // The same steps as the automation puts, in their order, so the set's arrays always match
        // its counts even before the page's arrays replace them.
        const auto points = static_cast<std::size_t>(std::max<Long>(SDataNumPlotPoints, 0));
        model_.SDataNumPlotPoints[i] = SDataNumPlotPoints;
        model_.SDataXData[i].resize(points, 0.0);
        model_.SDataYData[i].resize(
            points * static_cast<std::size_t>(std::max<Long>(model_.SDataNumGroups[i], 1)), 0.0);
        model_.SDataNumGroups[i] = SDataNumGroups;
        model_.SDataType[i] = SDataType;
        model_.SDataEnable[i] = SDataEnable;
        model_.SDataName[i] = SDataName;
    } else {
        SDataNumPlotPoints = model_.SDataNumPlotPoints[i];
        SDataNumGroups = model_.SDataNumGroups[i];
        SDataType = model_.SDataType[i];
        SDataEnable = model_.SDataEnable[i];
        SDataName = model_.SDataName[i];
    }
    ExchangeDoubleArray(model_.SDataXData[i], x, save);
    ExchangeDoubleArray(model_.SDataYData[i], y, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangeSimplePlotPage(
    IOpenPage* page, LongArray& SPlotType, LongArray& SPlotRefAxes, LongArray& SPlotLineColor,
    LongArray& SPlotLineStyle, LongArray& SPlotLineThickness, LongArray& SPlotAreaFill,
    LongArray& SPlotBarType, LongArray& SPlotBarColor, LongArray& SPlotBarJustify, LongArray& SPlotBarHatch,
    DoubleArray& SPlotBarWidth, LongArray& SPlotScatterColor, LongArray& SPlotScatterShape,
    LongArray& SPlotScatterSize, LongArray& SPlotScatterDrop, LongArray& SPlotScatterLine,
    LongArray& SPlotScatterStyle, int save) {
    Remember(PageKind::SimplePlots, page);
    ExchangeLongArray(model_.SPlotType, SPlotType, save);
    ExchangeLongArray(model_.SPlotRefAxes, SPlotRefAxes, save);
    ExchangeColorArray(model_.SPlotLineColor, SPlotLineColor, save);
    ExchangeLongArray(model_.SPlotLineStyle, SPlotLineStyle, save);
    ExchangeLongArray(model_.SPlotLineThickness, SPlotLineThickness, save);
    ExchangeLongArray(model_.SPlotAreaFill, SPlotAreaFill, save);
    ExchangeLongArray(model_.SPlotBarType, SPlotBarType, save);
    ExchangeColorArray(model_.SPlotBarColor, SPlotBarColor, save);
    ExchangeLongArray(model_.SPlotBarJustify, SPlotBarJustify, save);
    ExchangeLongArray(model_.SPlotBarHatch, SPlotBarHatch, save);
    ExchangeDoubleArray(model_.SPlotBarWidth, SPlotBarWidth, save);
    ExchangeColorArray(model_.SPlotScatterColor, SPlotScatterColor, save);
    ExchangeLongArray(model_.SPlotScatterShape, SPlotScatterShape, save);
    ExchangeLongArray(model_.SPlotScatterSize, SPlotScatterSize, save);
    ExchangeLongArray(model_.SPlotScatterDrop, SPlotScatterDrop, save);
    ExchangeLongArray(model_.SPlotScatterLine, SPlotScatterLine, save);
    ExchangeLongArray(model_.SPlotScatterStyle, SPlotScatterStyle, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangeGroupPlotPage(
    IOpenPage* page, LongArray& GPlotRefAxes, LongArray& GPlotType, std::vector<LongArray>& GPlotLineStyle,
    std::vector<LongArray>& GPlotLineColor, LongArray& GPlotBarType, LongArray& GPlotBarJustify,
    std::vector<LongArray>& GPlotBarHatch, LongArray& GPlotAreaFill, DoubleArray& GPlotBarWidth,
    LongArray& GPlotLineThickness, LongArray& GPlotScatterStyle, LongArray& GPlotScatterSize,
    LongArray& GPlotScatterShape, int save) {
    Remember(PageKind::GroupPlots, page);
    ExchangeLongArray(model_.GPlotRefAxes, GPlotRefAxes, save);
    ExchangeLongArray(model_.GPlotType, GPlotType, save);
    ExchangeArrayOfLongArrays(model_.GPlotLineStyle, GPlotLineStyle, save);
    ExchangeArrayOfColorArrays(model_.GPlotLineColor, GPlotLineColor, save);
    ExchangeLongArray(model_.GPlotBarType, GPlotBarType, save);
    ExchangeLongArray(model_.GPlotBarJustify, GPlotBarJustify, save);
    ExchangeArrayOfLongArrays(model_.GPlotBarHatch, GPlotBarHatch, save);
    ExchangeLongArray(model_.GPlotAreaFill, GPlotAreaFill, save);
    ExchangeDoubleArray(model_.GPlotBarWidth, GPlotBarWidth, save);
    ExchangeLongArray(model_.GPlotLineThickness, GPlotLineThickness, save);
    ExchangeLongArray(model_.GPlotScatterStyle, GPlotScatterStyle, save);
    ExchangeLongArray(model_.GPlotScatterSize, GPlotScatterSize, save);
    ExchangeLongArray(model_.GPlotScatterShape, GPlotScatterShape, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangeLegendPage(
    IOpenPage* page, Long& SLegendType, double& SLegendTop, double& SLegendBottom, double& SLegendLeft,
    double& SLegendRight, Long& SLegendBackgroundColor, Long& SLegendBorderColor,
    Long& SLegendBorderThickness, QString& SLegendStrings, QString& SLegendFont, Long& SLegendFontStyle,
    Long& SLegendFontSize, Long& SLegendFontColor, Long& SLegendOrientation, Long& SLegendEnable, int save) {
    Remember(PageKind::Legend, page);
    PAGE_SCALAR(SLegendType);
    PAGE_SCALAR(SLegendTop);
    PAGE_SCALAR(SLegendBottom);
    PAGE_SCALAR(SLegendLeft);
    PAGE_SCALAR(SLegendRight);
    PAGE_SCALAR(SLegendBackgroundColor);
    PAGE_SCALAR(SLegendBorderColor);
    PAGE_SCALAR(SLegendBorderThickness);
    PAGE_SCALAR(SLegendStrings);
    PAGE_SCALAR(SLegendFont);
    PAGE_SCALAR(SLegendFontStyle);
    PAGE_SCALAR(SLegendFontSize);
    PAGE_SCALAR(SLegendFontColor);
    PAGE_SCALAR(SLegendOrientation);
    PAGE_SCALAR(SLegendEnable);
    Finish(save);
}

void CModelExchangeTarget::ExchangePiePage(
    IOpenPage* page, LongArray& PieNumericStyle, LongArray& Pie3DLook, LongArray& PieNumberPos,
    DoubleArray& PieCenterX, DoubleArray& PieCenterY, DoubleArray& PieDiameter,
    std::vector<LongArray>& PieSliceHatch, std::vector<LongArray>& PieSliceFillColor,
    std::vector<LongArray>& PieSliceBorderColor, std::vector<DoubleArray>& PieSliceExplode,
    std::vector<StringArray>& PieSliceLabel, StringArray& PieNumericFont, LongArray& PieFontStyle,
    LongArray& PieFontSize, LongArray& PieFontColor, int save) {
    Remember(PageKind::Pie, page);
    ExchangeLongArray(model_.PieNumericStyle, PieNumericStyle, save);
    ExchangeLongArray(model_.Pie3DLook, Pie3DLook, save);
    ExchangeLongArray(model_.PieNumberPos, PieNumberPos, save);
    ExchangeDoubleArray(model_.PieCenterX, PieCenterX, save);
    ExchangeDoubleArray(model_.PieCenterY, PieCenterY, save);
    ExchangeDoubleArray(model_.PieDiameter, PieDiameter, save);
    ExchangeArrayOfLongArrays(model_.PieSliceHatch, PieSliceHatch, save);
    ExchangeArrayOfColorArrays(model_.PieSliceFillColor, PieSliceFillColor, save);
    ExchangeArrayOfColorArrays(model_.PieSliceBorderColor, PieSliceBorderColor, save);
    ExchangeArrayOfDoubleArrays(model_.PieSliceExplode, PieSliceExplode, save);
    ExchangeArrayOfStringArrays(model_.PieSliceLabel, PieSliceLabel, save);
    ExchangeStringArray(model_.PieNumericFont, PieNumericFont, save);
    ExchangeLongArray(model_.PieFontStyle, PieFontStyle, save);
    ExchangeLongArray(model_.PieFontSize, PieFontSize, save);
    ExchangeColorArray(model_.PieFontColor, PieFontColor, save);
    Finish(save);
}

void CModelExchangeTarget::ExchangePrintPage(IOpenPage* page, Long& PrintStyle, Long& PrintBorder,
                                             Long& PrintMaintainAspectRatio, Long& PrintPlotBackground,
                                             Long& PrintGraphBackground, double& PrintBottom,
                                             double& PrintLeft, double& PrintRight, double& PrintTop,
                                             int save) {
    Remember(PageKind::Print, page);
    PAGE_SCALAR(PrintStyle);
    PAGE_SCALAR(PrintBorder);
    PAGE_SCALAR(PrintMaintainAspectRatio);
    PAGE_SCALAR(PrintPlotBackground);
    PAGE_SCALAR(PrintGraphBackground);
    PAGE_SCALAR(PrintBottom);
    PAGE_SCALAR(PrintLeft);
    PAGE_SCALAR(PrintRight);
    PAGE_SCALAR(PrintTop);
    Finish(save);
}

void CModelExchangeTarget::ExchangeEventPage(IOpenPage* page, Long& EventZoom, Long& EventShowPropPage,
                                             Long& EventRetrieveDataValue, Long& EventDataCursorType,
                                             Long& EventZoomX, Long& EventZoomXRoundMode, Long& EventZoomY,
                                             Long& EventZoomYRoundMode, Long& EventZoomReset,
                                             double& EventZoomResetMinX, double& EventZoomResetMinY,
                                             double& EventZoomResetMaxX, double& EventZoomResetMaxY,
                                             int save) {
    Remember(PageKind::Events, page);
    PAGE_SCALAR(EventZoom);
    PAGE_SCALAR(EventShowPropPage);
    PAGE_SCALAR(EventRetrieveDataValue);
    PAGE_SCALAR(EventDataCursorType);
    PAGE_SCALAR(EventZoomX);
    PAGE_SCALAR(EventZoomXRoundMode);
    PAGE_SCALAR(EventZoomY);
    PAGE_SCALAR(EventZoomYRoundMode);
    PAGE_SCALAR(EventZoomReset);
    PAGE_SCALAR(EventZoomResetMinX);
    PAGE_SCALAR(EventZoomResetMinY);
    PAGE_SCALAR(EventZoomResetMaxX);
    PAGE_SCALAR(EventZoomResetMaxY);
    Finish(save);
}

#undef PAGE_SCALAR

void CModelExchangeTarget::GetDataSetList(LongArray& enable, StringArray& names, LongArray& types) {
    ExchangeLongArray(model_.SDataEnable, enable, 0);
    ExchangeStringArray(model_.SDataName, names, 0);
    ExchangeLongArray(model_.SDataType, types, 0);
}

void CModelExchangeTarget::RefreshOpenPages() {
    // A page may close or open others while it reloads: work on a copy of the slots.
    const std::array<OpenPageSlot, kPageCount> remembered = open_;
    for (const OpenPageSlot& slot : remembered) {
        if (slot.object) {
            slot.page->ReloadFromControl();
        }
    }
}

bool CModelExchangeTarget::LoadFromFile(const QString& path) {
    return hooks_.loadFromFile ? hooks_.loadFromFile(path) : false;
}

bool CModelExchangeTarget::SaveToFile(const QString& path) {
    return hooks_.saveToFile ? hooks_.saveToFile(path) : false;
}

void CModelExchangeTarget::PrintPage() {
    if (hooks_.printPage) {
        hooks_.printPage();
    }
}

void CModelExchangeTarget::PrinterSetup() {
    if (hooks_.printerSetup) {
        hooks_.printerSetup();
    }
}

void CModelExchangeTarget::SavePageMetaDefault() {
    if (hooks_.savePageMetaDefault) {
        hooks_.savePageMetaDefault();
    }
}

} // namespace pages
