#include "ReportLine.h"

#include "ModCalculations.h"
#include "NumberText.h"

namespace {

std::string Column(double value, const char* pattern) {
    return FitNumberText(numtext::Format(value, pattern));
}

std::string CityColumn(const std::string& area, const std::string& city) {
    const auto first = area.find_first_not_of(' ');
    const auto last = area.find_last_not_of(' ');
    const bool urban = first != std::string::npos && area.substr(first, last - first + 1) == "Urban";
    return urban ? numtext::FormatText(city, "@@@@@@@@@@@@!") : std::string(12, ' ');
}

} // namespace

std::string ReportLogTitle() {
    return "  Dist     Frq    BaseH   MobilH    Area      City     OHDavLs  C231Ls  H529Ls   H529FS  HDAVFS "
           "C231FS   T%  L% Units    Watts    Date      Time";
}

std::vector<ReportPiece> ReportLogLine(const ReportLineValues& line) {
    const ShownInputs& v = line.shown;
    std::vector<ReportPiece> pieces;
    pieces.push_back({Column(v.distShown, "00000.00") + " " + Column(v.freqMHz, "00000.0")});
    pieces.push_back({" " + Column(v.hbShown, "0000.00") + "  " + Column(v.hmShown, "000.00")});
    pieces.push_back({" " + numtext::FormatText(v.area, "@@@@@@@@!") + "  "});
    pieces.push_back({CityColumn(v.area, v.city)});
    for (int i = 0; i < ResultColumnCount; ++i)
        pieces.push_back({Column(line.results.values[i], "0000.00") + " ", !line.results.inRange[i]});
    pieces.push_back({" " + numtext::Format(v.pctTime / 100.0, "00%")});
    pieces.push_back({" " + numtext::Format(v.pctLoc / 100.0, "00%")});
    pieces.push_back({std::string(" ") + (v.english ? "Enlish" : "Metric")});
    pieces.push_back({" " + Column(v.powerWatts, "000000.0")});
    pieces.push_back({" " + numtext::FormatDate(line.when, "mm/dd/yyyy hh:mm am/pm")});
    pieces.push_back({"\r\n"});
    return pieces;
}
