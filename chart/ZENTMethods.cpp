#include "ZENTMethods.h"

#include "ChartAxes.h"
#include "ChartDispatch.h"
#include "ChartLimits.h"
#include "ChartMouse.h"
#include "ChartOutput.h"
#include "ChartView.h"
#include "ZENTAboutBox.h"
#include "ZENTModuleState.h"

#include <new>
#include <VariantChange.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <type_traits>

namespace zent {

using automation::HRESULT;
using automation::Variant;

namespace {

using A = Arg;
using M = chart::CChartModel;

bool ValidSet(int set) {
    return set >= 0 && set < chart::kSetCount;
}

Variant BoolResult(int value) {
    return Variant::Bool(value != 0);
}

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// n points of each array, refused when the caller's arrays are known to be shorter; a count the
// chart cannot hold is refused with its own text first.
HRESULT CheckPoints(const MethodArgs& a, int xArg, int yArg, long long n, long long yFactor) {
    chart::CheckPointCount(n);
    if (n == 0) {
        return automation::S_OK;
    }
    if (a.Points(xArg) == nullptr || a.Points(yArg) == nullptr ||
        a.Available(xArg) < U(static_cast<int>(n)) ||
        a.Available(yArg) < static_cast<std::size_t>(n * yFactor)) {
        return automation::E_INVALIDARG;
    }
    return automation::S_OK;
}

HRESULT DefineSet(ControlParts& c, const MethodArgs& a, int groups) {
    const int set = a.L(0);
    const int n = a.L(4);
    if (!ValidSet(set)) {
        return automation::DISP_E_BADINDEX;
    }
    chart::CheckGroupCount(groups, 1);
    if (const HRESULT hr = CheckPoints(a, 2, 3, n, groups); hr != automation::S_OK) {
        return hr;
    }
    M& m = c.model;
    const std::size_t cells = static_cast<std::size_t>(n) * U(groups);
    chart::CheckSetFits(m, set, U(n), cells, groups);
    // The copies are made before anything changes: a failed allocation leaves the set as it was.
    chart::DoubleArray x(a.Points(2), a.Points(2) + n);
    chart::DoubleArray y(a.Points(3), a.Points(3) + cells);
    QString name = a.S(1);
    m.SDataNumPlotPoints[U(set)] = n;
    m.SDataName[U(set)].swap(name);
    m.SDataNumGroups[U(set)] = groups;
    m.SDataXData[U(set)].swap(x);
    m.SDataYData[U(set)].swap(y);
    return automation::S_OK;
}

HRESULT UpdateGraph(ControlParts& c, const MethodArgs&, Variant&) {
    c.view.RebuildGraph();
    return automation::S_OK;
}

HRESULT SetDataCursor(ControlParts& c, const MethodArgs& a, Variant& r) {
    const int index = a.L(0);
    if (index < 0 || index >= chart::kDataCursorCount) {
        return automation::DISP_E_BADINDEX;
    }
    BindEngine();
    M& m = c.model;
    const std::size_t i = U(index);
    m.DataCursorType[i] = a.L(1);
    m.DataCursorDefined[i] = 1;
    m.DataCursorAxis[i] = a.L(2);
    m.DataCursorSize[i] = a.L(3);
    m.DataCursorWidth[i] = a.L(4);
    m.DataCursorStyle[i] = a.L(5);
    m.DataCursorColor[i] = a.L(6);
    r = Variant::I4(index);
    return automation::S_OK;
}

HRESULT MoveDataCursor(ControlParts& c, const MethodArgs& a, Variant&) {
    const int index = a.L(0);
    if (index < 0 || index >= chart::kDataCursorCount) {
        return automation::DISP_E_BADINDEX;
    }
    BindEngine();
    EngineMoveDataCursor(c.model.GraphHandle, c.model.DataCursorHandle[U(index)], a.D(1), a.D(2), a.B(3));
    return automation::S_OK;
}

template <EngineBool (*Sort)(EngineHandle, int)>
HRESULT SortData(ControlParts& c, const MethodArgs& a, Variant& r) {
    if (!ValidSet(a.L(0))) {
        return automation::DISP_E_BADINDEX;
    }
    BindEngine();
    r = BoolResult(Sort(c.model.DataSet[U(a.L(0))], a.B(1)));
    return automation::S_OK;
}

template <EngineBool (*Range)(EngineHandle, double*, double*), bool kMax>
HRESULT DatasetRange(ControlParts& c, const MethodArgs& a, Variant& r) {
    if (!ValidSet(a.L(0))) {
        return automation::DISP_E_BADINDEX;
    }
    BindEngine();
    double min = 0.0, max = 1.0;
    Range(c.model.DataSet[U(a.L(0))], &min, &max);
    r = Variant::R8(kMax ? max : min);
    return automation::S_OK;
}

HRESULT MarkDataPoint(ControlParts& c, const MethodArgs& a, Variant& r) {
    if (!ValidSet(a.L(0))) {
        return automation::DISP_E_BADINDEX;
    }
    BindEngine();
    r = BoolResult(EngineMarkDataPoint(c.model.DataSet[U(a.L(0))], a.L(1), a.B(2)));
    return automation::S_OK;
}

HRESULT SavePageMeta(ControlParts& c, const MethodArgs& a, Variant& r) {
    r = BoolResult(c.output.SavePageMeta(a.L(0), a.S(1)) ? 1 : 0);
    return automation::S_OK;
}

// The FFT routines work in place on the caller's arrays, so they need references.
HRESULT FftArrays(const MethodArgs& a, double*& re, double*& im) {
    re = a.Writable(0);
    im = a.Writable(1);
    return re != nullptr && im != nullptr ? automation::S_OK : automation::DISP_E_TYPEMISMATCH;
}

// The routines that work in place: the arrays, the count and one more argument (a window type, a
// direction or a sampling interval).
template <typename Last, EngineBool (*Fft)(double*, double*, long, Last)>
HRESULT FftInPlace(ControlParts&, const MethodArgs& a, Variant&) {
    double *re = nullptr, *im = nullptr;
    if (const HRESULT hr = FftArrays(a, re, im); hr != automation::S_OK) {
        return hr;
    }
    if constexpr (std::is_floating_point_v<Last>) {
        Fft(re, im, a.L(2), a.D(3));
    } else {
        Fft(re, im, a.L(2), a.L(3));
    }
    return automation::S_OK;
}

template <double (*Value)(const double*, const double*, long, long)>
HRESULT FftValue(ControlParts&, const MethodArgs& a, Variant& r) {
    const long long count = a.L(2);
    if (count > 0 && (a.Available(0) < static_cast<std::size_t>(count) ||
                      a.Available(1) < static_cast<std::size_t>(count))) {
        return automation::E_INVALIDARG;
    }
    r = Variant::R8(Value(a.Points(0), a.Points(1), a.L(2), a.L(3)));
    return automation::S_OK;
}

HRESULT FftFrequency(ControlParts&, const MethodArgs& a, Variant& r) {
    r = Variant::R8(EngineFFTFrequency(a.L(0), a.D(1), a.L(2)));
    return automation::S_OK;
}

HRESULT ReconnectDataSet(ControlParts& c, const MethodArgs& a, Variant&) {
    const int set = a.L(0);
    const int n = a.L(4);
    if (!ValidSet(set)) {
        return automation::DISP_E_BADINDEX;
    }
    if (const HRESULT hr = CheckPoints(a, 2, 3, n, 1); hr != automation::S_OK || n == 0) {
        return hr;
    }
    BindEngine();
    M& m = c.model;
    const std::size_t i = U(set);
    // The points become the set's values, so they fit the chart as a definition's do.
    chart::CheckSetFits(m, set, U(n), U(n), 1);
    chart::DoubleArray x(a.Points(2), a.Points(2) + n), y(a.Points(3), a.Points(3) + n);
    // Every copy is made before the engine changes: a failed allocation leaves the plot as it was.
    chart::DoubleArray xValues(x), yValues(y);
    const EngineHandle data = EngineCreateDataset(nullptr, x.data(), y.data(), n);
    EngineSetPlotDataset(m.GraphHandle, m.PlotHandle[i], data);
    EngineRefreshPlot(m.GraphHandle, m.PlotHandle[i], 1);
    if (m.DataSet[i] != 0) {
        EngineDeleteDataset(m.DataSet[i], 0);
    }
    // The model's values follow the points shown, so counts and arrays never disagree.
    m.SDataXData[i].swap(xValues);
    m.SDataYData[i].swap(yValues);
    m.XRawPlotData[i] = std::move(x);
    m.YRawPlotData[i] = std::move(y);
    m.DataSet[i] = chart::StoredHandle(static_cast<std::uint32_t>(data));
    m.SDataNumPlotPoints[i] = n;
    m.SDataNumGroups[i] = 1;
    m.SDataName[i] = a.S(1);
    return automation::S_OK;
}

HRESULT DefineDataSet(ControlParts& c, const MethodArgs& a, Variant&) {
    return DefineSet(c, a, 1);
}

HRESULT DefineGroupDataSet(ControlParts& c, const MethodArgs& a, Variant&) {
    return DefineSet(c, a, a.L(5));
}

HRESULT GetNearestPoint(ControlParts& c, const MethodArgs& a, Variant& r) {
    BindEngine();
    const M& m = c.model;
    double x = 0.0, y = 0.0;
    EngineHandle data = 0;
    int index = 0;
    const EngineBool found =
        EngineFindNearestPoint(m.GraphHandle, a.D(0), a.D(1), a.L(2), &x, &y, &data, &index);
    const auto set =
        std::find(m.DataSet.begin(), m.DataSet.end(), chart::StoredHandle(static_cast<std::uint32_t>(data)));
    const int setNumber = data != 0 && set != m.DataSet.end() ? static_cast<int>(set - m.DataSet.begin()) : 0;
    a.Store(3, x);
    a.Store(4, y);
    a.Store(5, std::int32_t{setNumber});
    a.Store(6, std::int32_t{index});
    r = BoolResult(found);
    return automation::S_OK;
}

// A set outside 0..31 is a file that cannot be read into it: FALSE, as for any other failure.
HRESULT LoadAscii(ControlParts& c, const MethodArgs& a, Variant& r) {
    QString leftOut;
    r = BoolResult(c.model.ReadDataSetFile(a.S(0), a.S(1), a.L(2), a.L(3), &leftOut) ? 1 : 0);
    if (!leftOut.isEmpty() && c.tellLeftOut) {
        c.tellLeftOut(leftOut);
    }
    return automation::S_OK;
}

HRESULT SaveAscii(ControlParts& c, const MethodArgs& a, Variant& r) {
    if (!ValidSet(a.L(1))) {
        return automation::DISP_E_BADINDEX;
    }
    r = BoolResult(c.model.WriteDataSetFile(a.S(0), a.L(1), a.S(2)) ? 1 : 0);
    return automation::S_OK;
}

HRESULT SerializeLoad(ControlParts& c, const MethodArgs& a, Variant& r) {
    r = BoolResult(c.output.LoadFromFile(a.S(0)) ? 1 : 0);
    return automation::S_OK;
}

HRESULT SerializeSave(ControlParts& c, const MethodArgs& a, Variant& r) {
    r = BoolResult(c.output.SaveToFile(a.S(0)) ? 1 : 0);
    return automation::S_OK;
}

HRESULT ZoomReset(ControlParts& c, const MethodArgs&, Variant&) {
    c.mouse.ZoomReset();
    return automation::S_OK;
}

HRESULT PrintGraph(ControlParts& c, const MethodArgs&, Variant&) {
    c.output.PrintPage();
    return automation::S_OK;
}

HRESULT PrinterSetup(ControlParts& c, const MethodArgs&, Variant&) {
    c.output.PrinterSetup();
    return automation::S_OK;
}

HRESULT CopyToClipboard(ControlParts& c, const MethodArgs&, Variant& r) {
    r = BoolResult(c.output.CopyToClipboard() ? 1 : 0);
    return automation::S_OK;
}

// The last mouse position into the method's two output arguments from `first` on, converted by
// `convert` (which gives the result); FALSE and nothing stored while the graph is not ready.
template <typename Convert>
HRESULT MousePosition(const M& m, const MethodArgs& a, int first, Variant& r, Convert convert) {
    if (EngineIsGraphReady(m.GraphHandle) == 0) {
        r = BoolResult(0);
        return automation::S_OK;
    }
    double x = 0.0, y = 0.0;
    const EngineBool ok = convert(x, y);
    a.Store(first, x);
    a.Store(first + 1, y);
    r = BoolResult(ok);
    return automation::S_OK;
}

HRESULT GetMousePos(ControlParts& c, const MethodArgs& a, Variant& r) {
    const M& m = c.model;
    return MousePosition(m, a, 1, r, [&](double& x, double& y) {
        int xa = 0, ya = 1;
        chart::GetAxisPair(m, a.L(0) != 0 ? 1 : 0, xa, ya);
        return EngineDeviceToWorld(m.GraphHandle, m.AxisHandle[U(xa)], m.AxisHandle[U(ya)], &x, &y);
    });
}

HRESULT GetMousePosNorm(ControlParts& c, const MethodArgs& a, Variant& r) {
    const M& m = c.model;
    return MousePosition(m, a, 0, r, [&](double& x, double& y) {
        EngineDeviceToNormalized(m.GraphHandle, &x, &y);
        return EngineBool{1};
    });
}

HRESULT AboutBox(ControlParts&, const MethodArgs&, Variant&) {
    ShowAboutBox();
    return automation::S_OK;
}

std::vector<Method> MakeTable() {
    const std::vector<Arg> points = {A::Long, A::String, A::Doubles, A::Doubles, A::Long};
    const std::vector<Arg> fft = {A::Doubles, A::Doubles, A::Long, A::Long};
    return {
        {51, "UpdateGraph", {}, UpdateGraph},
        {52, "SetDataCursor", {A::Long, A::Long, A::Long, A::Long, A::Long, A::Long, A::Long}, SetDataCursor},
        {53, "MoveDataCursor", {A::Long, A::Double, A::Double, A::Bool}, MoveDataCursor},
        {54, "SortDataX", {A::Long, A::Bool}, SortData<EngineSortDatasetX>},
        {55, "SortDataY", {A::Long, A::Bool}, SortData<EngineSortDatasetY>},
        {56, "GetDatasetMinX", {A::Long}, DatasetRange<EngineGetDatasetXRange, false>},
        {57, "GetDatasetMaxX", {A::Long}, DatasetRange<EngineGetDatasetXRange, true>},
        {58, "GetDatasetMinY", {A::Long}, DatasetRange<EngineGetDatasetYRange, false>},
        {59, "GetDatasetMaxY", {A::Long}, DatasetRange<EngineGetDatasetYRange, true>},
        {60, "MarkDataPoint", {A::Long, A::Long, A::Bool}, MarkDataPoint},
        {61, "SavePageMeta", {A::Long, A::String}, SavePageMeta},
        {62, "FFTDSPWindow", fft, FftInPlace<long, EngineFFTWindow>},
        {63, "FFTComplexFFT", {A::Doubles, A::Doubles, A::Long, A::Bool}, FftInPlace<int, EngineFFTComplex>},
        {64, "FFTRealFFT", {A::Doubles, A::Doubles, A::Long, A::Bool}, FftInPlace<int, EngineFFTReal>},
        {65,
         "FFTPowerSpectrum",
         {A::Doubles, A::Doubles, A::Long, A::Double},
         FftInPlace<double, EngineFFTPowerSpectrum>},
        {66, "FFTMagnitude", fft, FftValue<EngineFFTMagnitude>},
        {67, "FFTPhase", fft, FftValue<EngineFFTPhase>},
        {68, "FFTFrequency", {A::Long, A::Double, A::Long}, FftFrequency},
        {69, "ReconnectDataSet", points, ReconnectDataSet},
        {70, "DefineDataSet", points, DefineDataSet},
        {71,
         "DefineGroupDataSet",
         {A::Long, A::String, A::Doubles, A::Doubles, A::Long, A::Long},
         DefineGroupDataSet},
        {72,
         "GetNearestPoint",
         {A::Double, A::Double, A::Long, A::OutDouble, A::OutDouble, A::OutLong, A::OutLong},
         GetNearestPoint},
        {73, "LoadASCIIDataSet", {A::String, A::String, A::Long, A::Long}, LoadAscii},
        {74, "SaveASCIIDataSet", {A::String, A::Long, A::String}, SaveAscii},
        {75, "SerializeLoadFile", {A::String}, SerializeLoad},
        {76, "SerializeSaveFile", {A::String}, SerializeSave},
        {77, "GraphZoomReset", {}, ZoomReset},
        {78, "PrintGraph", {}, PrintGraph},
        {79, "PrinterSetup", {}, PrinterSetup},
        {80, "CopyToClipboard", {}, CopyToClipboard},
        {81, "GetMousePos", {A::Long, A::OutDouble, A::OutDouble}, GetMousePos},
        {82, "GetMousePosNorm", {A::OutDouble, A::OutDouble}, GetMousePosNorm},
        {-552, "AboutBox", {}, AboutBox},
    };
}

} // namespace

const std::vector<Method>& Methods() {
    static const std::vector<Method> table = MakeTable();
    return table;
}

bool ReturnsBool(automation::DISPID dispid) {
    static constexpr std::array<automation::DISPID, 12> kBoolMethods = {54, 55, 60, 61, 72, 73,
                                                                        74, 75, 76, 80, 81, 82};
    return std::find(kBoolMethods.begin(), kBoolMethods.end(), dispid) != kBoolMethods.end();
}

const Method* FindMethod(automation::DISPID dispid) {
    const auto& table = Methods();
    const auto found =
        std::find_if(table.begin(), table.end(), [dispid](const Method& m) { return m.dispid == dispid; });
    return found != table.end() ? &*found : nullptr;
}

HRESULT InvokeMethod(ControlParts& control, const Method& method, const std::vector<Variant>& args,
                     Variant* result) {
    MethodArgs read;
    if (const HRESULT hr = read.Read(method.args, args); hr != automation::S_OK) {
        return hr;
    }
    Variant value;
    HRESULT hr = automation::S_OK;
    try {
        hr = method.handler(control, read, value);
    } catch (const std::bad_alloc&) {
        throw; // a refused call: the control tells its containers
    } catch (const chart::ChartTooLarge&) {
        throw;
    } catch (const chart::InvalidCount&) {
        throw;
    } catch (const std::exception&) {
        // Nothing a container passes may take the container down with it.
        hr = automation::DISP_E_EXCEPTION;
    }
    if (hr == automation::S_OK && result != nullptr) {
        *result = value;
    }
    return hr;
}

} // namespace zent
