#include "Measured.h"

#include "MeasuredItems.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <new>

std::vector<MeasuredRecord> MeasuredData;

namespace {

constexpr const char* kMeasuredTitle = "Okum-Hata";

struct Fault {
    int line = 0;
    std::string reason;
};

// A plain decimal number, read the same in every locale.
bool ReadNumber(const std::string& text, double& value) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1); // from_chars takes a minus sign only
        if (!digits.empty() && digits.front() == '-') {
            return false;
        }
    }
    // One pass over the characters: this runs for nearly every item of a large file.
    bool anyDigit = false;
    for (const char c : digits) {
        if (c >= '0' && c <= '9') {
            anyDigit = true;
        } else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-') {
            return false;
        }
    }
    if (!anyDigit) {
        return false;
    }
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return result.ec == std::errc() && result.ptr == digits.data() + digits.size();
}

// An item as a message shows it: control characters as "?", a long item cut short.
std::string Shown(const std::string& text) {
    constexpr std::size_t kLongest = 40;
    std::string shown = text.substr(0, kLongest);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = '?';
        }
    }
    return "\"" + shown + (text.size() > kLongest ? "..." : "") + "\"";
}

std::string NotANumber(const std::string& text) {
    return Shown(text) + " is not a number";
}

// Walks the items of the file and fills the tables; stops at the first fault.
class MeasuredParser {
public:
    explicit MeasuredParser(MeasuredItems& items) : items_(items) {}

    bool Parse(std::vector<MeasuredRecord>& tables);
    const Fault& fault() const { return fault_; }

private:
    bool Fail(int line, std::string reason);
    bool NextItem(MeasuredItem& item, const char* inside);
    bool NextNumber(double& value, const char* inside);
    bool ReadHeader(MeasuredRecord& table);
    bool ReadRow(MeasuredRecord& table, double distance, int line);
    void FollowLines(std::string countReason);

    MeasuredItems& items_;
    Fault fault_;
    int startLine_ = 0; // line where the header or row being read began
    // The header or row that began the present run of ones not ending with their line: a value
    // too many or too few there shifts every later item, and the fault shows only further on.
    Fault shifted_;
};

bool MeasuredParser::Fail(int line, std::string reason) {
    // The format lets items run across lines, so a shift is no fault in itself; but a fault that
    // follows one is blamed on the line where the count went wrong.
    if (shifted_.line != 0 && shifted_.line < line) {
        fault_ = shifted_;
    } else {
        fault_ = Fault{line, std::move(reason)};
    }
    return false;
}

void MeasuredParser::FollowLines(std::string countReason) {
    if (items_.AtLineStart()) {
        shifted_ = Fault{};
    } else if (shifted_.line == 0) {
        shifted_ = Fault{startLine_, std::move(countReason)};
    }
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

bool MeasuredParser::NextItem(MeasuredItem& item, const char* inside) {
    if (items_.Next(item)) {
        return true;
    }
    if (!items_.Fault().empty()) {
        return Fail(items_.FaultLine(), items_.Fault());
    }
    return Fail(startLine_, std::string("the file ends inside a ") + inside);
}

bool MeasuredParser::NextNumber(double& value, const char* inside) {
    MeasuredItem item;
    if (!NextItem(item, inside)) {
        return false;
    }
    if (!ReadNumber(item.text, value)) {
        return Fail(item.line, NotANumber(item.text));
    }
    return true;
}

bool MeasuredParser::ReadHeader(MeasuredRecord& table) {
    constexpr const char* kHeader = "table header";
    MeasuredItem area;
    double count = 0;
    if (!NextNumber(table.Freq, kHeader) || !NextNumber(table.TimeFraction, kHeader) ||
        !NextItem(area, kHeader) || !NextNumber(table.Hm, kHeader) || !NextNumber(count, kHeader)) {
        return false;
    }
    table.Area = area.text;
    if (!(count >= 1 && count <= kMeasuredMaxColumns && count == std::floor(count))) {
        return Fail(startLine_, "a table needs 1 to 6 columns");
    }
    table.ColumnCount = static_cast<std::int16_t>(count);
    for (int column = 0; column < table.ColumnCount; ++column) {
        if (!NextNumber(table.ColumnHb[column], kHeader)) {
            return false;
        }
    }
    return true;
}

bool MeasuredParser::ReadRow(MeasuredRecord& table, double distance, int line) {
    if (table.RowCount >= kMeasuredMaxRows) {
        return Fail(line, "a table has more than 75 rows");
    }
    const int row = table.RowCount;
    table.Dist[row] = distance;
    for (int column = 0; column < table.ColumnCount; ++column) {
        if (!NextNumber(table.Reading[row][column], "data row")) {
            return false;
        }
    }
    ++table.RowCount;
    return true;
}

bool MeasuredParser::Parse(std::vector<MeasuredRecord>& tables) {
    MeasuredItem first;
    while (items_.Next(first)) {
        startLine_ = first.line;
        double x = 0;
        if (!ReadNumber(first.text, x)) {
            return Fail(first.line, NotANumber(first.text));
        }
        if (x == 0) {
            if (tables.size() >= static_cast<std::size_t>(kMeasuredMaxTables)) {
                return Fail(first.line, "the file holds more than 32767 tables");
            }
            tables.emplace_back();
            if (!ReadHeader(tables.back())) {
                return false;
            }
            FollowLines("a table header needs 6 values and then " +
                        Counted(tables.back().ColumnCount, "base height", "base heights"));
        } else if (tables.empty()) {
            return Fail(first.line, "the file does not begin with a table header");
        } else if (!ReadRow(tables.back(), x, first.line)) {
            return false;
        } else {
            FollowLines("a data row needs a distance and " +
                        Counted(tables.back().ColumnCount, "reading", "readings"));
        }
    }
    if (!items_.Fault().empty()) {
        return Fail(items_.FaultLine(), items_.Fault());
    }
    return true;
}

// Every table, also one without rows, ends with the marker, so readers always find a stop.
void CloseTable(MeasuredRecord& table) {
    const double marker = MeasuredEndMarker();
    table.Dist[table.RowCount] = marker;
    for (int column = 0; column < table.ColumnCount; ++column) {
        table.Reading[table.RowCount][column] = marker;
    }
}

MeasuredReadResult Refused(std::string message) {
    return MeasuredReadResult{false, std::move(message), kMeasuredTitle};
}

bool Near(double a, double b) {
    return std::fabs(a - b) <= kMeasuredHeightTolerance;
}

std::string Upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

MeasuredReadResult CannotRead(const std::string& path) {
    return Refused("Warning: Cannot read file " + path);
}

// No file of this many bytes holds more tables: the shortest table is a header of six one-digit
// numbers and an empty area, with its separators.
std::size_t TablesBound(std::uintmax_t bytes) {
    if (bytes == 0) {
        return 0;
    }
    constexpr std::uintmax_t kShortestTable = 12;
    return static_cast<std::size_t>(std::min<std::uintmax_t>(
        bytes / kShortestTable + 1, static_cast<std::uintmax_t>(kMeasuredMaxTables)));
}

// The bytes from the stream's position to its end; 0 when it cannot tell (it cannot seek).
std::uintmax_t BytesLeft(std::istream& stream) {
    const std::istream::pos_type here = stream.tellg();
    if (here == std::istream::pos_type(-1) || !stream.seekg(0, std::ios::end)) {
        stream.clear();
        return 0;
    }
    const std::istream::pos_type end = stream.tellg();
    stream.seekg(here);
    return end > here ? static_cast<std::uintmax_t>(end - here) : 0;
}

// The tables are stored as they are read, in room reserved for as many as the file can hold:
// the room not used is never touched, so the memory used stays that of the tables read, and no
// growth copies them. Records are replaced only by a file read whole.
MeasuredReadResult ReadTables(MeasuredItems& items, std::size_t tablesBound, const std::string& path,
                              std::vector<MeasuredRecord>& records) {
    std::vector<MeasuredRecord> tables;
    MeasuredParser parser(items);
    bool parsed = false;
    try {
        tables.reserve(tablesBound);
        parsed = parser.Parse(tables);
    } catch (const std::bad_alloc&) {
        // A system that will not grant the room refuses the file rather than end the program.
        return CannotRead(path);
    }
    if (!parsed) {
        const Fault& fault = parser.fault();
        return Refused("Warning: Cannot read file " + path + "\nLine " + std::to_string(fault.line) + ": " +
                       fault.reason);
    }
    for (MeasuredRecord& table : tables) {
        CloseTable(table);
    }
    if (!tables.empty()) {
        records = std::move(tables);
    }
    return MeasuredReadResult{true, {}, {}};
}

} // namespace

double MeasuredEndMarker() {
    return std::numeric_limits<double>::denorm_min();
}

bool IsMeasuredEndMarker(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits == 1;
}

MeasuredReadResult ParseMeasured(std::string_view text, const std::string& path,
                                 std::vector<MeasuredRecord>& records) {
    MeasuredItems items(text);
    return ReadTables(items, TablesBound(text.size()), path, records);
}

MeasuredReadResult ParseMeasured(std::istream& stream, const std::string& path,
                                 std::vector<MeasuredRecord>& records) {
    MeasuredItems items(stream);
    MeasuredReadResult result = ReadTables(items, TablesBound(BytesLeft(stream)), path, records);
    if (stream.bad()) {
        return CannotRead(path);
    }
    return result;
}

MeasuredReadResult ReadMeasured(const std::string& path, std::vector<MeasuredRecord>& records) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return Refused("Warning: Cannot find file " + path);
    }
    // Only a plain file is opened: opening a named pipe would wait for a writer for ever.
    if (!std::filesystem::is_regular_file(status)) {
        return CannotRead(path);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return CannotRead(path);
    }
    return ParseMeasured(file, path, records);
}

MeasuredMatch FindMeasuredCurve(double f, double hb, double hm, std::string_view area, double timeFraction,
                                const std::vector<MeasuredRecord>& records) {
    const std::string wanted = Upper(area);
    const std::size_t count = std::min(records.size(), static_cast<std::size_t>(kMeasuredMaxTables));
    for (std::size_t index = 0; index < count; ++index) {
        const MeasuredRecord& table = records[index];
        if (table.Freq != f || table.TimeFraction != timeFraction || !Near(table.Hm, hm) ||
            Upper(table.Area) != wanted) {
            continue;
        }
        const int columns = std::clamp<int>(table.ColumnCount, 0, kMeasuredMaxColumns);
        for (int column = 0; column < columns; ++column) {
            if (Near(table.ColumnHb[column], hb)) {
                return MeasuredMatch{-1, static_cast<std::int16_t>(index), static_cast<std::int16_t>(column)};
            }
        }
    }
    return MeasuredMatch{};
}
