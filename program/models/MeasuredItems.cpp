#include "MeasuredItems.h"

#include <cstring>

namespace {

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(int c) {
    return c == '\n' || c == '\r';
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

MeasuredItems::MeasuredItems(std::string_view text) : pos_(text.data()), end_(text.data() + text.size()) {
    SkipByteOrderMark();
}

MeasuredItems::MeasuredItems(std::istream& stream) : stream_(&stream), block_(kBlockSize) {
    Refill();
    SkipByteOrderMark();
}

bool MeasuredItems::Refill() {
    if (stream_ == nullptr || !*stream_) {
        return false;
    }
    stream_->read(block_.data(), static_cast<std::streamsize>(block_.size()));
    const std::streamsize got = stream_->gcount();
    pos_ = block_.data();
    end_ = pos_ + got;
    return got > 0;
}

int MeasuredItems::Peek() {
    if (pos_ == end_ && !Refill()) {
        return kEnd;
    }
    return static_cast<unsigned char>(*pos_);
}

// Spreadsheets often save their text with a byte order mark in front. The first block holds the
// file's first bytes whole, so the mark is looked for there only.
void MeasuredItems::SkipByteOrderMark() {
    const std::size_t size = static_cast<std::size_t>(end_ - pos_);
    if (size >= kByteOrderMark.size() &&
        std::memcmp(pos_, kByteOrderMark.data(), kByteOrderMark.size()) == 0) {
        pos_ += kByteOrderMark.size();
    }
}

bool MeasuredItems::AtLineEnd() {
    const int c = Peek();
    return c == kEnd || IsLineEnd(c);
}

void MeasuredItems::SkipBlanks() {
    while (IsBlank(Peek())) {
        Skip();
    }
}

void MeasuredItems::SkipLineEnd() {
    if (Peek() == '\r') {
        Skip();
        if (Peek() == '\n') {
            Skip();
        }
    } else if (Peek() == '\n') {
        Skip();
    }
    ++line_;
}

// Moves to the first line that holds anything; false at the end of the text.
bool MeasuredItems::StartLine() {
    for (;;) {
        SkipBlanks();
        const int c = Peek();
        if (c == kEnd) {
            return false;
        }
        if (!IsLineEnd(c)) {
            inLine_ = true;
            return true;
        }
        SkipLineEnd();
    }
}

bool MeasuredItems::TooLong() {
    fault_ = "an item is longer than " + std::to_string(kMeasuredLongestItem) + " characters";
    return false;
}

bool MeasuredItems::ReadQuoted(MeasuredItem& item) {
    Skip();
    item.text.clear();
    int c = Peek();
    while (c != '"' && c != kEnd && !IsLineEnd(c)) {
        if (item.text.size() >= kMeasuredLongestItem) {
            return TooLong();
        }
        item.text.push_back(static_cast<char>(c));
        Skip();
        c = Peek();
    }
    if (c != '"') {
        fault_ = "a quoted text is not closed";
        return false;
    }
    Skip();
    item.quoted = true;
    SkipBlanks();
    if (!AtLineEnd() && Peek() != ',') {
        fault_ = "text follows a closing quote";
        return false;
    }
    return true;
}

bool MeasuredItems::ReadPlain(MeasuredItem& item) {
    item.text.clear();
    item.quoted = false;
    // Whole runs of the block at a time: the file's items are most of its bytes.
    while (Peek() != kEnd) {
        const char* stop = pos_;
        while (stop != end_ && *stop != ',' && !IsLineEnd(*stop)) {
            ++stop;
        }
        const std::size_t run = static_cast<std::size_t>(stop - pos_);
        if (item.text.size() + run > kMeasuredLongestItem) {
            return TooLong();
        }
        item.text.append(pos_, run);
        pos_ = stop;
        if (stop != end_) {
            break;
        }
    }
    const std::size_t kept = item.text.find_last_not_of(" \t");
    item.text.resize(kept == std::string::npos ? 0 : kept + 1);
    return true;
}

// Consumes the delimiter after an item: a comma keeps the line open for one more item.
void MeasuredItems::EndItem() {
    if (Peek() == ',') {
        Skip();
        inLine_ = true;
        return;
    }
    inLine_ = false;
    if (Peek() != kEnd) {
        SkipLineEnd();
    }
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
    const bool read = Peek() == '"' ? ReadQuoted(item) : ReadPlain(item);
    if (!read) {
        return false;
    }
    EndItem();
    return true;
}
