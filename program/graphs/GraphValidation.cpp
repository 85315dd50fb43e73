#include "GraphValidation.h"

#include "NumberText.h"
#include "UnitConversion.h"

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

bool IsHeight(GraphBox box) {
    return box == GraphBox::BaseHeight || box == GraphBox::MobileHeight;
}

} // namespace

// Heights shown in feet are checked as the metres they stand for: a height that was in range in
// metres stays in range after a switch to feet, bounds included.
GraphBoxCheck ValidateGraphBox(GraphBox box, const std::string& text, bool english) {
    const BoxRule& rule = RuleOf(box);
    const bool feet = english && IsHeight(box);
    double value = numtext::Val(text);
    const double metric = feet ? EnglishToMetric(value, kMetresPerFoot) : value;
    GraphBoxCheck check;
    if (!(metric >= rule.min && metric <= rule.max)) {
        value = feet ? rule.fallback / kMetresPerFoot : rule.fallback;
        check.message = rule.message;
    }
    check.text = numtext::Format(value, rule.pattern);
    return check;
}

const char* GraphBoxTooltip(GraphBox box) {
    return RuleOf(box).tooltip;
}
