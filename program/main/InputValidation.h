#pragma once
// The rules the main window applies when an input box loses the focus: read the leading number,
// check it against the box's bounds (in metric units, whatever the units shown), and on failure
// replace it with the box's default and name the valid range. Widget-free, so the rules are
// tested without a window.

#include "ValidityBounds.h"

#include <string>

struct ValidatedText {
    std::string text;    // the box's new text
    std::string message; // empty when the value was accepted
};

// `english`: the box shows feet or miles (only the length boxes depend on it).
ValidatedText ValidateInput(InputBox box, const std::string& text, bool english);

struct ValidatedPower {
    std::string text; // the power box's new text
    double watts = 0; // the power it stands for
};

// The power box, without a message: in W and kW e.r.p. (units 0 and 1) a value of 0 or less
// becomes 1, in dBm and dBw (2 and 3) any number is a power. A value whose watts are not a finite
// number above 0 (4000 dBm, 1e999 W) is refused: the box shows `currentWatts` again.
ValidatedPower ValidatePower(const std::string& text, int powerUnit, double currentWatts);

// The message of a box's range, as the validator and the calculation show it.
std::string RangeMessage(InputBox box);

// The metric length of a box's value: feet to metres, miles to km when `english`, as the
// English text stands for it (EnglishToMetric), so a bound shown in feet or miles is still the bound.
double ToMetric(InputBox box, double value, bool english);
// English value times this is metric; 1 for the boxes without units.
double EnglishFactor(InputBox box);

// The power in watts as the power box shows it in a unit (0 W, 1 kW e.r.p., 2 dBm, 3 dBw).
std::string PowerText(double watts, int powerUnit);
