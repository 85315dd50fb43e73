#pragma once
// The checks both graph windows make when an input box loses the focus: the leading number of the
// text against the box's bounds (heights shown in feet as the metres they stand for), the box's
// default and a message when outside, and the text rewritten in the box's pattern either way.

#include "ValidityBounds.h"

#include <string>

struct GraphBoxCheck {
    std::string text;    // the box's new text
    std::string message; // empty when the value was accepted
};

// `english`: the heights are shown in feet. The windows have no distance box.
GraphBoxCheck ValidateGraphBox(InputBox box, const std::string& text, bool english = false);

// The tooltip that states the box's accepted range.
const char* GraphBoxTooltip(InputBox box);
