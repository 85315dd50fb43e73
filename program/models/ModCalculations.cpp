#include "ModCalculations.h"

#include "NumberText.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cmath>

const double NormalDeviates[50] = {2.321, 2.062, 1.889, 1.756, 1.647, 1.555, 1.474, 1.401, 1.336, 1.276, //
                                   1.22,  1.168, 1.119, 1.073, 1.029, 0.987, 0.947, 0.908, 0.871, 0.835, //
                                   0.8,   0.766, 0.733, 0.701, 0.67,  0.639, 0.609, 0.579, 0.55,  0.522, //
                                   0.493, 0.466, 0.438, 0.411, 0.384, 0.358, 0.331, 0.305, 0.279, 0.253, //
                                   0.228, 0.202, 0.177, 0.151, 0.126, 0.101, 0.076, 0.05,  0.025, 0};

const TablePoint LocationSigmaUrban[13] = {{100, 5.3},  {200, 5.4},  {300, 5.7},  {400, 5.9}, {500, 6},
                                           {600, 6.2},  {700, 6.3},  {800, 6.45}, {900, 6.6}, {1000, 6.7},
                                           {1500, 7.1}, {2000, 7.5}, {3000, 8}};

const TablePoint LocationSigmaSuburbanOpen[13] = {
    {100, 6.8}, {200, 7},   {300, 7.2},  {400, 7.5}, {500, 7.7},  {600, 7.9}, {700, 8},
    {800, 8.2}, {900, 8.3}, {1000, 8.4}, {1500, 9},  {2000, 9.4}, {3000, 10}};

const ModelValidityRange ModelValidityRanges[4] = {
    {150, 1500, 30, 200, 1, 10, 100, 0},  // P.529
    {30, 1500, 20, 2500, 1, 10, 300, 0},  // Hata-Davidson
    {1500, 2000, 30, 200, 1, 10, 100, 0}, // COST 231
    {30, 1000, 0, 0, 1, 10, 600, 300},    // US model: only hb * hm is bounded
};

double PowerWatts = 1000.0;
int PowerUnit = 1;

namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isUrban(const std::string& area) {
    return upper(trimmed(area)) == "URBAN";
}

double SmallCityCorrection(double f, double hm) {
    const double lf = Log10(f);
    return (1.1 * lf - 0.7) * hm - (1.56 * lf - 0.8);
}

double LargeCityCorrection(double f, double hm) {
    if (f <= 300) {
        const double l = Log10(1.54 * hm);
        return 8.29 * l * l - 1.1;
    }
    const double l = Log10(11.75 * hm);
    return 3.2 * l * l - 4.97;
}

// Mobile antenna correction of the Davidson and P.529 models. An urban area with a city text that
// is neither list entry takes the small/medium correction rather than an earlier call's value.
double MobileCorrection(double f, double hm, const std::string& area, const std::string& city) {
    if (isUrban(area) && trimmed(city) == "Large")
        return LargeCityCorrection(f, hm);
    return SmallCityCorrection(f, hm);
}

// COST 231: the small/medium correction, 3 dB lower for a large city in an urban area.
double Cost231MobileCorrection(double f, double hm, const std::string& area, const std::string& city) {
    double a = SmallCityCorrection(f, hm);
    if (isUrban(area) && trimmed(city) == "Large")
        a -= 3.0;
    return a;
}

double HeightGain(double hb) {
    return 44.9 - 6.55 * Log10(hb);
}

double DistanceExponent(double f, double d, double hb) {
    if (d <= 20)
        return 1.0;
    const double hbEff = hb / std::sqrt(1 + 7e-6 * hb * hb);
    return 1 + (0.14 + 1.87e-4 * f + 1.07e-3 * hbEff) * std::pow(Log10(d / 20), 0.8);
}

// B * (Log d)^b, the distance term of P.529 and COST 231 (b differs from 1 only beyond 20 km,
// where Log d is positive).
double DistanceTerm(double f, double d, double hb) {
    return HeightGain(hb) * std::pow(Log10(d), DistanceExponent(f, d, hb));
}

} // namespace

double Log10(double x) {
    assert(x > 0 && "callers pass positive values");
    return std::log(x) / std::log(10.0);
}

double LinearInterpolate(double x1, double x2, double y1, double y2, double x) {
    const double t = (x - x1) / (x2 - x1);
    return (1 - t) * y1 + t * y2;
}

double TableLookup(const TablePoint* table, int count, double x) {
    int i = 0;
    while (i < count && table[i].x < x)
        ++i;
    if (i < count && table[i].x == x)
        return table[i].y;
    if (i == 0)
        return table[0].y;
    if (i < count)
        return LinearInterpolate(table[i - 1].x, table[i].x, table[i - 1].y, table[i].y, x);
    return table[count - 1].y;
}

double TimeCorrection(double d, double p) {
    p = std::clamp(p, 1.0, 99.0);
    const double g0 = 1 - std::exp(-0.01 * d);
    const double g = g0 * g0;
    if (p <= 50)
        return 10 * Log10(0.02 * p) * g;
    return -10 * Log10(0.02 * (100 - p)) * g;
}

double LocationCorrection(double f, double p, const std::string& area) {
    // Clamped before rounding, so no input overflows; halves go to the even neighbour.
    const double k = std::isnan(p) ? 49.0 : std::nearbyint(std::clamp(p - 1, -1.0, 99.0));
    const int index = static_cast<int>(std::clamp(k, 0.0, 98.0));
    const double z = index <= 49 ? NormalDeviates[index] : -NormalDeviates[98 - index];
    const std::string key = upper(area); // deliberately untrimmed
    if (key == "URBAN")
        return TableLookup(LocationSigmaUrban, f) * z;
    if (key == "SUBURBAN" || key == "OPEN")
        return TableLookup(LocationSigmaSuburbanOpen, f) * z;
    return 0.0;
}

double AreaCorrection(const std::string& area, double f) {
    const std::string key = upper(trimmed(area));
    if (key == "SUBURBAN") {
        const double l = Log10(f / 28);
        return 2 * l * l + 5.4;
    }
    if (key == "OPEN") {
        const double l = Log10(f);
        return 4.78 * l * l - 18.33 * l + 40.98;
    }
    return 0.0;
}

double HataDavidsonLoss(double f, double d, double hb, double hm, const std::string& area,
                        const std::string& city, double pctTime, double pctLoc) {
    const double lb = 69.55 + 26.16 * Log10(f) - 13.82 * Log10(hb) + HeightGain(hb) * Log10(d);
    double a = 0;
    if (d > 64.38)
        a -= 0.174 * (d - 64.38);
    if (d > 20)
        a += 0.62137 * (d - 20) * (0.5 + 0.15 * Log10(hb / 121.92));
    const double s2 = hb > 300 ? -0.00784 * std::fabs(Log10(9.98 / d)) * (hb - 300) : 0.0;
    const double s4 = d > 40.238 ? -0.112 * Log10(1500 / f) * (d - 40.238) : 0.0;
    return lb + a - MobileCorrection(f, hm, area, city) - AreaCorrection(area, f) + s2 +
           TimeCorrection(d, pctTime) - LocationCorrection(f, pctLoc, area) + s4;
}

double HataDavidsonFieldStrength(double f, double d, double hb, double hm, const std::string& area,
                                 const std::string& city, double pctTime, double pctLoc) {
    return 109.36 + 10 * Log10(GetPowerWatts()) + 20 * Log10(f) -
           HataDavidsonLoss(f, d, hb, hm, area, city, pctTime, pctLoc);
}

double P529Loss(double f, double d, double hb, double hm, const std::string& area, const std::string& city,
                double pctTime, double pctLoc) {
    return 69.55 + 26.16 * Log10(f) - 13.82 * Log10(hb) - MobileCorrection(f, hm, area, city) -
           AreaCorrection(area, f) + DistanceTerm(f, d, hb) + TimeCorrection(d, pctTime) -
           LocationCorrection(f, pctLoc, area);
}

double P529FieldStrength(double f, double d, double hb, double hm, const std::string& area,
                         const std::string& city, double pctTime, double pctLoc) {
    return 39.82 + 10 * Log10(GetPowerWatts()) - 6.16 * Log10(f) + 13.82 * Log10(hb) +
           MobileCorrection(f, hm, area, city) + AreaCorrection(area, f) - DistanceTerm(f, d, hb) -
           TimeCorrection(d, pctTime) + LocationCorrection(f, pctLoc, area);
}

double Cost231Loss(double f, double d, double hb, double hm, const std::string& area, const std::string& city,
                   double pctTime, double pctLoc) {
    return 46.3 + 33.9 * Log10(f) - 13.82 * Log10(hb) + DistanceTerm(f, d, hb) - AreaCorrection(area, f) -
           Cost231MobileCorrection(f, hm, area, city) + TimeCorrection(d, pctTime) -
           LocationCorrection(f, pctLoc, area);
}

double Cost231FieldStrength(double f, double d, double hb, double hm, const std::string& area,
                            const std::string& city, double pctTime, double pctLoc) {
    return 63.06 + 10 * Log10(GetPowerWatts()) - 13.9 * Log10(f) + 13.82 * Log10(hb) -
           DistanceTerm(f, d, hb) + AreaCorrection(area, f) + Cost231MobileCorrection(f, hm, area, city) -
           TimeCorrection(d, pctTime) + LocationCorrection(f, pctLoc, area);
}

double USLoss(double f, double d, double hb, double hm, const std::string& area, const std::string&,
              double pctTime, double pctLoc) {
    return 69.36 + 30 * Log10(f) + 40 * Log10(d) - 20 * Log10(hb * hm) + TimeCorrection(d, pctTime) -
           AreaCorrection(area, f) - LocationCorrection(f, pctLoc, area);
}

double USFieldStrength(double f, double d, double hb, double hm, const std::string& area, const std::string&,
                       double pctTime, double pctLoc) {
    return 40 + 10 * Log10(GetPowerWatts()) - 40 * Log10(d) - 10 * Log10(f) + 20 * Log10(hb * hm) -
           TimeCorrection(d, pctTime) + AreaCorrection(area, f) + LocationCorrection(f, pctLoc, area);
}

bool InputsInRange(int model, double f, double hb, double hm, double d, const std::string&) {
    if (model < 0 || model > 3)
        return false;
    const ModelValidityRange& r = ModelValidityRanges[model];
    if (f < r.fMin || f > r.fMax || hm < r.hmMin || hm > r.hmMax || d > r.dMax)
        return false;
    if (r.hbHmMax > 0)
        return hb * hm <= r.hbHmMax;
    return hb >= r.hbMin && hb <= r.hbMax;
}

double GetPowerWatts() {
    return PowerWatts;
}

double PowerTextToWatts(std::string_view text) {
    return PowerToWatts(numtext::Val(text), PowerUnit);
}

double PowerToWatts(double v, int unit) {
    switch (unit) {
    case 0:
        return v;
    case 1:
        return v * 1000;
    case 2:
        return std::pow(10.0, v / 10) * 0.001;
    case 3:
        return std::pow(10.0, v / 10);
    default:
        return 0.0;
    }
}

std::string FitNumberText(std::string_view text) {
    if (text.empty())
        return {};
    const double value = numtext::Val(text);
    std::size_t width = text.size();
    if (value < 0 && width > 0)
        --width;
    const std::string plain = numtext::ShortestText(value);
    if (plain.size() >= width)
        return plain;
    return std::string(width - plain.size(), ' ') + plain;
}
