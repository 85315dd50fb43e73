#include "ModCalculations.h"

#include "NumberText.h"
#include "ValidityBounds.h"

#include <algorithm>
#include <cassert>
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

double PowerWatts = 1000.0;
int PowerUnit = 1;

namespace {

double SmallCityCorrection(double f__mhz, double h_m__meter) {
    const double lf = Log10(f__mhz);
    return (1.1 * lf - 0.7) * h_m__meter - (1.56 * lf - 0.8);
}

double LargeCityCorrection(double f__mhz, double h_m__meter) {
    if (f__mhz <= 300) {
        const double l = Log10(1.54 * h_m__meter);
        return 8.29 * l * l - 1.1;
    }
    const double l = Log10(11.75 * h_m__meter);
    return 3.2 * l * l - 4.97;
}

bool UrbanLarge(const ModelInputs& in) {
    return in.area == AreaType::Urban && in.city == CitySize::Large;
}

// Mobile antenna correction of the Davidson and P.529 models.
double MobileCorrection(const ModelInputs& in) {
    return UrbanLarge(in) ? LargeCityCorrection(in.f__mhz, in.h_m__meter)
                          : SmallCityCorrection(in.f__mhz, in.h_m__meter);
}

// COST 231: the small/medium correction, 3 dB lower for a large city in an urban area.
double Cost231MobileCorrection(const ModelInputs& in) {
    double a = SmallCityCorrection(in.f__mhz, in.h_m__meter);
    if (UrbanLarge(in))
        a -= 3.0;
    return a;
}

// The three corrections every model applies: time (T), location (Lc) and area (K).
double TimeOf(const ModelInputs& in) {
    return TimeCorrection(in.d__km, in.time__percent);
}
double LocationOf(const ModelInputs& in) {
    return LocationCorrection(in.f__mhz, in.location__percent, in.area);
}
double AreaOf(const ModelInputs& in) {
    return AreaCorrection(in.area, in.f__mhz);
}

double HeightGain(double h_b__meter) {
    return 44.9 - 6.55 * Log10(h_b__meter);
}

double DistanceExponent(const ModelInputs& in) {
    if (in.d__km <= 20)
        return 1.0;
    const double hb = in.h_b__meter;
    const double hbEff = hb / std::sqrt(1 + 7e-6 * hb * hb);
    return 1 + (0.14 + 1.87e-4 * in.f__mhz + 1.07e-3 * hbEff) * std::pow(Log10(in.d__km / 20), 0.8);
}

// B * (Log d)^b, the distance term of P.529 and COST 231 (b differs from 1 only beyond 20 km,
// where Log d is positive).
double DistanceTerm(const ModelInputs& in) {
    return HeightGain(in.h_b__meter) * std::pow(Log10(in.d__km), DistanceExponent(in));
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

double LocationCorrection(double f__mhz, double p, AreaType area) {
    // Clamped before rounding, so no input overflows; halves go to the even neighbour.
    const double k = std::isnan(p) ? 49.0 : std::nearbyint(std::clamp(p - 1, -1.0, 99.0));
    const int index = static_cast<int>(std::clamp(k, 0.0, 98.0));
    const double z = index <= 49 ? NormalDeviates[index] : -NormalDeviates[98 - index];
    switch (area) {
    case AreaType::Urban:
        return TableLookup(LocationSigmaUrban, f__mhz) * z;
    case AreaType::Suburban:
    case AreaType::Open:
        return TableLookup(LocationSigmaSuburbanOpen, f__mhz) * z;
    case AreaType::Other:
        break;
    }
    return 0.0;
}

double LocationCorrection(double f__mhz, double p, std::string_view areaText) {
    const bool padded = !areaText.empty() && (areaText.front() == ' ' || areaText.back() == ' ');
    return LocationCorrection(f__mhz, p, padded ? AreaType::Other : ParseAreaType(areaText));
}

double AreaCorrection(AreaType area, double f__mhz) {
    switch (area) {
    case AreaType::Suburban: {
        const double l = Log10(f__mhz / 28);
        return 2 * l * l + 5.4;
    }
    case AreaType::Open: {
        const double l = Log10(f__mhz);
        return 4.78 * l * l - 18.33 * l + 40.98;
    }
    case AreaType::Urban:
    case AreaType::Other:
        break;
    }
    return 0.0;
}

double AreaCorrection(std::string_view areaText, double f__mhz) {
    return AreaCorrection(ParseAreaType(areaText), f__mhz);
}

double HataDavidsonLoss(const ModelInputs& in) {
    const double f = in.f__mhz;
    const double d = in.d__km;
    const double hb = in.h_b__meter;
    const double lb = 69.55 + 26.16 * Log10(f) - 13.82 * Log10(hb) + HeightGain(hb) * Log10(d);
    double a = 0;
    if (d > 64.38)
        a -= 0.174 * (d - 64.38);
    if (d > 20)
        a += 0.62137 * (d - 20) * (0.5 + 0.15 * Log10(hb / 121.92));
    const double s2 = hb > 300 ? -0.00784 * std::fabs(Log10(9.98 / d)) * (hb - 300) : 0.0;
    const double s4 = d > 40.238 ? -0.112 * Log10(1500 / f) * (d - 40.238) : 0.0;
    return lb + a - MobileCorrection(in) - AreaOf(in) + s2 + TimeOf(in) - LocationOf(in) + s4;
}

double HataDavidsonFieldStrength(const ModelInputs& in) {
    return 109.36 + 10 * Log10(GetPowerWatts()) + 20 * Log10(in.f__mhz) - HataDavidsonLoss(in);
}

double P529Loss(const ModelInputs& in) {
    return 69.55 + 26.16 * Log10(in.f__mhz) - 13.82 * Log10(in.h_b__meter) - MobileCorrection(in) -
           AreaOf(in) + DistanceTerm(in) + TimeOf(in) - LocationOf(in);
}

double P529FieldStrength(const ModelInputs& in) {
    return 39.82 + 10 * Log10(GetPowerWatts()) - 6.16 * Log10(in.f__mhz) + 13.82 * Log10(in.h_b__meter) +
           MobileCorrection(in) + AreaOf(in) - DistanceTerm(in) - TimeOf(in) + LocationOf(in);
}

double Cost231Loss(const ModelInputs& in) {
    return 46.3 + 33.9 * Log10(in.f__mhz) - 13.82 * Log10(in.h_b__meter) + DistanceTerm(in) - AreaOf(in) -
           Cost231MobileCorrection(in) + TimeOf(in) - LocationOf(in);
}

double Cost231FieldStrength(const ModelInputs& in) {
    return 63.06 + 10 * Log10(GetPowerWatts()) - 13.9 * Log10(in.f__mhz) + 13.82 * Log10(in.h_b__meter) -
           DistanceTerm(in) + AreaOf(in) + Cost231MobileCorrection(in) - TimeOf(in) + LocationOf(in);
}

// The mobile antenna correction plays no part in the US model.
double USLoss(const ModelInputs& in) {
    return 69.36 + 30 * Log10(in.f__mhz) + 40 * Log10(in.d__km) - 20 * Log10(in.h_b__meter * in.h_m__meter) +
           TimeOf(in) - AreaOf(in) - LocationOf(in);
}

double USFieldStrength(const ModelInputs& in) {
    return 40 + 10 * Log10(GetPowerWatts()) - 40 * Log10(in.d__km) - 10 * Log10(in.f__mhz) +
           20 * Log10(in.h_b__meter * in.h_m__meter) - TimeOf(in) + AreaOf(in) + LocationOf(in);
}

ModelProcedure ProcedureOf(ModelIndex model, ModelResult result) {
    static constexpr ModelProcedure kProcedures[kModelCount][2] = {
        {P529Loss, P529FieldStrength},
        {HataDavidsonLoss, HataDavidsonFieldStrength},
        {Cost231Loss, Cost231FieldStrength},
        {USLoss, USFieldStrength},
    };
    return kProcedures[model][result == ModelResult::FieldStrength ? 1 : 0];
}

bool InputsInRange(ModelIndex model, const ModelInputs& in) {
    if (model < 0 || model >= kModelCount)
        return false;
    const ModelValidityRange& r = ModelValidityRanges[model];
    if (r.f__mhz.Outside(in.f__mhz) || r.h_m__meter.Outside(in.h_m__meter) || r.d__km.Outside(in.d__km))
        return false;
    if (r.hbTimesHm__max > 0)
        return in.h_b__meter * in.h_m__meter <= r.hbTimesHm__max;
    return r.h_b__meter.Contains(in.h_b__meter);
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
