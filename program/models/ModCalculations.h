#pragma once
// The propagation models: Okumura-Hata-Davidson, Okumura-Hata in the P.529 form, COST 231 and the
// US model, their corrections, the validity check, the program-wide transmitter power and the
// report column helper. Units are in the names; power is in watts e.r.p. No procedure keeps state
// between calls.

#include "ModelInputs.h"

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

double TimeCorrection(double d__km, double time__percent);
double LocationCorrection(double f__mhz, double location__percent, AreaType area);
double AreaCorrection(AreaType area, double f__mhz);
// The same for an area text: the location correction's key is the text upper-cased and not
// trimmed (" Urban" is no area it knows), the area correction's the text as ParseAreaType reads it.
double LocationCorrection(double f__mhz, double location__percent, std::string_view areaText);
double AreaCorrection(std::string_view areaText, double f__mhz);

extern const double NormalDeviates[50];
extern const TablePoint LocationSigmaUrban[13];
extern const TablePoint LocationSigmaSuburbanOpen[13];

// The model procedures: path loss in dB, field strength in dB µV/m for the program-wide power.
double HataDavidsonLoss(const ModelInputs& in);
double HataDavidsonFieldStrength(const ModelInputs& in);
double P529Loss(const ModelInputs& in);
double P529FieldStrength(const ModelInputs& in);
double Cost231Loss(const ModelInputs& in);
double Cost231FieldStrength(const ModelInputs& in);
double USLoss(const ModelInputs& in);
double USFieldStrength(const ModelInputs& in);

using ModelProcedure = double (*)(const ModelInputs&);
// The procedure of a model and result; the model must be one of the four.
ModelProcedure ProcedureOf(ModelIndex model, ModelResult result);

// True when every bound of the model's validity range holds (ValidityBounds.h); any index outside
// 0 to 3 gives false. The area and city play no part.
bool InputsInRange(ModelIndex model, const ModelInputs& in);

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
