#pragma once
// A table of numbers read from text line by line, as data-set files and clipboard tables hold
// them: the first line with numbers fixes the column count (X, then one Y value per further column);
// a later line with fewer numbers is skipped, extra numbers on a line are dropped, and lines without
// numbers are skipped. A group data set holds at most kMaxYColumns groups, so further columns are
// dropped too. Text can be fed in parts of any size.

#include <cstddef>
#include <string_view>
#include <vector>

namespace chart {

class NumericTable {
public:
    static constexpr std::size_t kMaxYColumns = 16;

    // yColumnsWanted: the Y columns to keep of each row; 0 keeps all the first line has.
    explicit NumericTable(int yColumnsWanted = 0) : wanted_(yColumnsWanted) {}

    // Reads text up to what may be an unfinished number at its end and returns how much was read;
    // the caller feeds the unread rest again in front of the bytes that follow. With final = true
    // the text is read to its end and the last line ends there.
    std::size_t Feed(std::string_view text, bool final);

    std::size_t Columns() const { return columns_; }
    // Y values kept per row: min(wanted, Columns() - 1), or Columns() - 1 when all are wanted; at
    // most kMaxYColumns.
    std::size_t YColumns() const { return used_ > 0 ? used_ - 1 : 0; }
    std::size_t Rows() const { return x_.size(); }
    // Letters outside numbers met so far (clipboard tables refuse them).
    bool SawLetters() const { return sawLetters_; }

    std::vector<double>& X() { return x_; }
    std::vector<double>& Y() { return y_; } // Rows() x YColumns(), row-major

private:
    void AddNumber(double value);
    void EndLine();

    int wanted_;
    std::size_t columns_ = 0;
    std::size_t used_ = 0;
    std::vector<double> line_;
    std::size_t numbersOnLine_ = 0;
    std::vector<double> x_;
    std::vector<double> y_;
    bool sawLetters_ = false;
};

} // namespace chart
