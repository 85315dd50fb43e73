#pragma once
// The engine's process-wide state: handle numbers, the records they name, and the settings that
// apply to the next object or to printing. The engine runs on one thread, like its callers.

#include "data/ChartRecords.h"
#include "Kestran.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <QPrinter>

namespace kestran {

struct DataSetEntry {
    std::unique_ptr<DataSet> data;
    long long serial = 0;
};

struct PrintOptions {
    bool graphBackground = false;
    bool plotBackground = false;
    bool border = true;
    bool keepAspect = false;
    int style = 0;
    double left = 0.0, top = 0.0;
};

class EngineState {
public:
    static EngineState& Get();

    // Callers keep handles in 16 bits, some of them signed: 1..32767 survives either way.
    static constexpr int kMaxHandle = 32767;
    // 1..kMaxHandle, never one that is in use; 0 when all are.
    Handle NewHandle();
    void Release(Handle h);

    PageRecord* Page(Handle h);
    GraphRecord* Graph(Handle h);
    DataSetEntry* Data(Handle h);
    const DataSet* DataOf(Handle h);

    void DeleteGraph(Handle h);
    void DeletePage(Handle h);

    std::map<Handle, std::unique_ptr<PageRecord>> pages;
    std::map<Handle, std::unique_ptr<GraphRecord>> graphs;
    std::map<Handle, DataSetEntry> datasets;
    long long datasetValues = 0; // all data sets together, bounded by kMaxTotalValues
    static constexpr long long kMaxTotalValues = 64'000'000;
    long long nextSerial = 1;

    EngineContext* context = nullptr;
    EngineGlobals globals;
    int lastError = 0;
    FontSpec textAttributes;
    PrintOptions print;
    QPrinter* externalPrinter = nullptr;
    std::unique_ptr<QPrinter> ownPrinter;
    std::function<bool(QPrinter&, void*)> printerSetupHook;
    std::function<std::string(void*)> printFileHook;
    std::function<std::string()> fileNameHook;
    std::optional<std::array<double, 4>> lastBand; // x1, y1, x2, y2 in world units

private:
    std::vector<bool> used_ = std::vector<bool>(kMaxHandle + 1, false);
    int next_ = 1;
};

// The state as the engine functions reach it.
inline EngineState& S() {
    return EngineState::Get();
}

// A position in fractions of a page or graph as a caller gave it: clamped far outside the usual
// 0..1, so later arithmetic stays finite; not a number gives the fallback.
inline double Fraction(double v, double fallback) {
    return std::isfinite(v) ? std::clamp(v, -10.0, 10.0) : fallback;
}

template <class T> T* FindByHandle(std::vector<T>& items, Handle h) {
    for (T& item : items) {
        if (item.handle == h && h != 0) {
            return &item;
        }
    }
    return nullptr;
}

// The record a handle names, given to `use`: 1, or 0 without a call when the handle names none (the
// engine's setters and queries of one record).
template <class Record, class Use> EngineBool WithRecord(Record* record, Use use) {
    if (!record) {
        return 0;
    }
    use(*record);
    return 1;
}

template <class T> struct GraphItem {
    GraphRecord* graph = nullptr;
    T* item = nullptr;
};

// A new record at the end of one of a graph's lists, holding a fresh handle; both null when the
// graph is unknown or every handle is in use.
template <class T> GraphItem<T> AddGraphItem(Handle graph, std::vector<T> GraphRecord::*list) {
    EngineState& state = S();
    GraphRecord* g = state.Graph(graph);
    if (!g) {
        return {};
    }
    const Handle h = state.NewHandle();
    if (h == 0) {
        return {};
    }
    T& item = (g->*list).emplace_back();
    item.handle = h;
    return {g, &item};
}

} // namespace kestran
