#pragma once
// The six results of one distance: path loss and field strength of the Okumura-Hata-Davidson,
// ITU-R P.529 and COST 231 models, each with its validity, and the checks the calculation makes
// before it computes anything.

#include "ReportLine.h"

#include <optional>
#include <string>

// The model inputs in metric units.
struct LossInputs {
    double freqMHz = 0;
    double distKm = 0;
    double hbM = 0;
    double hmM = 0;
    std::string area;
    std::string city;
    double pctTime = 0;
    double pctLoc = 0;
};

struct LossResults {
    std::array<double, ResultColumnCount> values{};
    std::array<bool, ResultColumnCount> inRange{};
};

// The message of the first check that fails, or nothing when the inputs can be calculated.
std::optional<std::string> CheckLossInputs(const LossInputs& in);

// The model index of a result column's validity check.
int ModelOfColumn(int column);

LossResults CalculateLosses(const LossInputs& in);
