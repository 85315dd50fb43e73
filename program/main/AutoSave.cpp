#include "AutoSave.h"

#include "MessageBox.h"
#include "RLogClass.h"
#include "TempLogFile.h"

namespace {

bool g_logTold = false;

} // namespace

void ResetAutoSaveReports() {
    g_logTold = false;
}

bool SaveLogToTempFile(RLogClass& log, const QString& path, QWidget* owner, bool whole) {
    if (!path.isEmpty() && log.SaveTempFile(path, whole))
        return true;
    if (!g_logTold) {
        g_logTold = true;
        const QString where = path.isEmpty() ? QStringLiteral("no file could be made in ") + TempFolderTried()
                                             : QStringLiteral("the file is ") + path;
        msgbox::MsgBox(QStringLiteral("The output log could not be saved; ") + where + QLatin1Char('.'),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QStringLiteral("Output Log"), owner);
    }
    return false;
}
