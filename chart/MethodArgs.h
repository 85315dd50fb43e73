#pragma once
// The arguments of one automation method, coerced to the types its table entry declares. Point
// arrays and output targets keep the caller's storage.

#include <Dispatch.h>

#include <cstddef>
#include <cstdint>
#include <QString>
#include <utility>
#include <vector>

namespace zent {

enum class Arg {
    Long,
    Double,
    Bool,
    String,
    Doubles,   // points: a by-reference double (the first of the caller's array) or an array of doubles
    OutDouble, // by-reference double the method writes
    OutLong,   // by-reference long (or 16-bit integer) the method writes
};

class MethodArgs {
public:
    const automation::Variant& At(int i) const { return values_[static_cast<std::size_t>(i)]; }
    int L(int i) const { return At(i).vt() == automation::VT_BOOL ? B(i) : At(i).AsI4(); }
    double D(int i) const { return At(i).AsR8(); }
    int B(int i) const { return At(i).AsBool() ? 1 : 0; }
    QString S(int i) const { return QString::fromStdString(At(i).AsStr()); }
    // The caller's points and how many doubles they are known to hold (unbounded for a bare
    // reference, whose length is the caller's promise).
    const double* Points(int i) const { return points_[static_cast<std::size_t>(i)].first; }
    std::size_t Available(int i) const { return points_[static_cast<std::size_t>(i)].second; }
    double* Writable(int i) const { return original_[static_cast<std::size_t>(i)]->R8Target(); }
    bool Store(int i, double value) const;
    bool Store(int i, std::int32_t value) const;

    automation::HRESULT Read(const std::vector<Arg>& kinds, const std::vector<automation::Variant>& args);

private:
    std::vector<automation::Variant> values_;
    std::vector<std::pair<const double*, std::size_t>> points_;
    std::vector<const automation::Variant*> original_;
};

} // namespace zent
