#include "frmLogDistRangeLogic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kEndWhenNone = 299.9;
constexpr double kShortestStart = 0.1;
constexpr double kStepWhenNone = 0.1;
// A run longer than this is no run a user waits for; it only has to stay countable.
constexpr double kMostDistances = 1e12;
// Allowance for the rounding of (end - start) / step, in steps.
constexpr double kStepSlack = 1e-9;

} // namespace

CheckedRange CorrectRange(DistanceRange typed) {
    CheckedRange out{typed};
    DistanceRange& r = out.range;
    if (!std::isfinite(r.end) || r.end <= 0) {
        r.end = kEndWhenNone;
        out.endCorrected = true;
    }
    if (!std::isfinite(r.start)) {
        r.start = kShortestStart;
        out.startCorrected = true;
    }
    if (!std::isfinite(r.step)) {
        r.step = 0;
        out.stepCorrected = true;
    }
    if (r.end < r.start) {
        if (r.step == 0) {
            r.step = -kStepWhenNone;
            out.stepCorrected = true;
        } else if (r.step > 0) {
            r.step = -r.step;
            out.stepCorrected = true;
        }
        return out;
    }
    if (r.start < kShortestStart) {
        r.start = kShortestStart;
        out.startCorrected = true;
    }
    if (r.step == 0) {
        r.step = kStepWhenNone;
        out.stepCorrected = true;
    } else if (r.step < 0) {
        r.step = -r.step;
        out.stepCorrected = true;
    }
    return out;
}

long long DistanceCount(const DistanceRange& r) {
    if (r.step == 0 || !std::isfinite(r.start) || !std::isfinite(r.end) || !std::isfinite(r.step))
        return 0;
    const double steps = (r.end - r.start) / r.step;
    if (steps < -kStepSlack)
        return 0;
    return static_cast<long long>(std::floor(std::min(std::max(steps, 0.0) + kStepSlack, kMostDistances))) +
           1;
}

double DistanceAt(const DistanceRange& r, long long index) {
    const double d = r.start + static_cast<double>(index) * r.step;
    // The last step lands on the end up to rounding: write the end itself.
    if (std::fabs(d - r.end) <= kStepSlack * std::fabs(r.step) * std::max(1.0, static_cast<double>(index)))
        return r.end;
    return d;
}

ProgressScale MakeProgressScale(double start, double end) {
    ProgressScale s;
    s.descending = end <= start;
    s.minimumKm = s.descending ? end : start;
    s.maximumKm = s.descending ? start : end;
    const double largest = std::max(std::fabs(s.minimumKm), std::fabs(s.maximumKm));
    constexpr double kLargestUnits = 1e9; // well inside the bar's int range
    if (largest * s.unitsPerKm > kLargestUnits)
        s.unitsPerKm = kLargestUnits / largest;
    s.minimum = static_cast<int>(std::lround(s.minimumKm * s.unitsPerKm));
    s.maximum = static_cast<int>(std::lround(s.maximumKm * s.unitsPerKm));
    // A bar with equal ends shows a busy animation instead of progress.
    if (s.maximum <= s.minimum)
        s.maximum = s.minimum + 1;
    return s;
}

int ProgressScale::ValueAt(double d) const {
    const double km = descending ? maximumKm - (d - minimumKm) : d;
    const double units =
        std::clamp(km * unitsPerKm, static_cast<double>(minimum), static_cast<double>(maximum));
    if (maximumKm <= minimumKm)
        return maximum;
    return static_cast<int>(std::lround(units));
}

std::vector<ReportPiece> RangeReportLine(const ShownInputs& in, double d, const std::tm& when) {
    ReportLineValues line{in, CalculateLosses(MetricInputs(in, d)), when};
    line.shown.distShown = d;
    return ReportLogLine(line);
}

std::vector<ReportPiece> JoinPieces(const std::vector<ReportPiece>& pieces) {
    std::vector<ReportPiece> joined;
    for (const ReportPiece& p : pieces) {
        if (!joined.empty() && joined.back().underline == p.underline)
            joined.back().text += p.text;
        else
            joined.push_back(p);
    }
    return joined;
}
