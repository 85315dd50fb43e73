#pragma once
// The checks both graph windows make when an input box loses the focus: the leading number of the
// text against the box's bounds (the same numbers whatever the units shown), the box's default and
// a message when outside, and the text rewritten in the box's pattern either way.

#include <string>

enum class GraphBox { Frequency, BaseHeight, MobileHeight, PctTime, PctLoc };

struct GraphBoxCheck {
    std::string text;    // the box's new text
    std::string message; // empty when the value was accepted
};

GraphBoxCheck ValidateGraphBox(GraphBox box, const std::string& text);

// The tooltip that states the box's accepted range.
const char* GraphBoxTooltip(GraphBox box);
