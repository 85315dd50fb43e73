#include "ArchiveParameters.h"

#include "NumberText.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

std::string ArchiveParameters(const GraphInputs& in, double powerWatts) {
    // Heights in metres whatever the window shows, so runs archived in either unit system compare.
    std::string hb = TrimBlanks(in.hb);
    std::string hm = TrimBlanks(in.hm);
    if (const auto metres = ReadGraphNumbers(in); metres && in.english) {
        hb = numtext::Format(metres->hbM, "#####0.0###");
        hm = numtext::Format(metres->hmM, "#####0.0###");
    }
    std::string text = "hb:" + hb + ",hm:" + hm + ",frq:" + in.freq + "," + in.area;
    if (Upper(TrimBlanks(in.area)) == "URBAN") {
        text += "," + in.city;
    }
    return text + ",Power:" + KilowattText(powerWatts) + "kW e.r.p.," + TrimBlanks(in.pctTime) + "%T," +
           TrimBlanks(in.pctLoc) + "%L";
}
