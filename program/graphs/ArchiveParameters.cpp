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
    std::string text =
        "hb:" + TrimBlanks(in.hb) + ",hm:" + TrimBlanks(in.hm) + ",frq:" + in.freq + "," + in.area;
    if (Upper(TrimBlanks(in.area)) == "URBAN") {
        text += "," + in.city;
    }
    return text + ",Power:" + numtext::Format(powerWatts / 1000.0, "###.##") + "kW e.r.p.," +
           TrimBlanks(in.pctTime) + "%T," + TrimBlanks(in.pctLoc) + "%L";
}
