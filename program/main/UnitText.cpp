#include "UnitText.h"

#include "NumberText.h"

std::string LengthText(double value) {
    return numtext::Format(value, "#####0.0###");
}

std::string UnitText::Convert(const std::string& current, double factor) {
    if (remembered_ && current == after_) {
        remembered_ = false;
        return before_;
    }
    const auto value = numtext::StrictNumber(current);
    if (!value) {
        remembered_ = false;
        return current;
    }
    before_ = current;
    after_ = LengthText(*value * factor);
    remembered_ = true;
    return after_;
}

void UnitText::Remember(const std::string& original, const std::string& shown) {
    before_ = original;
    after_ = shown;
    remembered_ = true;
}

std::string UnitText::OriginalOf(const std::string& current) const {
    return remembered_ && current == after_ ? before_ : std::string();
}
