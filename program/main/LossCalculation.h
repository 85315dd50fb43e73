#pragma once
// The six results of one distance: path loss and field strength of the Okumura-Hata-Davidson,
// ITU-R P.529 and COST 231 models, each with its validity, and the checks the calculation makes
// before it computes anything.

#include "ModelInputs.h"
#include "ModelNumbering.h"

#include <array>
#include <optional>
#include <string>

struct LossResults {
    std::array<double, ResultColumnCount> values{};
    std::array<bool, ResultColumnCount> inRange{};
};

// The message of the first check that fails, or nothing when the inputs can be calculated.
std::optional<std::string> CheckLossInputs(const ModelInputs& in);

LossResults CalculateLosses(const ModelInputs& in);
