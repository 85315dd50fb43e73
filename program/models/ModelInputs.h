#pragma once
// The vocabulary the models speak: the parameter set every model procedure takes, each number with
// its unit in its name (f__mhz is megahertz, h_b__meter the base antenna height in metres), the
// area type and city size parsed from their list texts where those enter, and the models' own
// numbering. Lengths are always metric here: callers convert English units first.

#include <string_view>

enum class AreaType { Urban, Suburban, Open, Other };
enum class CitySize { SmallMedium, Large };

// The area text trimmed of blanks, in any letter case: "Urban", "Suburban", "Open"; any other
// text is Other, which no correction knows.
AreaType ParseAreaType(std::string_view text);
// "Large" trimmed of blanks, in this letter case, is Large; any other text counts as small or
// medium, the correction of the list's other entry.
CitySize ParseCitySize(std::string_view text);

struct ModelInputs {
    double f__mhz = 0;
    double d__km = 0;
    double h_b__meter = 0; // base antenna
    double h_m__meter = 0; // mobile antenna
    AreaType area = AreaType::Urban;
    CitySize city = CitySize::SmallMedium;
    double time__percent = 50;     // 1 to 99
    double location__percent = 50; // 1 to 99
};

// The numbering of the validity check and of every loop over the models. Where a window or the
// report numbers the models otherwise, ModelNumbering.h maps its numbers to these.
enum ModelIndex : int { ModelP529 = 0, ModelHataDavidson = 1, ModelCost231 = 2, ModelUS = 3 };
inline constexpr int kModelCount = 4;

// What a model procedure computes: path loss in dB or field strength in dB µV/m.
enum class ModelResult { PathLoss, FieldStrength };
