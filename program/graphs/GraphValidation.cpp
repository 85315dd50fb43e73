#include "GraphValidation.h"

#include "NumberText.h"

namespace {

struct BoxRule {
    GraphBox box;
    double min;
    double max;
    double fallback;
    const char* message;
    const char* pattern;
    const char* tooltip;
};

// The base height reaches 2500 m for the Okumura-Hata-Davidson model; its message and tooltip say
// so, where older texts named 200 m while accepting more.
const BoxRule kRules[] = {
    {GraphBox::Frequency, 150, 2000, 150, "Valid Frequency Range 150 MHz to 2000 MHz", "#####0.0###",
     "Range 150MHz - 2000 MHz"},
    {GraphBox::BaseHeight, 30, 2500, 30, "Valid Height of Base Station Antenna is 30m to 2500m",
     "#####0.0###", "Range 30m - 2500m"},
    {GraphBox::MobileHeight, 1, 30, 1, "Valid Height of Mobile Antenna is 1m to 30m", "#####0.0###",
     "Range 1m - 30m"},
    {GraphBox::PctTime, 1, 99, 50, "Percent Range 1 to 99", "#0", "Range: 1 - 99"},
    {GraphBox::PctLoc, 1, 99, 50, "Percent Range 1 to 99", "#0", "Range: 1 - 99"},
};

const BoxRule& RuleOf(GraphBox box) {
    for (const auto& rule : kRules) {
        if (rule.box == box) {
            return rule;
        }
    }
    return kRules[0];
}

} // namespace

GraphBoxCheck ValidateGraphBox(GraphBox box, const std::string& text) {
    const BoxRule& rule = RuleOf(box);
    double value = numtext::Val(text);
    GraphBoxCheck check;
    if (!(value >= rule.min && value <= rule.max)) {
        value = rule.fallback;
        check.message = rule.message;
    }
    check.text = numtext::Format(value, rule.pattern);
    return check;
}

const char* GraphBoxTooltip(GraphBox box) {
    return RuleOf(box).tooltip;
}
