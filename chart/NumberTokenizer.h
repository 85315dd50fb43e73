#pragma once
// The one tokenizer behind data-set files and clipboard tables. A number starts at a digit, a sign
// or a point and runs over digits, signs, points, e and E; its value is what the C library's
// conversion reads at the start of its first kMaxConvertedChars characters ("2001-05-03" is 2001,
// "1.2.3" is 1.2, "1e" is 1). A run that starts with no number ("-", "+.", "--5") has no value.
// Anything else separates numbers; CR and LF end lines. Conversion always reads "." as the decimal
// point, whatever the user's locale.

#include <cstddef>
#include <optional>
#include <string_view>

namespace chart {

constexpr std::size_t kMaxConvertedChars = 28;

enum class TokenKind {
    Number,
    NotANumber, // a run of number characters holding no number
    LineEnd,    // one CR or one LF
    Separator,  // a run of characters that are neither numbers nor line ends
    NeedMore,   // the text ends inside what may be a number: feed it again with the bytes that follow
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t begin = 0;
    std::size_t end = 0;
    double value = 0.0;
};

// The token at pos. `final` says no bytes follow the text, so nothing is left undecided.
Token NextToken(std::string_view text, std::size_t pos, bool final);

// TRUE for the characters that may start a number: digits, plus, minus and the decimal point.
bool IsNumberChar(char c);

// The value of text that is exactly one number (sign, digits, point, exponent). Out-of-range magnitudes give
// an infinity or a zero of the token's sign, as the C library's conversion does.
std::optional<double> ConvertNumber(std::string_view token);

// The next number of a complete text: separators and line ends before it are skipped. consumed is
// the count of characters up to the number's end, 0 when no number is left.
double ParseNextNumber(std::string_view text, std::size_t& consumed);

} // namespace chart
