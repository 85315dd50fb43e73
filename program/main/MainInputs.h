#pragma once
// The main window's inputs as its boxes and lists show them: the one value other windows exchange
// with it, instead of reaching for its controls.

#include <QString>

struct MainInputs {
    QString freq;
    QString dist;
    QString hb;
    QString hm;
    QString pctTime;
    QString pctLoc;
    QString area;
    QString city;
    QString power;     // the power box, in the unit of the unit list
    int powerUnit = 1; // the unit list's entry: 0 W, 1 kW e.r.p., 2 dBm, 3 dBw
    // The unit system the lengths are shown in. Only the Units menu switches it: setting the
    // inputs leaves it as it is.
    bool english = false;
};
