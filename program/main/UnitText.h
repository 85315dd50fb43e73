#pragma once
// The text of one length box across unit switches. A switch writes the converted number; switching
// back restores the exact text the box had before, unless the box was edited in between, so
// "300.0" km does not come back as "299.9995" km.

#include "UnitConversion.h"

#include <string>

class UnitText {
public:
    // The box's text after converting `current` to English units (dividing by `metricPerUnit`) or
    // back to metric ones (EnglishToMetric). A text that is not a number stays as it is.
    std::string Convert(const std::string& current, double metricPerUnit, bool toEnglish);
    // Forgets the remembered text (the box was reset to a design value).
    void Forget() { remembered_ = false; }
    // Records that `shown` was written for `original` in the other unit system.
    void Remember(const std::string& original, const std::string& shown);
    // The text in the other unit system that `current` was converted from, when the box still
    // shows the converted text; "" otherwise.
    std::string OriginalOf(const std::string& current) const;

private:
    bool remembered_ = false;
    std::string before_;
    std::string after_;
};
