#include "NumericTable.h"

#include "NumberTokenizer.h"

#include <algorithm>

namespace chart {

namespace {

bool HasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

} // namespace

std::size_t NumericTable::Feed(std::string_view text, bool final) {
    std::size_t pos = 0;
    for (;;) {
        const Token token = NextToken(text, pos, final);
        switch (token.kind) {
        case TokenKind::Number:
            AddNumber(token.value);
            break;
        case TokenKind::LineEnd:
            EndLine();
            break;
        case TokenKind::Separator:
            sawLetters_ = sawLetters_ || HasLetter(text.substr(token.begin, token.end - token.begin));
            break;
        case TokenKind::NotANumber:
            break; // its e or E sit inside a number's characters: not letters
        case TokenKind::NeedMore:
            return pos;
        case TokenKind::End:
            if (final) {
                EndLine();
            }
            return pos;
        }
        pos = token.end;
    }
}

void NumericTable::AddNumber(double value) {
    // Before the column count is known the whole first line is kept; after it only the used columns.
    if (columns_ == 0 || numbersOnLine_ < used_) {
        line_.push_back(value);
    }
    ++numbersOnLine_;
}

void NumericTable::EndLine() {
    if (numbersOnLine_ > 0 && columns_ == 0) {
        columns_ = numbersOnLine_;
        const auto wanted = static_cast<std::size_t>(std::max(wanted_, 0));
        used_ = (wanted > 0 && wanted < columns_) ? wanted + 1 : columns_;
        used_ = std::min(used_, kMaxYColumns + 1);
    }
    if (numbersOnLine_ > 0 && numbersOnLine_ >= columns_) {
        x_.push_back(line_[0]);
        y_.insert(y_.end(), line_.begin() + 1, line_.begin() + static_cast<std::ptrdiff_t>(used_));
    }
    line_.clear();
    numbersOnLine_ = 0;
}

} // namespace chart
