#include "engine/EngineState.h"

#include <algorithm>

namespace kestran {

EngineState& EngineState::Get() {
    static EngineState state;
    return state;
}

Handle EngineState::NewHandle() {
    for (int tries = 0; tries < kMaxHandle; ++tries) {
        const int h = next_;
        next_ = next_ >= kMaxHandle ? 1 : next_ + 1;
        if (!used_[size_t(h)]) {
            used_[size_t(h)] = true;
            return h;
        }
    }
    return 0;
}

void EngineState::Release(Handle h) {
    if (h > 0 && h <= kMaxHandle) {
        used_[size_t(h)] = false;
    }
}

PageRecord* EngineState::Page(Handle h) {
    auto it = pages.find(h);
    return it == pages.end() ? nullptr : it->second.get();
}

GraphRecord* EngineState::Graph(Handle h) {
    auto it = graphs.find(h);
    return it == graphs.end() ? nullptr : it->second.get();
}

DataSetEntry* EngineState::Data(Handle h) {
    auto it = datasets.find(h);
    return it == datasets.end() ? nullptr : &it->second;
}

const DataSet* EngineState::DataOf(Handle h) {
    DataSetEntry* e = Data(h);
    return e ? e->data.get() : nullptr;
}

void EngineState::DeleteGraph(Handle h) {
    auto it = graphs.find(h);
    if (it == graphs.end()) {
        return;
    }
    GraphRecord& g = *it->second;
    auto releaseAll = [this](auto& items) {
        for (auto& item : items) {
            Release(item.handle);
        }
    };
    releaseAll(g.axes);
    releaseAll(g.plots);
    releaseAll(g.titles);
    releaseAll(g.legends);
    releaseAll(g.cursors);
    if (PageRecord* p = Page(g.page)) {
        p->graphs.erase(std::remove(p->graphs.begin(), p->graphs.end(), h), p->graphs.end());
        if (p->currentGraph == h) {
            p->currentGraph = p->graphs.empty() ? 0 : p->graphs.back();
        }
    }
    graphs.erase(it);
    Release(h);
}

void EngineState::DeletePage(Handle h) {
    PageRecord* p = Page(h);
    if (!p) {
        return;
    }
    const std::vector<Handle> graphsOfPage = p->graphs;
    for (Handle g : graphsOfPage) {
        DeleteGraph(g);
    }
    pages.erase(h);
    Release(h);
}

} // namespace kestran
