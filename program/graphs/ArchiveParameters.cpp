#include "ArchiveParameters.h"

#include "NumberText.h"

std::string ArchiveParameters(const GraphInputs& in, double powerWatts) {
    // Heights in metres whatever the window shows, so runs archived in either unit system compare.
    std::string hb = TrimBlanks(in.hb);
    std::string hm = TrimBlanks(in.hm);
    if (const auto metres = ModelInputsOf(in); metres && in.english) {
        hb = numtext::Format(metres->h_b__meter, "#####0.0###");
        hm = numtext::Format(metres->h_m__meter, "#####0.0###");
    }
    std::string text = "hb:" + hb + ",hm:" + hm + ",frq:" + in.freq + "," + in.area;
    if (ParseAreaType(in.area) == AreaType::Urban) {
        text += "," + in.city;
    }
    return text + ",Power:" + KilowattText(powerWatts) + "kW e.r.p.," + TrimBlanks(in.pctTime) + "%T," +
           TrimBlanks(in.pctLoc) + "%L";
}
