#include "ChartModel.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace chart {

namespace {

template <typename T> void Fill(std::vector<T>& array, int count, const T& value) {
    array.assign(static_cast<std::size_t>(count), value);
}

template <typename T> void Fill(std::vector<T>& array, std::initializer_list<T> values) {
    array = values;
}

} // namespace

CChartModel::CChartModel(CGraphHolder* holder, ChartEngineLink* link) : Holder(holder), link_(link) {
    if (link_ != nullptr) {
        link_->BindContext();
    }
    SetDefaults();
}

CChartModel::~CChartModel() {
    ResetData();
}

int CChartModel::MapDefaultColorIndex(int item) {
    static constexpr std::array<int, 19> kCodes = {1,  2,  4,  14, 3, 5,  8, 9,  10, 12,
                                                   11, 13, 16, 17, 6, 15, 7, 18, 19};
    if (item < 0 || item >= static_cast<int>(kCodes.size())) {
        return 0;
    }
    return kCodes[static_cast<std::size_t>(item)];
}

std::int32_t CChartModel::GetDefaultColor(int item) const {
    const int code = MapDefaultColorIndex(item);
    return link_ != nullptr ? link_->PaletteColor(code) : ChartEngineLink::StandardPaletteColor(code);
}

void CChartModel::SetDefaults() {
    LegendLineBlock.clear();
    ReadingOut = 0;
    Zooming = 0;
    SetScalarDefaults();
    SetAxisDefaults();
    for (LongArray* cursor : {&DataCursorHandle, &DataCursorType, &DataCursorDefined, &DataCursorAxis,
                              &DataCursorSize, &DataCursorWidth, &DataCursorStyle, &DataCursorColor}) {
        Fill(*cursor, kDataCursorCount, 0);
    }
    SetTitleDefaults();
    SetSetDefaults();
    MakeDemoDataSet(0, 10, 10.0);
}

void CChartModel::SetScalarDefaults() {
    TopPlotArea = 0.2;
    BottomPlotArea = 0.8;
    LeftPlotArea = 0.2;
    RightPlotArea = 0.8;
    WindowBackgroundColor = PlotBackgroundColor = 0xFFFFFF;
    WindowBorderColor = 0;
    WindowBorderStyle = 0;
    WindowBorderThickness = 1;
    MajorTickSize = 10;
    MinorTickSize = 5;
    EventZoom = EventShowPropPage = EventRetrieveDataValue = EventDataCursorType = 0;
    EventZoomX = EventZoomXRoundMode = EventZoomY = EventZoomYRoundMode = 0;
    EventZoomReset = 0;
    EventZoomResetMinX = EventZoomResetMinY = 0.0;
    EventZoomResetMaxX = EventZoomResetMaxY = 10.0;
    PrintStyle = 0;
    PrintBorder = 1;
    PrintMaintainAspectRatio = PrintPlotBackground = PrintGraphBackground = 0;
    PrintBottom = PrintRight = 1.0;
    PrintLeft = PrintTop = 0.0;
    CurrentPlot = CurrentAxis = 0;
    Fill(ScaleEnable, {1, 0});
    SLegendTop = 0.01;
    SLegendBottom = 0.3;
    SLegendLeft = 0.7;
    SLegendRight = 0.99;
    SLegendType = 0;
    SLegendBackgroundColor = 0xFFFFFF;
    SLegendBorderColor = 0;
    SLegendBorderThickness = 1;
    SLegendStrings.clear();
    LegendLineCount = 0;
    SLegendFont = QStringLiteral("Arial");
    SLegendFontStyle = 0;
    SLegendFontSize = 6;
    SLegendFontColor = 0;
    SLegendOrientation = 0;
    SLegendEnable = 0;
}

void CChartModel::SetAxisDefaults() {
    for (LongArray* flags : {&AxisEnable, &AxisInterceptTrack, &AxisLabelsEnable}) {
        Fill(*flags, {1, 1, 0, 0});
    }
    for (LongArray* zeros : {&AxisAutoAxis, &AxisScaleMode, &AxisColor, &AxisLineWidth, &AxisNumericStyle,
                             &AxisLabelDecs, &AxisLabelColor, &AxisLabelFontStyle, &NumAxisLabelStrings,
                             &AxisLabelStringsEnable, &AxisLabelStringsStart, &AxisTitleFontStyle,
                             &AxisTitleColor, &AxisGridEnable, &AxisGridColor, &AxisHandle}) {
        Fill(*zeros, kAxisCount, 0);
    }
    AxisLableHandle.clear();
    Fill(AxisMin, kAxisCount, 0.0);
    Fill(AxisMax, kAxisCount, 10.0);
    Fill(AxisIntercept, {0.0, 0.0, 10.0, 10.0});
    Fill(AxisMinorTicks, kAxisCount, 4);
    Fill(AxisMajorTickInterval, kAxisCount, 5.0);
    for (LongArray* positions : {&AxisTickStyle, &AxisLabelPos, &AxisTitlePos}) {
        Fill(*positions, {0, 1, 4, 2});
    }
    Fill(AxisLabelFont, kAxisCount, QStringLiteral("Arial"));
    Fill(AxisTitleFont, kAxisCount, QStringLiteral("Arial"));
    Fill(AxisLabelFontSize, kAxisCount, 6);
    Fill(AxisTitleFontSize, kAxisCount, 6);
    Fill(AxisLabelStrings, kAxisCount, QString());
    Fill(AxisTitleString, kAxisCount, QString());
    Fill(AxisLabelBlocks, kAxisCount, LineBlock());
    Fill(AxisGridType, kAxisCount, 2);
    Fill(AxisGridLineWidth, kAxisCount, 1);
    Fill(AxisGridLineStyle, kAxisCount, 2);
}

void CChartModel::SetTitleDefaults() {
    Fill(TitleString, {QStringLiteral("Title"), QString(), QString()});
    Fill(TitleFont, kTitleCount, QStringLiteral("Arial"));
    Fill(TitleColor, kTitleCount, 0);
    Fill(TitleFontStyle, kTitleCount, 0);
    Fill(TitleFontSize, {8, 6, 6});
    Fill(TitlePos, kTitleCount, 4);
}

void CChartModel::SetSetDefaults() {
    for (LongArray* perSet : {&PlotHandle,
                              &DataSet,
                              &SDataNumPlotPoints,
                              &SDataEnable,
                              &SDataNumGroups,
                              &SDataType,
                              &SPlotSpline,
                              &SPlotType,
                              &SPlotDataset,
                              &SPlotRefAxes,
                              &SPlotLineColor,
                              &SPlotLineStyle,
                              &SPlotLineThickness,
                              &SPlotAreaFill,
                              &SPlotBarType,
                              &SPlotBarJustify,
                              &SPlotBarHatch,
                              &SPlotBarColor,
                              &SPlotScatterColor,
                              &SPlotScatterShape,
                              &SPlotScatterSize,
                              &SPlotScatterDrop,
                              &SPlotScatterLine,
                              &SPlotScatterStyle,
                              &SPlotObjectOutlineColor,
                              &GPlotType,
                              &GPlotDataset,
                              &GPlotRefAxes,
                              &GPlotAreaFill,
                              &GPlotBarType,
                              &GPlotBarJustify,
                              &GPlotLineThickness,
                              &GPlotScatterShape,
                              &GPlotScatterSize,
                              &GPlotScatterStyle,
                              &PieNumericStyle,
                              &Pie3DLook,
                              &PieNumberPos,
                              &PieFontStyle,
                              &PieFontSize,
                              &PieFontColor}) {
        Fill(*perSet, kSetCount, 0);
    }
    for (DoubleArray* perSet : {&SPlotBarWidth, &GPlotBarWidth, &PieCenterX, &PieCenterY, &PieDiameter}) {
        Fill(*perSet, kSetCount, 0.0);
    }
    Fill(SDataName, kSetCount, QString());
    Fill(PieNumericFont, kSetCount, QString());
    for (std::vector<DoubleArray>* perSet : {&XRawPlotData, &YRawPlotData, &SDataXData, &SDataYData}) {
        Fill(*perSet, kSetCount, DoubleArray());
    }
    for (std::vector<LongArray>* perGroup : {&GPlotLineColor, &GPlotBarColor, &GPlotLineStyle, &GPlotBarHatch,
                                             &PieSliceHatch, &PieSliceFillColor, &PieSliceBorderColor}) {
        Fill(*perGroup, kSetCount, LongArray(kGroupCount, 0));
    }
    Fill(PieSliceExplode, kSetCount, DoubleArray(kGroupCount, 0.0));
    Fill(PieSliceLabel, kSetCount, StringArray(kGroupCount));
    for (int set = 0; set < kSetCount; ++set) {
        SetSetDefaults(set);
    }
}

void CChartModel::SetSetDefaults(int set) {
    const auto i = static_cast<std::size_t>(set);
    SDataNumGroups[i] = 1;
    SDataEnable[i] = set == 0 ? 1 : 0;
    SDataName[i] = set == 0 ? QStringLiteral("First") : QString();
    SPlotLineColor[i] = SPlotBarColor[i] = SPlotScatterColor[i] = GetDefaultColor(set);
    SPlotLineThickness[i] = 2;
    SPlotBarType[i] = 6;
    SPlotBarHatch[i] = -1;
    SPlotBarJustify[i] = 1;
    SPlotBarWidth[i] = 0.75;
    SPlotScatterShape[i] = 1;
    SPlotScatterSize[i] = 5;
    SPlotDataset[i] = set;
    GPlotType[i] = 2;
    GPlotBarType[i] = 6;
    GPlotBarWidth[i] = 1.0;
    GPlotBarJustify[i] = 1;
    PieNumberPos[i] = 1;
    PieCenterX[i] = PieCenterY[i] = 0.5;
    PieDiameter[i] = 0.4;
    PieNumericFont[i] = QStringLiteral("Arial");
    PieFontSize[i] = 6;
    GPlotLineThickness[i] = 1;
    GPlotScatterSize[i] = 5;
    GPlotScatterShape[i] = 1;
    for (int g = 0; g < kGroupCount; ++g) {
        const auto j = static_cast<std::size_t>(g);
        GPlotLineColor[i][j] = GPlotBarColor[i][j] = GetDefaultColor(g);
        PieSliceFillColor[i][j] = PieSliceBorderColor[i][j] = GetDefaultColor(g);
        GPlotBarHatch[i][j] = PieSliceHatch[i][j] = -1;
    }
}

void CChartModel::MakeDemoDataSet(int set, int points, double scale) {
    if (set < 0 || set >= kSetCount || points < 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(set);
    const auto n = static_cast<std::size_t>(points);
    SDataNumPlotPoints[i] = points;
    SDataXData[i].resize(n, 0.0);
    SDataYData[i].resize(n * static_cast<std::size_t>(std::max(SDataNumGroups[i], 1)), 0.0);
    for (std::size_t j = 0; j < n; ++j) {
        SDataXData[i][j] = static_cast<double>(j + 1);
        SDataYData[i][j] = 0.01 + scale * (std::rand() % 32768) / 32767.0;
    }
}

void CChartModel::FreeDataSets() {
    for (std::size_t i = 0; i < DataSet.size(); ++i) {
        if (DataSet[i] != 0 && link_ != nullptr) {
            link_->DeleteDataset(static_cast<std::uint16_t>(DataSet[i] & 0xFFFF));
        }
        DataSet[i] = 0;
    }
    for (std::vector<DoubleArray>* buffers : {&XRawPlotData, &YRawPlotData}) {
        for (DoubleArray& buffer : *buffers) {
            DoubleArray().swap(buffer);
        }
    }
}

void CChartModel::ReleaseGraphics() {
    if (link_ != nullptr) {
        link_->ReleaseGraphics();
    }
    ReadingOut = 0;
}

void CChartModel::ResetData() {
    if (link_ != nullptr) {
        link_->BindContext();
    }
    for (LineBlock& block : AxisLabelBlocks) {
        LineBlock().swap(block);
    }
    FreeDataSets();
    LineBlock().swap(LegendLineBlock);
    ReleaseGraphics();
}

void CChartModel::ClearEngineHandles() {
    for (LongArray* handles : {&DataCursorHandle, &AxisHandle, &AxisLableHandle, &PlotHandle, &DataSet}) {
        std::fill(handles->begin(), handles->end(), 0);
    }
}

} // namespace chart
