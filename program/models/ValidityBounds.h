#pragma once
// Every range the program checks an input against, one table for each thing it bounds: where each
// model's equations hold, what the main window's range display shows, what the main window's and
// the graph windows' boxes accept, and what the single-distance calculation refuses. They differ
// on purpose (a box accepts inputs some models do not cover), so each keeps its own numbers.

#include "ModelInputs.h"

#include <limits>

// Inclusive bounds of one number. A NaN lies neither inside nor outside, so a check that refuses
// asks Contains and a check that marks asks Outside.
struct Bounds {
    double low;
    double high;
    constexpr bool Contains(double v) const { return v >= low && v <= high; }
    constexpr bool Outside(double v) const { return v < low || v > high; }
};

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();
// The smallest positive double: a lower bound of it admits every value above 0, and 0 not.
inline constexpr double kAboveZero = std::numeric_limits<double>::denorm_min();

// Where a model's equations hold (InputsInRange), by ModelIndex. The US model bounds the product
// of the two heights instead of the base height.
struct ModelValidityRange {
    Bounds f__mhz;
    Bounds h_b__meter;
    Bounds h_m__meter;
    Bounds d__km;
    double hbTimesHm__max; // square metres; 0 when the model has no bound on the product
};
extern const ModelValidityRange ModelValidityRanges[kModelCount];

// What the main window's range display shows while a model's name is pressed: the boxes it marks
// outside these bounds and the line of text. The US model has no name on the window.
struct RangeDisplay {
    ModelIndex model;
    Bounds f__mhz;
    Bounds h_b__meter;
    Bounds h_m__meter;
    Bounds d__km;
    const char* text;
};
// Nothing for a model without a display.
const RangeDisplay* RangeDisplayOf(ModelIndex model);

// The input boxes of the windows.
enum class InputBox { Frequency, BaseHeight, Distance, MobileHeight, PctLoc, PctTime };

// What a box accepts when it loses the focus (in metric units whatever the units shown), what a
// refused value becomes, the message that names the range and the tooltip that states it.
struct BoxBounds {
    InputBox box;
    Bounds metric;
    double metricDefault;
    const char* message;
    const char* tooltip;
};
// The main window's boxes.
const BoxBounds& MainBoxBounds(InputBox box);
// The graph windows' boxes; they have no distance box, which reads as the frequency box.
const BoxBounds& GraphBoxBounds(InputBox box);

// What the single-distance calculation refuses to compute, in the order it checks.
struct CalculationBound {
    double ModelInputs::*input;
    Bounds bounds;
    const char* message;
};
inline constexpr int kCalculationBoundCount = 4;
extern const CalculationBound CalculationBounds[kCalculationBoundCount];
