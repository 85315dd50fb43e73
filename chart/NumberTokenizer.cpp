#include "NumberTokenizer.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace chart {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

// Characters a number runs over once it has started.
bool IsRunChar(char c) {
    return IsNumberChar(c) || c == 'e' || c == 'E';
}

// The longest number at the start of a token, as the C library's conversion reads it: a sign,
// digits with an optional point and fraction (at least one digit), an optional exponent whose
// digits follow at once. Empty when the token starts with no number.
std::string_view LeadingNumber(std::string_view token) {
    std::size_t i = IsSign(token[0]) ? 1 : 0;
    const std::size_t intEnd = SkipDigits(token, i);
    std::size_t digits = intEnd - i;
    i = intEnd;
    if (i < token.size() && token[i] == '.') {
        const std::size_t fracEnd = SkipDigits(token, i + 1);
        digits += fracEnd - (i + 1);
        i = fracEnd;
    }
    if (digits == 0) {
        return {};
    }
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < token.size() && IsSign(token[j])) {
            ++j;
        }
        const std::size_t expEnd = SkipDigits(token, j);
        if (expEnd > j) {
            i = expEnd;
        }
    }
    return token.substr(0, i);
}

// Decimal exponent of the leading significant digit, used only to tell overflow from underflow.
long LeadingExponent(std::string_view token) {
    long position = 0;
    bool seenPoint = false;
    bool found = false;
    long leading = 0;
    std::size_t i = IsSign(token[0]) ? 1 : 0;
    for (; i < token.size() && (IsDigit(token[i]) || token[i] == '.'); ++i) {
        if (token[i] == '.') {
            seenPoint = true;
            continue;
        }
        if (!seenPoint) {
            ++position;
        }
        if (!found && token[i] != '0') {
            found = true;
            leading = seenPoint ? position - 1 : position;
        }
        if (seenPoint) {
            --position;
        }
    }
    long exponent = 0;
    if (i + 1 < token.size()) {
        std::size_t j = i + 1;
        const bool negative = token[j] == '-';
        j += IsSign(token[j]) ? 1 : 0;
        for (; j < token.size() && IsDigit(token[j]); ++j) {
            exponent = std::min(exponent * 10 + (token[j] - '0'), 100000L);
        }
        exponent = negative ? -exponent : exponent;
    }
    return leading + exponent;
}

} // namespace

bool IsNumberChar(char c) {
    return IsDigit(c) || IsSign(c) || c == '.';
}

std::optional<double> ConvertNumber(std::string_view token) {
    if (token.empty()) {
        return std::nullopt;
    }
    const bool negative = token[0] == '-';
    const std::string_view unsigned_ = IsSign(token[0]) ? token.substr(1) : token;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), value);
    if (ptr != unsigned_.data() + unsigned_.size()) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        value = LeadingExponent(token) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

Token NextToken(std::string_view text, std::size_t pos, bool final) {
    Token token;
    token.begin = pos;
    if (pos >= text.size()) {
        token.kind = TokenKind::End;
        token.end = pos;
        return token;
    }
    if (IsLineEnd(text[pos])) {
        token.kind = TokenKind::LineEnd;
        token.end = pos + 1;
        return token;
    }
    if (IsNumberChar(text[pos])) {
        std::size_t end = pos + 1;
        while (end < text.size() && IsRunChar(text[end])) {
            ++end;
        }
        if (end >= text.size() && !final) {
            token.kind = TokenKind::NeedMore;
            token.end = pos;
            return token;
        }
        token.end = end;
        const std::string_view number =
            LeadingNumber(text.substr(pos, std::min(end - pos, kMaxConvertedChars)));
        const std::optional<double> value = number.empty() ? std::nullopt : ConvertNumber(number);
        token.kind = value ? TokenKind::Number : TokenKind::NotANumber;
        token.value = value.value_or(0.0);
        return token;
    }
    // A character that did not start a number separates; so does everything up to the next
    // character that may start one or end the line.
    std::size_t end = pos + 1;
    while (end < text.size() && !IsNumberChar(text[end]) && !IsLineEnd(text[end])) {
        ++end;
    }
    token.kind = TokenKind::Separator;
    token.end = end;
    return token;
}

double ParseNextNumber(std::string_view text, std::size_t& consumed) {
    std::size_t pos = 0;
    for (;;) {
        const Token token = NextToken(text, pos, true);
        if (token.kind == TokenKind::End) {
            consumed = 0;
            return 0.0;
        }
        if (token.kind == TokenKind::Number) {
            consumed = token.end;
            return token.value;
        }
        pos = token.end;
    }
}

} // namespace chart
