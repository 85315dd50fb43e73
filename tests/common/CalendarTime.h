#pragma once
// A fixed local time for what prints a date (chart titles, report lines), so that the text a
// test expects does not change with the day it runs.

#include <ctime>

namespace testsupport {

// Month 1 to 12, hour 0 to 23.
inline std::tm CalendarTime(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

} // namespace testsupport
