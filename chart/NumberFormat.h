#pragma once
// A caller's number format for data-set files ("%g", "%10.4f", "x=%e;", ...): literal text, "%%",
// and exactly one floating-point conversion with printf's flags, width and precision. The number is
// formatted here, always with "." as the decimal point, so a user's format string never reaches
// the C library and the file never depends on the locale.

#include <optional>
#include <string>
#include <string_view>

namespace chart {

class NumberFormat {
public:
    // None when the text is not literal text plus one conversion of f F e E g G a A (an 'l' length
    // modifier is allowed), or asks for a width or precision over kMaxField. An empty text is "%g".
    static std::optional<NumberFormat> Parse(std::string_view format);

    void Append(std::string& out, double value) const;
    std::string Format(double value) const;

    static constexpr int kMaxField = 1000;

private:
    std::string Body(double magnitude) const;
    std::string GeneralBody(double magnitude) const;

    std::string prefix_;
    std::string suffix_;
    bool left_ = false;
    bool plus_ = false;
    bool space_ = false;
    bool alternate_ = false;
    bool zero_ = false;
    int width_ = 0;
    int precision_ = -1; // -1: none given
    char conversion_ = 'g';
};

} // namespace chart
