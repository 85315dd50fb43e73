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

enum class Match { Number, NotNumber, NeedMore };

// Matches a number at pos; on Match::Number, `end` is one past it. A number that reaches the end of
// a text that is not final may go on in the bytes that follow.
Match MatchNumber(std::string_view text, std::size_t pos, bool final, std::size_t& end) {
    std::size_t i = pos;
    if (IsSign(text[i])) {
        ++i;
    }
    const std::size_t intEnd = SkipDigits(text, i);
    std::size_t digits = intEnd - i;
    i = intEnd;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracEnd = SkipDigits(text, i + 1);
        digits += fracEnd - (i + 1);
        if (digits > 0) {
            i = fracEnd;
        }
    }
    if (digits == 0) {
        return (i >= text.size() || (i + 1 >= text.size() && text[i] == '.')) && !final ? Match::NeedMore
                                                                                        : Match::NotNumber;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && IsSign(text[j])) {
            ++j;
        }
        const std::size_t expEnd = SkipDigits(text, j);
        if (expEnd > j) {
            i = expEnd;
        } else if (expEnd >= text.size() && !final) {
            return Match::NeedMore;
        }
    }
    if (i >= text.size() && !final) {
        return Match::NeedMore;
    }
    end = i;
    return Match::Number;
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
        std::size_t end = pos;
        switch (MatchNumber(text, pos, final, end)) {
        case Match::Number:
            token.kind = TokenKind::Number;
            token.end = end;
            token.value = ConvertNumber(text.substr(pos, end - pos)).value_or(0.0);
            return token;
        case Match::NeedMore:
            token.kind = TokenKind::NeedMore;
            token.end = pos;
            return token;
        case Match::NotNumber:
            break;
        }
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
