#pragma once
// Tables of numbers pasted from the clipboard (text copied from a spreadsheet or an editor) into a
// data set's X and Y arrays. The parsing is a pure function over the text; only
// PasteDataFromClipboard touches the clipboard. Rows are formed as in data-set files (NumericTable);
// a letter anywhere outside a number (other than an exponent's e) refuses the whole text.

#include <QString>
#include <string_view>
#include <vector>

namespace chart {

enum class PasteResult {
    Stored,              // TRUE: rows and groups describe what was stored
    NothingToStore,      // TRUE: no rows; the arrays and counts are untouched
    Refused,             // FALSE, silently: no text, or text that is not a table of numbers
    InsufficientColumns, // FALSE: PasteDataFromClipboard shows kInsufficientColumnsMessage
};

constexpr const char* kInsufficientColumnsMessage = "Insufficient number of columns for this data type";

inline bool Succeeded(PasteResult result) {
    return result == PasteResult::Stored || result == PasteResult::NothingToStore;
}

// Rows and Y columns (numbers on the first numeric line - 1) of a table; false when it is refused.
bool ScanClipboardTable(std::string_view text, int& rows, int& yColumns);

// On entry groups holds the Y columns wanted (0: all the table has, at most 16); more than the table
// has gives InsufficientColumns. A table with no Y column stores nothing.
PasteResult ReadClipboardColumns(std::string_view text, std::vector<double>& x, std::vector<double>& y,
                                 int& rows, int& groups);

// The clipboard's text through ReadClipboardColumns; Refused when the clipboard holds no text. Too
// few columns are reported by a message box. Needs a QApplication.
PasteResult PasteDataFromClipboard(std::vector<double>& x, std::vector<double>& y, int& rows, int& groups);

} // namespace chart
