#pragma once
// What a graph window hands its builders and archive actions: the texts of its input boxes as
// shown, the unit system it shows them in and its maximum distance.

#include "ModelInputs.h"

#include <optional>
#include <string>
#include <string_view>

struct GraphInputs {
    std::string freq = "150.0";
    std::string hb = "30";
    std::string hm = "1";
    std::string pctTime = "50";
    std::string pctLoc = "50";
    std::string area = "Urban";
    std::string city = "Small/Medium";
    bool english = false; // heights in feet
    double maxDistanceKm = 100;
};

// The inputs as the models take them, at a distance of 0 (each point of a curve sets its own):
// heights in metres, percentages by their leading number, area and city parsed. Nothing when
// frequency or a height is not a number: a build must not guess at a box whose check has not run
// yet.
std::optional<ModelInputs> ModelInputsOf(const GraphInputs& inputs);

// The text without leading and trailing blanks.
std::string TrimBlanks(std::string_view text);

// The unit word of the heights as the boxes show them: "ft" or "m".
const char* HeightUnit(const GraphInputs& inputs);

// A power in watts as the kilowatts of title line 2 and the archive's description: "###.##", or
// the value's shortest text where that pattern would print no digit at all (below 5 W it prints
// only the point).
std::string KilowattText(double watts);
