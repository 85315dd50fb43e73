#pragma once
// The graph windows' inputs the curve builders are tested and timed with: a base station 100 m
// and a mobile 1.5 m high at 450 MHz (or the frequency text given), the other boxes as a new
// window shows them. Header only: whoever includes it links the graphs library already.

#include "GraphInputs.h"

namespace testsupport {

inline GraphInputs CurveInputs(double maxDistanceKm, const char* freq = "450.0") {
    GraphInputs in;
    in.freq = freq;
    in.hb = "100.0";
    in.hm = "1.5";
    in.maxDistanceKm = maxDistanceKm;
    return in;
}

} // namespace testsupport
