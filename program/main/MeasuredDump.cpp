#include "MeasuredDump.h"

#include "NumberText.h"

namespace {

const char* const kLineEnd = "\r\n";

std::string Number(double value) {
    return numtext::ShortestText(value);
}

// A table without rows holds the end marker as its first distance: that is no distance to show.
std::string DistanceText(double value) {
    return IsMeasuredEndMarker(value) ? "0" : Number(value);
}

std::string HeaderOf(std::size_t index, const MeasuredRecord& r) {
    std::string text = std::to_string(index) + "> ";
    text += "Freq:" + Number(r.Freq) + "  ";
    text += "%:" + Number(r.TimeFraction) + " ";
    text += "City: " + r.Area + " ";
    text += "hm: " + Number(r.Hm) + " ";
    text += "hb(" + std::to_string(r.ColumnCount) + "): ";
    for (int j = 0; j < r.ColumnCount && j < kMeasuredMaxColumns; ++j)
        text += Number(r.ColumnHb[j]) + "  ";
    return text;
}

std::string RowsOf(const MeasuredRecord& r) {
    std::string text;
    for (std::size_t row = 0; row < r.Reading.size() && !IsMeasuredEndMarker(r.Reading[row][0]); ++row) {
        text += "     " + DistanceText(r.Dist[row]) + ": ";
        for (int j = 0; j < r.ColumnCount && j < kMeasuredMaxColumns; ++j)
            text += Number(r.Reading[row][j]) + " ";
        text += kLineEnd;
    }
    return text;
}

} // namespace

std::vector<std::string> MeasuredDump(const std::vector<MeasuredRecord>& records) {
    std::vector<std::string> pieces;
    pieces.push_back(std::string(kLineEnd) + "Table Segments: " + std::to_string(records.size()) + kLineEnd);
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::string block = HeaderOf(i, records[i]);
        if (i + 1 == records.size())
            block += kLineEnd + RowsOf(records[i]);
        block += kLineEnd;
        pieces.push_back(block);
    }
    return pieces;
}
