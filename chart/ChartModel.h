#pragma once
// Every setting of one chart: the scalars behind the control's notify properties, the per-item
// arrays behind its indexed properties, the data sets with their values, and the engine handles of
// the graph last built from them. Nothing here redraws: a change shows after the next rebuild.
// Colours are COLORREF bits (0x00BBGGRR) and flags are 0/non-zero, both kept as 32-bit integers
// because the automation interface and the property stream treat them so.

#include "ChartEngineLink.h"

#include <cstdint>
#include <QString>
#include <vector>

class QPainter;
class CGraphHolder;
class CZENTCtrl;

namespace chart {

using LongArray = std::vector<std::int32_t>;
using DoubleArray = std::vector<double>;
using StringArray = std::vector<QString>;
// Slots of kLineSlotBytes bytes, each a NUL-terminated line handed to the engine.
using LineBlock = std::vector<char>;

// Nominal sizes: the item ranges of the automation interface.
constexpr int kAxisCount = 4;
constexpr int kAxisPairCount = 2;
constexpr int kTitleCount = 3;
constexpr int kSetCount = 32;
constexpr int kGroupCount = 16;
constexpr int kDataCursorCount = 32;
constexpr int kLineSlotBytes = 42;

// The engine keeps 16-bit handles; the model stores their low 16 bits in 32-bit slots.
constexpr std::int32_t StoredHandle(std::uint32_t engineHandle) {
    return static_cast<std::int32_t>(engineHandle & 0xFFFF);
}

class CChartModel {
public:
    // link may be null (no engine); when given it must outlive the model.
    CChartModel(CGraphHolder* holder, ChartEngineLink* link);
    ~CChartModel();
    CChartModel(const CChartModel&) = delete;
    CChartModel& operator=(const CChartModel&) = delete;

    void SetDefaults();
    void MakeDemoDataSet(int set, int points, double scale);
    void ResetData();
    void FreeDataSets();
    void ReleaseGraphics();
    // Zeroes every engine handle array without asking the engine to delete anything: for handles
    // that belong to another graph or another process.
    void ClearEngineHandles();

    static int MapDefaultColorIndex(int item);
    std::int32_t GetDefaultColor(int item) const;

    // ASCII data-set files, connected to set `set`. Columns a group set cannot hold are left out,
    // and `leftOut` (when given) receives the text that tells so; it stays empty otherwise.
    bool ReadDataSetFile(const QString& path, const QString& name, int type, int set,
                         QString* leftOut = nullptr);
    bool WriteDataSetFile(const QString& path, int set, const QString& format) const;

    ChartEngineLink* EngineLink() const { return link_; }

    // --- Engine state -------------------------------------------------------------------------
    std::int32_t PageHandle = 0;
    std::int32_t GraphHandle = 0;
    QPainter* BuildDc = nullptr;    // device of the build in progress (not owned)
    CGraphHolder* Holder = nullptr; // not owned
    CZENTCtrl* Control = nullptr;   // not owned; set when the holder creates the graph
    std::uintptr_t GraphWindow = 0; // the engine's graph window
    std::int32_t Zooming = 0;       // a rubber-band zoom is pending
    std::int32_t ReadingOut = 0;    // a data-value read-out is in progress

    // --- Scalars ------------------------------------------------------------------------------
    std::int32_t WindowBackgroundColor = 0;
    std::int32_t PlotBackgroundColor = 0;
    std::int32_t WindowBorderColor = 0;
    std::int32_t CurrentPlot = 0;
    std::int32_t CurrentAxis = 0;
    std::int32_t WindowBorderStyle = 0;
    std::int32_t WindowBorderThickness = 0;
    std::int32_t MajorTickSize = 0;
    std::int32_t MinorTickSize = 0;
    double TopPlotArea = 0;
    double BottomPlotArea = 0;
    double LeftPlotArea = 0;
    double RightPlotArea = 0;
    std::int32_t SLegendType = 0;
    double SLegendTop = 0;
    double SLegendBottom = 0;
    double SLegendLeft = 0;
    double SLegendRight = 0;
    std::int32_t SLegendBackgroundColor = 0;
    std::int32_t SLegendBorderColor = 0;
    std::int32_t SLegendFontColor = 0;
    std::int32_t SLegendBorderThickness = 0;
    QString SLegendStrings;
    std::int32_t LegendLineCount = 0;
    LineBlock LegendLineBlock;
    QString SLegendFont;
    std::int32_t SLegendFontStyle = 0;
    std::int32_t SLegendFontSize = 0;
    std::int32_t SLegendOrientation = 0;
    std::int32_t SLegendEnable = 0;
    std::int32_t EventZoom = 0;
    std::int32_t EventShowPropPage = 0;
    std::int32_t EventRetrieveDataValue = 0;
    std::int32_t EventDataCursorType = 0;
    std::int32_t EventZoomX = 0;
    std::int32_t EventZoomXRoundMode = 0;
    std::int32_t EventZoomY = 0;
    std::int32_t EventZoomYRoundMode = 0;
    std::int32_t PrintStyle = 0;
    std::int32_t PrintBorder = 0;
    std::int32_t PrintMaintainAspectRatio = 0;
    std::int32_t PrintPlotBackground = 0;
    std::int32_t PrintGraphBackground = 0;
    double PrintBottom = 0;
    double PrintLeft = 0;
    double PrintRight = 0;
    double PrintTop = 0;
    std::int32_t EventZoomReset = 0;
    double EventZoomResetMinX = 0;
    double EventZoomResetMinY = 0;
    double EventZoomResetMaxX = 0;
    double EventZoomResetMaxY = 0;

    // --- Arrays (sizes as SetDefaults gives them) ----------------------------------------------
    LongArray DataCursorHandle; // 32
    LongArray DataCursorType, DataCursorDefined, DataCursorAxis, DataCursorSize, DataCursorWidth,
        DataCursorStyle, DataCursorColor; // 32 each
    LongArray AxisHandle;                 // 4
    LongArray AxisLableHandle;            // never filled
    DoubleArray AxisMin, AxisMax;
    LongArray ScaleEnable; // 2, one per axis pair
    LongArray AxisEnable, AxisInterceptTrack, AxisLabelsEnable;
    LongArray AxisScaleMode; // 0 linear, non-zero logarithmic
    DoubleArray AxisIntercept;
    LongArray AxisColor, AxisLineWidth, AxisMinorTicks;
    DoubleArray AxisMajorTickInterval;
    LongArray AxisTickStyle;
    LongArray AxisAutoAxis;
    LongArray AxisLabelPos, AxisLabelDecs, AxisLabelColor;
    StringArray AxisLabelFont;
    LongArray AxisLabelFontStyle, AxisLabelFontSize, AxisNumericStyle;
    StringArray AxisTitleString, AxisTitleFont, AxisLabelStrings;
    LongArray NumAxisLabelStrings;
    LongArray AxisLabelStringsEnable;
    LongArray AxisLabelStringsStart;
    std::vector<LineBlock> AxisLabelBlocks; // 4; empty = none
    LongArray AxisTitleColor, AxisTitleFontStyle, AxisTitleFontSize, AxisTitlePos;
    LongArray AxisGridEnable;
    LongArray AxisGridColor, AxisGridLineWidth, AxisGridLineStyle, AxisGridType;
    StringArray TitleString, TitleFont; // 3
    LongArray TitleColor, TitleFontStyle, TitleFontSize, TitlePos;
    std::vector<DoubleArray> XRawPlotData, YRawPlotData; // 32 point buffers handed to the engine
    LongArray PlotHandle, DataSet;
    LongArray SDataNumPlotPoints;
    LongArray SDataEnable;
    StringArray SDataName;
    LongArray SDataNumGroups;
    LongArray SDataType;                 // 0 simple, 1 group, 2 pie
    std::vector<DoubleArray> SDataXData; // n X values of set i
    std::vector<DoubleArray> SDataYData; // n x groups Y values, point-major
    LongArray SPlotSpline, SPlotType, SPlotDataset, SPlotRefAxes, SPlotLineColor, SPlotLineStyle,
        SPlotLineThickness, SPlotAreaFill, SPlotBarType;
    DoubleArray SPlotBarWidth;
    LongArray SPlotBarJustify, SPlotBarHatch, SPlotBarColor, SPlotScatterColor, SPlotScatterShape,
        SPlotScatterSize, SPlotScatterDrop, SPlotScatterLine, SPlotScatterStyle, SPlotObjectOutlineColor;
    LongArray GPlotType, GPlotDataset, GPlotRefAxes, GPlotAreaFill, GPlotBarType;
    DoubleArray GPlotBarWidth;
    LongArray GPlotBarJustify, GPlotLineThickness;
    std::vector<LongArray> GPlotLineColor, GPlotBarColor, GPlotLineStyle, GPlotBarHatch; // 32 x 16
    LongArray GPlotScatterShape, GPlotScatterSize, GPlotScatterStyle;
    LongArray PieNumericStyle, Pie3DLook, PieNumberPos;
    DoubleArray PieCenterX, PieCenterY, PieDiameter;
    std::vector<LongArray> PieSliceHatch, PieSliceFillColor, PieSliceBorderColor; // 32 x 16
    std::vector<DoubleArray> PieSliceExplode;                                     // percent
    std::vector<StringArray> PieSliceLabel;
    StringArray PieNumericFont;
    LongArray PieFontStyle, PieFontSize, PieFontColor;

private:
    void SetScalarDefaults();
    void SetAxisDefaults();
    void SetTitleDefaults();
    void SetSetDefaults();
    void SetSetDefaults(int set);

    ChartEngineLink* link_ = nullptr;
};

} // namespace chart
