#pragma once
// The items of a comma-separated text, read the way the measured-data file is written: an item
// ends at a comma or a line end, blanks around it are skipped, and double quotes may enclose a
// text. Blank lines hold no items. Every item knows its line, so a reader can say where a file
// went wrong. The text is read as it comes, block by block, so a file is never held whole and a
// reader that stops early has read no further than it needed.

#include <istream>
#include <string>
#include <string_view>
#include <vector>

struct MeasuredItem {
    std::string text;
    bool quoted = false;
    int line = 0; // from 1
};

// No item of the file comes near this; a longer one is refused before more of it is read.
inline constexpr std::size_t kMeasuredLongestItem = 256;

class MeasuredItems {
public:
    explicit MeasuredItems(std::string_view text);
    explicit MeasuredItems(std::istream& stream);

    // The next item. False at the end of the text, or at a malformed item (then Fault() is set).
    bool Next(MeasuredItem& item);

    // True while no item of the current line is due: the last item ended its line.
    bool AtLineStart() const { return !inLine_; }

    // Why the text could not be split, and on which line; empty while it could.
    const std::string& Fault() const { return fault_; }
    int FaultLine() const { return line_; }

private:
    static constexpr int kEnd = -1;
    static constexpr std::size_t kBlockSize = 64 * 1024;

    int Peek();
    void Skip() { ++pos_; }
    bool Refill();
    void SkipByteOrderMark();

    bool StartLine();
    bool TooLong();
    bool ReadQuoted(MeasuredItem& item);
    bool ReadPlain(MeasuredItem& item);
    void EndItem();
    bool AtLineEnd();
    void SkipBlanks();
    void SkipLineEnd();

    std::istream* stream_ = nullptr; // null when the whole text was given
    std::vector<char> block_;
    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    int line_ = 1;
    bool inLine_ = false; // an item of the current line is due (after a comma or at its start)
    std::string fault_;
};
