#include "GraphValidation.h"

#include "NumberText.h"
#include "UnitConversion.h"

namespace {

bool IsHeight(InputBox box) {
    return box == InputBox::BaseHeight || box == InputBox::MobileHeight;
}

bool IsPercent(InputBox box) {
    return box == InputBox::PctTime || box == InputBox::PctLoc;
}

} // namespace

// Heights shown in feet are checked as the metres they stand for: a height that was in range in
// metres stays in range after a switch to feet, bounds included.
GraphBoxCheck ValidateGraphBox(InputBox box, const std::string& text, bool english) {
    const BoxBounds& bounds = GraphBoxBounds(box);
    const bool feet = english && IsHeight(box);
    double value = numtext::Val(text);
    const double metric = feet ? EnglishToMetric(value, kMetresPerFoot) : value;
    GraphBoxCheck check;
    if (!bounds.metric.Contains(metric)) {
        value = feet ? bounds.metricDefault / kMetresPerFoot : bounds.metricDefault;
        check.message = bounds.message;
    }
    check.text = numtext::Format(value, IsPercent(box) ? "#0" : "#####0.0###");
    return check;
}

const char* GraphBoxTooltip(InputBox box) {
    return GraphBoxBounds(box).tooltip;
}
