#include "InputValidation.h"

#include "ModCalculations.h"
#include "NumberText.h"
#include "UnitConversion.h"

#include <cmath>

namespace {

enum class TextForm { Length, Whole, Shortest };

struct BoxRule {
    double low;
    double high;
    double metricDefault;
    double englishFactor; // English value times this is metric; 1 when the box has no units
    TextForm form;
    const char* message;
};

const BoxRule& RuleOf(InputBox box) {
    static const BoxRule rules[] = {
        {30, 2000, 150, 1, TextForm::Length, "Valid Frequency Range 30Mhz to 2000 MHz"},
        {20, 2500, 20, kMetresPerFoot, TextForm::Length,
         "Valid Height of Base Station Antenna is 20m to 2500m"},
        {1, 300, 10, kKmPerMile, TextForm::Length, "Valid Range is  1 <= Distance <= 300 km"},
        {1, 30, 1, kMetresPerFoot, TextForm::Length, "Valid Height of Mobile Antenna is 1m to 30m"},
        {1, 99, 50, 1, TextForm::Shortest, "Percent Location Range 1 to 99"},
        {1, 99, 50, 1, TextForm::Whole, "Percent Time Range 1 to 99"},
    };
    return rules[static_cast<int>(box)];
}

std::string TextOf(TextForm form, double value) {
    switch (form) {
    case TextForm::Length:
        return numtext::Format(value, "#####0.0###");
    case TextForm::Whole:
        return numtext::Format(value, "#0");
    case TextForm::Shortest:
        break;
    }
    return numtext::ShortestText(value);
}

bool InRange(const BoxRule& rule, double metric) {
    return metric >= rule.low && metric <= rule.high;
}

double MetricOf(const BoxRule& rule, double shown, bool english) {
    return english && rule.englishFactor != 1 ? EnglishToMetric(shown, rule.englishFactor) : shown;
}

} // namespace

double ToMetric(InputBox box, double value, bool english) {
    return MetricOf(RuleOf(box), value, english);
}

double EnglishFactor(InputBox box) {
    return RuleOf(box).englishFactor;
}

std::string RangeMessage(InputBox box) {
    return RuleOf(box).message;
}

ValidatedText ValidateInput(InputBox box, const std::string& text, bool english) {
    const BoxRule& rule = RuleOf(box);
    const double value = numtext::Val(text);
    if (InRange(rule, MetricOf(rule, value, english)))
        return {TextOf(rule.form, value), {}};
    const double factor = english ? rule.englishFactor : 1.0;
    return {TextOf(rule.form, rule.metricDefault / factor), rule.message};
}

ValidatedPower ValidatePower(const std::string& text, int powerUnit, double currentWatts) {
    double value = numtext::Val(text);
    if ((powerUnit == 0 || powerUnit == 1) && !(value > 0))
        value = 1;
    const std::string shown = numtext::ShortestText(value);
    const double watts = PowerToWatts(numtext::Val(shown), powerUnit);
    if (!std::isfinite(value) || !(std::isfinite(watts) && watts > 0))
        return {PowerText(currentWatts, powerUnit), currentWatts};
    return {shown, watts};
}

std::string PowerText(double watts, int powerUnit) {
    std::string text;
    switch (powerUnit) {
    case 0:
        text = FitNumberText(numtext::Format(watts, "0000000.000000000000"));
        break;
    case 1:
        text = FitNumberText(numtext::Format(watts / 1000.0, "0000000.000000000000"));
        break;
    case 2:
        text = FitNumberText(numtext::Format(10.0 * Log10(watts / 0.001), "0000000.0000"));
        break;
    case 3:
        text = FitNumberText(numtext::Format(10.0 * Log10(watts), "0000000.0000"));
        break;
    default:
        return {};
    }
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}
