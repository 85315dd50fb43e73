#include "InputValidation.h"

#include "ModCalculations.h"
#include "NumberText.h"
#include "UnitConversion.h"

#include <cmath>

namespace {

enum class TextForm { Length, Whole, Shortest };

struct BoxForm {
    double englishFactor; // English value times this is metric; 1 when the box has no units
    TextForm form;
};

BoxForm FormOf(InputBox box) {
    switch (box) {
    case InputBox::BaseHeight:
    case InputBox::MobileHeight:
        return {kMetresPerFoot, TextForm::Length};
    case InputBox::Distance:
        return {kKmPerMile, TextForm::Length};
    case InputBox::Frequency:
        return {1, TextForm::Length};
    case InputBox::PctLoc:
        return {1, TextForm::Shortest};
    case InputBox::PctTime:
        break;
    }
    return {1, TextForm::Whole};
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

// Twelve decimals lose a tiny power (below 5e-13 it shows as "0", and leaving the box would then
// make it 1): a power they do not show to six digits is shown in full, in scientific form.
std::string WattsText(double value) {
    constexpr double kShownDigits = 1e-6;
    const std::string fixed = FitNumberText(numtext::Format(value, "0000000.000000000000"));
    if (std::fabs(numtext::Val(fixed) - value) <= kShownDigits * std::fabs(value))
        return fixed;
    return numtext::ShortestText(value);
}

} // namespace

double ToMetric(InputBox box, double value, bool english) {
    const double factor = FormOf(box).englishFactor;
    return english && factor != 1 ? EnglishToMetric(value, factor) : value;
}

double EnglishFactor(InputBox box) {
    return FormOf(box).englishFactor;
}

std::string RangeMessage(InputBox box) {
    return MainBoxBounds(box).message;
}

ValidatedText ValidateInput(InputBox box, const std::string& text, bool english) {
    const BoxBounds& bounds = MainBoxBounds(box);
    const TextForm form = FormOf(box).form;
    const double value = numtext::Val(text);
    if (bounds.metric.Contains(ToMetric(box, value, english)))
        return {TextOf(form, value), {}};
    const double factor = english ? EnglishFactor(box) : 1.0;
    return {TextOf(form, bounds.metricDefault / factor), bounds.message};
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
        text = WattsText(watts);
        break;
    case 1:
        text = WattsText(watts / 1000.0);
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
