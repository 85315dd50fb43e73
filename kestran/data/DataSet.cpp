#include "data/DataSet.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace kestran {

std::unique_ptr<DataSet> DataSet::Create(const double* x, const double* y, int count, int groups) {
    if (!x || !y || count <= 0 || count > kMaxPoints || groups <= 0 || groups > kMaxGroups ||
        static_cast<long long>(count) * groups > kMaxValues) {
        return nullptr;
    }
    auto d = std::make_unique<DataSet>();
    d->groups_ = groups;
    d->x_.assign(x, x + count);
    d->y_.assign(y, y + static_cast<size_t>(count) * static_cast<size_t>(groups));
    d->xOrder_ = OrderOf(d->x_);
    return d;
}

DataSet::Order DataSet::OrderOf(const std::vector<double>& v) {
    bool up = true, down = true;
    for (size_t i = 0; i < v.size() && (up || down); ++i) {
        if (!std::isfinite(v[i])) {
            return Order::None;
        }
        if (i > 0) {
            up = up && v[i - 1] <= v[i];
            down = down && v[i - 1] >= v[i];
        }
    }
    return up ? Order::Ascending : down ? Order::Descending : Order::None;
}

namespace {

bool Range(const std::vector<double>& v, double& min, double& max) {
    bool any = false;
    double lo = 0.0, hi = 0.0;
    for (double d : v) {
        if (!std::isfinite(d)) {
            continue;
        }
        if (!any) {
            lo = hi = d;
            any = true;
        } else {
            lo = std::min(lo, d);
            hi = std::max(hi, d);
        }
    }
    if (any) {
        min = lo;
        max = hi;
    }
    return any;
}

std::vector<int> SortedOrder(int n, bool ascending, const std::function<double(int)>& key) {
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double ka = key(a), kb = key(b);
        const bool fa = std::isfinite(ka), fb = std::isfinite(kb);
        if (fa != fb) {
            return fa;
        }
        if (!fa) {
            return false;
        }
        return ascending ? ka < kb : ka > kb;
    });
    return order;
}

} // namespace

bool DataSet::XRange(double& min, double& max) const {
    return Range(x_, min, max);
}

bool DataSet::YRange(double& min, double& max) const {
    return Range(y_, min, max);
}

bool DataSet::StackedYRange(int groups, double& min, double& max) const {
    const size_t g = size_t(std::clamp(groups, 1, groups_));
    std::vector<double> totals;
    totals.reserve(x_.size() * g + 1);
    for (size_t i = 0; i < x_.size(); ++i) {
        double total = 0.0;
        for (size_t k = 0; k < g; ++k) {
            const double v = y_[i * size_t(groups_) + k];
            if (std::isfinite(v)) { // a value that cannot be drawn adds nothing to its stack
                total += v;
                totals.push_back(total);
            }
        }
    }
    if (totals.empty()) {
        return false;
    }
    totals.push_back(0.0); // where every stack starts
    return Range(totals, min, max);
}

void DataSet::Reorder(const std::vector<int>& order) {
    std::vector<double> x(x_.size()), y(y_.size());
    const size_t g = size_t(groups_);
    for (size_t i = 0; i < order.size(); ++i) {
        const size_t from = size_t(order[i]);
        x[i] = x_[from];
        std::copy_n(y_.begin() + ptrdiff_t(from * g), g, y.begin() + ptrdiff_t(i * g));
    }
    x_.swap(x);
    y_.swap(y);
    xOrder_ = OrderOf(x_);
    std::vector<int> marked;
    for (size_t i = 0; i < order.size(); ++i) {
        if (Marked(order[i])) { // marks travel with their points
            marked.push_back(int(i));
        }
    }
    marked_.swap(marked);
}

void DataSet::SortX(bool ascending) {
    Reorder(SortedOrder(Count(), ascending, [this](int i) { return X(i); }));
}

void DataSet::SortY(bool ascending) {
    Reorder(SortedOrder(Count(), ascending, [this](int i) { return Y(i, 0); }));
}

bool DataSet::Mark(int index, bool state) {
    if (index < 0 || index >= Count()) {
        return false;
    }
    auto it = std::lower_bound(marked_.begin(), marked_.end(), index);
    const bool present = it != marked_.end() && *it == index;
    if (state && !present) {
        marked_.insert(it, index);
    } else if (!state && present) {
        marked_.erase(it);
    }
    return true;
}

bool DataSet::Marked(int index) const {
    return std::binary_search(marked_.begin(), marked_.end(), index);
}

} // namespace kestran
