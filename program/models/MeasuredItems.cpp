#include "MeasuredItems.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

MeasuredItems::MeasuredItems(std::string_view text) : text_(text) {
    // Spreadsheets often save their text with a byte order mark in front.
    if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        pos_ = kByteOrderMark.size();
    }
}

bool MeasuredItems::AtLineEnd() const {
    return pos_ >= text_.size() || IsLineEnd(text_[pos_]);
}

void MeasuredItems::SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
        ++pos_;
    }
}

void MeasuredItems::SkipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
        }
    } else if (pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
    }
    ++line_;
}

// Moves to the first line that holds anything; false at the end of the text.
bool MeasuredItems::StartLine() {
    for (;;) {
        SkipBlanks();
        if (pos_ >= text_.size()) {
            return false;
        }
        if (!IsLineEnd(text_[pos_])) {
            inLine_ = true;
            return true;
        }
        SkipLineEnd();
    }
}

bool MeasuredItems::ReadQuoted(MeasuredItem& item) {
    const std::size_t start = pos_ + 1;
    std::size_t end = start;
    while (end < text_.size() && text_[end] != '"' && !IsLineEnd(text_[end])) {
        ++end;
    }
    if (end >= text_.size() || text_[end] != '"') {
        fault_ = "a quoted text is not closed";
        return false;
    }
    item.text.assign(text_.substr(start, end - start));
    item.quoted = true;
    pos_ = end + 1;
    SkipBlanks();
    if (!AtLineEnd() && text_[pos_] != ',') {
        fault_ = "text follows a closing quote";
        return false;
    }
    return true;
}

void MeasuredItems::ReadPlain(MeasuredItem& item) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
        ++pos_;
    }
    std::size_t end = pos_;
    while (end > start && IsBlank(text_[end - 1])) {
        --end;
    }
    item.text.assign(text_.substr(start, end - start));
    item.quoted = false;
}

// Consumes the delimiter after an item: a comma keeps the line open for one more item.
bool MeasuredItems::EndItem() {
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        inLine_ = true;
        return true;
    }
    inLine_ = false;
    if (pos_ < text_.size()) {
        SkipLineEnd();
    }
    return true;
}

bool MeasuredItems::Next(MeasuredItem& item) {
    if (!fault_.empty()) {
        return false;
    }
    if (!inLine_ && !StartLine()) {
        return false;
    }
    SkipBlanks();
    item.line = line_;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        if (!ReadQuoted(item)) {
            return false;
        }
    } else {
        ReadPlain(item);
    }
    return EndItem();
}
