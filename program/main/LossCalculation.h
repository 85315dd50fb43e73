#pragma once
// The six results of one distance: path loss and field strength of the Okumura-Hata-Davidson,
// ITU-R P.529 and COST 231 models, each with its validity, and the checks the calculation makes
// before it computes anything.

#include "InputValidation.h"
#include "ModelInputs.h"
#include "ModelNumbering.h"

#include <array>
#include <optional>
#include <string>

// One calculation's inputs as the main window shows them: lengths in the units they were typed
// in, the list texts, the unit system and the power in force.
struct ShownInputs {
    double distShown = 0; // km or miles
    double freqMHz = 0;
    double hbShown = 0; // m or ft
    double hmShown = 0;
    std::string area;
    std::string city;
    double pctTime = 0;
    double pctLoc = 0;
    bool english = false;
    double powerWatts = 0;
};

// The models' inputs at a distance in km: heights in metres as the English texts stand for them
// (ToMetric), area and city parsed.
ModelInputs MetricInputs(const ShownInputs& shown, double d__km);

struct LossResults {
    std::array<double, ResultColumnCount> values{};
    std::array<bool, ResultColumnCount> inRange{};
};

// The message of the first check that fails, or nothing when the inputs can be calculated.
std::optional<std::string> CheckLossInputs(const ModelInputs& in);

LossResults CalculateLosses(const ModelInputs& in);
