#include "UnitText.h"

#include "NumberText.h"

std::string UnitText::Convert(const std::string& current, double metricPerUnit, bool toEnglish) {
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
    after_ = LengthText(toEnglish ? *value / metricPerUnit : EnglishToMetric(*value, metricPerUnit));
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
