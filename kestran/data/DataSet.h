#pragma once
// The engine's own copy of a data set: n X values and n x groups Y values (point-major).
// Callers' buffers are copied at creation, so nothing the caller frees or reorders later can
// reach a drawing.

#include <memory>
#include <vector>

namespace kestran {

class DataSet {
public:
    static constexpr int kMaxPoints = 10'000'000;
    static constexpr int kMaxGroups = 1024;
    // As many Y values as all data sets together may hold: any set a chart may keep draws.
    static constexpr long long kMaxValues = 64'000'000;

    // Null on a missing buffer or a count outside the limits.
    static std::unique_ptr<DataSet> Create(const double* x, const double* y, int count, int groups);

    int Count() const { return int(x_.size()); }
    int Groups() const { return groups_; }
    double X(int i) const { return x_[size_t(i)]; }
    double Y(int i, int g = 0) const { return y_[size_t(i) * size_t(groups_) + size_t(g)]; }
    const std::vector<double>& Xs() const { return x_; }
    const std::vector<double>& Ys() const { return y_; }

    // How the X values run, so drawing can find the visible ones by bisection: Ascending or
    // Descending only when every X value is finite.
    enum class Order { None, Ascending, Descending };
    Order XOrder() const { return xOrder_; }

    // Finite values only; false (outputs untouched) when there is none.
    bool XRange(double& min, double& max) const;
    bool YRange(double& min, double& max) const;
    // The running totals of the first `groups` groups of each point, as stacked plots draw them,
    // and 0, where the stacks start.
    bool StackedYRange(int groups, double& min, double& max) const;

    // Points move with their Y groups; Y sorts by group 0. Stable, non-finite values last.
    void SortX(bool ascending);
    void SortY(bool ascending);

    bool Mark(int index, bool state);
    bool Marked(int index) const;
    const std::vector<int>& MarkedPoints() const { return marked_; }

private:
    static Order OrderOf(const std::vector<double>& v);
    void Reorder(const std::vector<int>& order);
    std::vector<double> x_, y_;
    int groups_ = 1;
    Order xOrder_ = Order::None;
    std::vector<int> marked_; // sorted point indices
};

} // namespace kestran
