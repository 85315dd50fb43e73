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

ReportLineValues ReportLineOf(const ShownInputs& shown, const LossResults& results, const std::tm& when) {
    ReportLineValues line;
    line.dist = shown.distShown;
    line.freq = shown.freqMHz;
    line.hb = shown.hbShown;
    line.hm = shown.hmShown;
    line.area = shown.area;
    line.city = shown.city;
    line.results = results.values;
    line.inRange = results.inRange;
    line.pctTime = shown.pctTime;
    line.pctLoc = shown.pctLoc;
    line.english = shown.english;
    line.powerWatts = shown.powerWatts;
    line.when = when;
    return line;
}

std::string ReportLogTitle() {
    return "  Dist     Frq    BaseH   MobilH    Area      City     OHDavLs  C231Ls  H529Ls   H529FS  HDAVFS "
           "C231FS   T%  L% Units    Watts    Date      Time";
}

std::vector<ReportPiece> ReportLogLine(const ReportLineValues& v) {
    std::vector<ReportPiece> pieces;
    pieces.push_back({Column(v.dist, "00000.00") + " " + Column(v.freq, "00000.0")});
    pieces.push_back({" " + Column(v.hb, "0000.00") + "  " + Column(v.hm, "000.00")});
    pieces.push_back({" " + numtext::FormatText(v.area, "@@@@@@@@!") + "  "});
    pieces.push_back({CityColumn(v.area, v.city)});
    for (int i = 0; i < ResultColumnCount; ++i)
        pieces.push_back({Column(v.results[i], "0000.00") + " ", !v.inRange[i]});
    pieces.push_back({" " + numtext::Format(v.pctTime / 100.0, "00%")});
    pieces.push_back({" " + numtext::Format(v.pctLoc / 100.0, "00%")});
    pieces.push_back({std::string(" ") + (v.english ? "Enlish" : "Metric")});
    pieces.push_back({" " + Column(v.powerWatts, "000000.0")});
    pieces.push_back({" " + numtext::FormatDate(v.when, "mm/dd/yyyy hh:mm am/pm")});
    pieces.push_back({"\r\n"});
    return pieces;
}
