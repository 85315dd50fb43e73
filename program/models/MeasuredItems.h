#pragma once
// The items of a comma-separated text, read the way the measured-data file is written: an item
// ends at a comma or a line end, blanks around it are skipped, and double quotes may enclose a
// text. Blank lines hold no items. Every item knows its line, so a reader can say where a file
// went wrong.

#include <string>
#include <string_view>

struct MeasuredItem {
    std::string text;
    bool quoted = false;
    int line = 0; // from 1
};

class MeasuredItems {
public:
    explicit MeasuredItems(std::string_view text);

    // The next item. False at the end of the text, or at a malformed quote (then Fault() is set).
    bool Next(MeasuredItem& item);

    // Why the text could not be split, and on which line; empty while it could.
    const std::string& Fault() const { return fault_; }
    int FaultLine() const { return line_; }

private:
    bool StartLine();
    bool ReadQuoted(MeasuredItem& item);
    void ReadPlain(MeasuredItem& item);
    bool EndItem();
    bool AtLineEnd() const;
    void SkipBlanks();
    void SkipLineEnd();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool inLine_ = false; // an item of the current line is due (after a comma or at its start)
    std::string fault_;
};
