#pragma once
// Program-wide values shared by the main window, the dialogs and the graph windows. They live for
// the whole run; the main window's load handler gives them their start values.

#include <QColor>
#include <QString>

namespace program {

// The title message boxes show when they name none, and the settings store's application name.
QString Title();

// The background of a result that lies outside its model's validity range (light red, or near
// black while out-of-range values are hidden).
inline const QColor kOutOfRangeShown{255, 150, 150};
inline const QColor kOutOfRangeHidden{40, 40, 40};
extern QColor OutOfRangeColour;

// -1 while the field-strength graphs overlay measured data, else 0.
extern int ShowMeasuredData;

// The field-strength window's model, a GraphModelNumber (ModelNumbering.h).
extern long GraphModel;

// Full path of the temporary report-log file the calculations save the log to.
extern QString TempLogName;

// The archive database of this run; empty until the first archive action chooses one.
extern QString ArchiveDbPath;

} // namespace program
