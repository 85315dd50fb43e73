#pragma once
// The propagation models: Okumura-Hata-Davidson, Okumura-Hata in the P.529 form, COST 231 and the
// US model, their corrections, validity ranges, the program-wide transmitter power and the report
// column helper. Units: f in MHz, d in km, heights in m (callers convert English units first),
// percentages 1 to 99, power in watts e.r.p. No procedure keeps state between calls.

#include <string>
#include <string_view>

// One (x, y) point of a lookup table; x strictly ascending within a table.
struct TablePoint {
    double x;
    double y;
};

double Log10(double x);
double LinearInterpolate(double x1, double x2, double y1, double y2, double x);
// y at x; the ends clamp, interior values interpolate.
double TableLookup(const TablePoint* table, int count, double x);
template <int N> double TableLookup(const TablePoint (&table)[N], double x) {
    return TableLookup(table, N, x);
}

double TimeCorrection(double d, double pctTime);
double LocationCorrection(double f, double pctLoc, const std::string& area);
double AreaCorrection(const std::string& area, double f);

extern const double NormalDeviates[50];
extern const TablePoint LocationSigmaUrban[13];
extern const TablePoint LocationSigmaSuburbanOpen[13];

double HataDavidsonLoss(double f, double d, double hb, double hm, const std::string& area,
                        const std::string& city, double pctTime, double pctLoc);
double HataDavidsonFieldStrength(double f, double d, double hb, double hm, const std::string& area,
                                 const std::string& city, double pctTime, double pctLoc);
double P529Loss(double f, double d, double hb, double hm, const std::string& area, const std::string& city,
                double pctTime, double pctLoc);
double P529FieldStrength(double f, double d, double hb, double hm, const std::string& area,
                         const std::string& city, double pctTime, double pctLoc);
double Cost231Loss(double f, double d, double hb, double hm, const std::string& area, const std::string& city,
                   double pctTime, double pctLoc);
double Cost231FieldStrength(double f, double d, double hb, double hm, const std::string& area,
                            const std::string& city, double pctTime, double pctLoc);
double USLoss(double f, double d, double hb, double hm, const std::string& area, const std::string& city,
              double pctTime, double pctLoc);
double USFieldStrength(double f, double d, double hb, double hm, const std::string& area,
                       const std::string& city, double pctTime, double pctLoc);

// Model numbering of the validity check and of the model loops.
enum ModelIndex : int { ModelP529 = 0, ModelHataDavidson = 1, ModelCost231 = 2, ModelUS = 3 };

// Inclusive input bounds of one model; a bound of the US model is on the product hb * hm.
struct ModelValidityRange {
    double fMin, fMax;
    double hbMin, hbMax;
    double hmMin, hmMax;
    double dMax;
    double hbHmMax; // 0 when the model has no bound on the product
};
extern const ModelValidityRange ModelValidityRanges[4];

// True when every bound of the model's row holds; any index outside 0 to 3 gives false.
// The area text is accepted and not used.
bool InputsInRange(int model, double f, double hb, double hm, double d, const std::string& area = {});

// The program-wide transmitter power and the unit of its text:
// 0 "W e.r.p.", 1 "kW e.r.p.", 2 "dBm", 3 "dBw".
extern double PowerWatts;
extern int PowerUnit;
double GetPowerWatts();
// Watts for a power text in the current PowerUnit (its leading number; 0 when none).
double PowerTextToWatts(std::string_view text);
// Watts for a power value in a unit; 0 for an unknown unit.
double PowerToWatts(double value, int unit);

// The number in a zero-padded text, written plainly and right-aligned with blanks to the text's
// width (a minus sign does not count). Digits are never cut: a wider number widens the field.
std::string FitNumberText(std::string_view text);
