// Data sets and the queries on them.

#include "data/BarRange.h"
#include "engine/EngineState.h"
#include "render/Render.h"

#include <cmath>
#include <limits>
#include <new>

using namespace kestran;

namespace {

EngineHandle Create(const double* x, const double* y, int count, int groups) {
    EngineState& s = S();
    if (count <= 0 || groups <= 0) {
        return 0;
    }
    // Refused for what all data sets together would hold, or for the memory it needs: the
    // caller's draw is then incomplete, and the error tells it so.
    if (s.datasetValues + static_cast<long long>(count) * (groups + 1) > EngineState::kMaxTotalValues) {
        EngineReportError(codes::ErrorDataSetRefused, 0, 0);
        return 0;
    }
    std::unique_ptr<DataSet> d;
    try {
        d = DataSet::Create(x, y, count, groups);
    } catch (const std::bad_alloc&) {
        EngineReportError(codes::ErrorOutOfMemory, 0, 0);
        return 0;
    }
    const Handle h = d ? s.NewHandle() : 0;
    if (h == 0) {
        // A set the engine cannot hold is told like one beyond the total: the caller's draw lacks it.
        EngineReportError(codes::ErrorDataSetRefused, 0, 0);
        return 0;
    }
    s.datasetValues += static_cast<long long>(count) * (groups + 1);
    s.datasets[h] = DataSetEntry{std::move(d), s.nextSerial++};
    return h;
}

// A range of a data set into the caller's two values, which stay untouched when there is none.
template <class Range> EngineBool ReportRange(EngineHandle dataset, double* min, double* max, Range range) {
    const DataSet* d = S().DataOf(dataset);
    double lo, hi;
    if (!d || !min || !max || !range(*d, lo, hi)) {
        return 0;
    }
    *min = lo;
    *max = hi;
    return 1;
}

} // namespace

EngineHandle EngineCreateDataset(const char*, const double* x, const double* y, int count) {
    return Create(x, y, count, 1);
}

EngineHandle EngineCreateGroupDataset(const char*, const double* x, const double* y, int count, int groups) {
    return Create(x, y, count, groups);
}

EngineBool EngineDeleteDataset(EngineHandle dataset, int) {
    EngineState& s = S();
    DataSetEntry* e = s.Data(dataset);
    if (!e) {
        return 0;
    }
    s.datasetValues -= static_cast<long long>(e->data->Count()) * (e->data->Groups() + 1);
    s.datasets.erase(dataset);
    s.Release(dataset);
    return 1;
}

EngineBool EngineGetDatasetXRange(EngineHandle dataset, double* min, double* max) {
    return ReportRange(dataset, min, max,
                       [](const DataSet& d, double& lo, double& hi) { return d.XRange(lo, hi); });
}

EngineBool EngineGetDatasetYRange(EngineHandle dataset, double* min, double* max) {
    return ReportRange(dataset, min, max,
                       [](const DataSet& d, double& lo, double& hi) { return d.YRange(lo, hi); });
}

EngineBool EngineGetDatasetStackedYRange(EngineHandle dataset, int groups, double* min, double* max) {
    return ReportRange(dataset, min, max, [groups](const DataSet& d, double& lo, double& hi) {
        return d.StackedYRange(groups, lo, hi);
    });
}

EngineBool EngineGetDatasetBarRange(EngineHandle dataset, int alongX, int scaleMode, int kind, double width,
                                    int justify, int barType, int groups, double* min, double* max) {
    const BarShape shape{kind, barType, justify, width, groups};
    return ReportRange(dataset, min, max, [&](const DataSet& d, double& lo, double& hi) {
        return BarRange(d, shape, alongX != 0, scaleMode != 0, lo, hi);
    });
}

EngineBool EngineSortDatasetX(EngineHandle dataset, int ascending) {
    return WithRecord(S().Data(dataset), [&](DataSetEntry& e) { e.data->SortX(ascending != 0); });
}

EngineBool EngineSortDatasetY(EngineHandle dataset, int ascending) {
    return WithRecord(S().Data(dataset), [&](DataSetEntry& e) { e.data->SortY(ascending != 0); });
}

EngineBool EngineMarkDataPoint(EngineHandle dataset, int index, int state) {
    DataSetEntry* e = S().Data(dataset);
    return e && e->data->Mark(index, state != 0) ? 1 : 0;
}

EngineBool EngineFindNearestPoint(EngineHandle graph, double x, double y, int mode, double* foundX,
                                  double* foundY, EngineHandle* dataset, int* index) {
    EngineState& s = S();
    GraphRecord* g = s.Graph(graph);
    PageRecord* p = g ? s.Page(g->page) : nullptr;
    if (!p || !std::isfinite(x) || !std::isfinite(y)) {
        return 0;
    }
    const GraphFrame f = FrameOf(*g, *p);
    double best = std::numeric_limits<double>::infinity();
    Handle bestSet = 0;
    int bestIndex = -1;
    for (const PlotRecord& plot : g->plots) {
        const DataSet* d = s.DataOf(plot.dataset);
        if (!d) {
            continue;
        }
        const ScalePair sc = Attach(plot.scale, f.plot);
        const double tx = sc.x.ToDevice(x), ty = sc.y.ToDevice(y);
        for (int i = 0; i < d->Count(); ++i) {
            const double dx = sc.x.ToDevice(d->X(i)) - tx;
            const double dy = sc.y.ToDevice(d->Y(i, 0)) - ty;
            const double dist = mode == codes::NearestX   ? std::abs(dx)
                                : mode == codes::NearestY ? std::abs(dy)
                                                          : std::hypot(dx, dy);
            if (std::isfinite(dist) && dist < best) {
                best = dist;
                bestSet = plot.dataset;
                bestIndex = i;
            }
        }
    }
    if (bestIndex < 0) {
        return 0;
    }
    const DataSet* d = s.DataOf(bestSet);
    if (foundX) {
        *foundX = d->X(bestIndex);
    }
    if (foundY) {
        *foundY = d->Y(bestIndex, 0);
    }
    if (dataset) {
        *dataset = bestSet;
    }
    if (index) {
        *index = bestIndex;
    }
    return 1;
}
