#pragma once
// Measured field strengths from the user's "measured.csv" beside the program: any number of
// tables, each for one frequency, percent of time, area and mobile antenna height, giving the
// field strength at a list of distances for up to six base antenna heights. Read once at start,
// then only looked up.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kMeasuredFileName = "measured.csv";
inline constexpr int kMeasuredMaxColumns = 6;
inline constexpr int kMeasuredMaxRows = 75;
// Table indexes must fit the 16-bit record index of a match.
inline constexpr int kMeasuredMaxTables = 32767;
// Heights reach the look-up converted from feet, so they are matched within this many metres.
inline constexpr double kMeasuredHeightTolerance = 1e-4;

// Marks the row after a table's last one: the smallest positive subnormal double (bit pattern 1).
double MeasuredEndMarker();
bool IsMeasuredEndMarker(double value);

struct MeasuredRecord {
    double TimeFraction = 0; // percent of time as a fraction (0.5 for 50 %)
    double Freq = 0;         // MHz
    std::string Area;        // compared without regard to case
    std::int16_t ColumnCount = 0;
    double Hm = 0;                                      // mobile antenna height, m
    std::array<double, 81> Dist{};                      // km per row; the end marker after the last row
    std::array<double, kMeasuredMaxColumns> ColumnHb{}; // base antenna height of each column, m
    // dB(uV/m) by [row][column]; the end marker after the last row of each used column.
    std::array<std::array<double, kMeasuredMaxColumns>, kMeasuredMaxRows + 1> Reading{};
    // Rows read; Dist[RowCount] and Reading[RowCount][column] hold the end marker, also when the
    // table has no rows.
    std::int16_t RowCount = 0;
};

// The tables of the measured-data file, one record per table in file order.
extern std::vector<MeasuredRecord> MeasuredData;

// The outcome of reading the file. When ok is false, message and title are for the warning the
// caller shows; the records were left as they were.
struct MeasuredReadResult {
    bool ok = false;
    std::string message;
    std::string title;
};

// Reads the file at path into records. A file that does not exist, is not a plain file (a folder,
// a named pipe), cannot be read or breaks the format is refused as a whole (one message naming the
// faulty line); records are replaced only by a file read completely, and a file holding no table
// leaves them as they are. The file is read as a stream: a fault ends the reading at once, and
// the memory used is that of the tables kept.
MeasuredReadResult ReadMeasured(const std::string& path, std::vector<MeasuredRecord>& records);

// The same for the file's text, or for its bytes as a stream delivers them; path only names the
// file in a message.
MeasuredReadResult ParseMeasured(std::string_view text, const std::string& path,
                                 std::vector<MeasuredRecord>& records);
MeasuredReadResult ParseMeasured(std::istream& stream, const std::string& path,
                                 std::vector<MeasuredRecord>& records);

struct MeasuredMatch {
    std::int16_t Found = 0; // -1 found, 0 not
    std::int16_t Record = 0;
    std::int16_t Column = 0;
};

// The first table for f (MHz) and timeFraction (exactly), hm (m, within the height tolerance) and
// area (the same text regardless of case, blanks included) that has a column for hb (m, within the
// tolerance); a table without such a column does not end the search.
MeasuredMatch FindMeasuredCurve(double f, double hb, double hm, std::string_view area, double timeFraction,
                                const std::vector<MeasuredRecord>& records);
