#include "ValidityBounds.h"

namespace {

constexpr Bounds kAny{-kUnbounded, kUnbounded};

constexpr RangeDisplay kRangeDisplays[] = {
    {ModelP529,
     {150, 1500},
     {30, 200},
     {1, 10},
     {1, 100},
     "ITU 529> Freq: 150Mhz - 1500Mhz, hb: 30m - 200m, hm: 1m - 10m, Dist: 1km - 100km"},
    {ModelCost231,
     {1500, 2000},
     {30, 200},
     {1, 10},
     {1, 100},
     "Cost 231> Freq: 1500Mhz - 2000Mhz, hb: 30m - 200m, hm: 1m - 10m, Dist: 1km - 100km"},
    {ModelHataDavidson,
     {30, 1500},
     {30, 2500},
     {1, 10},
     {1, 300},
     "Davidson> Freq: 30Mhz - 1500Mhz, hb: 30m - 2500m, hm: 1m - 10m, Dist: 1km - 300km"},
};

constexpr BoxBounds kMainBoxes[] = {
    {InputBox::Frequency,
     {30, 2000},
     150,
     "Valid Frequency Range 30Mhz to 2000 MHz",
     "Range 30MHz - 2000 MHz"},
    {InputBox::BaseHeight,
     {20, 2500},
     20,
     "Valid Height of Base Station Antenna is 20m to 2500m",
     "Range 20m - 2500m"},
    {InputBox::Distance,
     {1, 300},
     10,
     "Valid Range is  1 <= Distance <= 300 km",
     "1 km < Distance <= 300 km"},
    {InputBox::MobileHeight, {1, 30}, 1, "Valid Height of Mobile Antenna is 1m to 30m", "Range 1m - 30m"},
    {InputBox::PctLoc, {1, 99}, 50, "Percent Location Range 1 to 99", "Range: 1-99"},
    {InputBox::PctTime, {1, 99}, 50, "Percent Time Range 1 to 99", "Range: 1-99"},
};

// The base height reaches 2500 m for the Okumura-Hata-Davidson model; its message and tooltip say
// so, where older texts named 200 m while accepting more.
constexpr BoxBounds kGraphBoxes[] = {
    {InputBox::Frequency,
     {150, 2000},
     150,
     "Valid Frequency Range 150 MHz to 2000 MHz",
     "Range 150MHz - 2000 MHz"},
    {InputBox::BaseHeight,
     {30, 2500},
     30,
     "Valid Height of Base Station Antenna is 30m to 2500m",
     "Range 30m - 2500m"},
    {InputBox::MobileHeight, {1, 30}, 1, "Valid Height of Mobile Antenna is 1m to 30m", "Range 1m - 30m"},
    {InputBox::PctTime, {1, 99}, 50, "Percent Range 1 to 99", "Range: 1 - 99"},
    {InputBox::PctLoc, {1, 99}, 50, "Percent Range 1 to 99", "Range: 1 - 99"},
};

template <std::size_t N> const BoxBounds& Find(const BoxBounds (&table)[N], InputBox box) {
    for (const BoxBounds& row : table) {
        if (row.box == box)
            return row;
    }
    return table[0];
}

} // namespace

const ModelValidityRange ModelValidityRanges[kModelCount] = {
    {{150, 1500}, {30, 200}, {1, 10}, {-kUnbounded, 100}, 0},  // ModelP529
    {{30, 1500}, {20, 2500}, {1, 10}, {-kUnbounded, 300}, 0},  // ModelHataDavidson
    {{1500, 2000}, {30, 200}, {1, 10}, {-kUnbounded, 100}, 0}, // ModelCost231
    {{30, 1000}, kAny, {1, 10}, {-kUnbounded, 600}, 300},      // ModelUS: only hb * hm is bounded
};

const CalculationBound CalculationBounds[kCalculationBoundCount] = {
    {&ModelInputs::f__mhz, {30, 2000}, "Valid Frequency Range 30Mhz to 2000 MHz"},
    {&ModelInputs::h_b__meter, {20, 2500}, "Valid Height of Base Station Antenna is 20m to 2500m"},
    {&ModelInputs::h_m__meter, {1, 30}, "Valid Height of Mobile Antenna is 1m to 30m"},
    {&ModelInputs::d__km, {kAboveZero, 300}, "Valid Range is 0 < Distance <= 300 km"},
};

const RangeDisplay* RangeDisplayOf(ModelIndex model) {
    for (const RangeDisplay& display : kRangeDisplays) {
        if (display.model == model)
            return &display;
    }
    return nullptr;
}

const BoxBounds& MainBoxBounds(InputBox box) {
    return Find(kMainBoxes, box);
}

const BoxBounds& GraphBoxBounds(InputBox box) {
    return Find(kGraphBoxes, box);
}
