#include "ProgramState.h"

namespace program {

QString Title() {
    return QStringLiteral("Brindel");
}

QColor OutOfRangeColour = kOutOfRangeShown;
int ShowMeasuredData = 0;
long GraphModel = 0;
QString TempLogName;
QString ArchiveDbPath;

} // namespace program
