#include "AutoSave.h"

#include "FrmReport.h"
#include "MessageBox.h"
#include "RLogClass.h"
#include "TempLogFile.h"

#include <QFileInfo>

namespace {

bool g_logTold = false;

QString FailureText(RLogClass& log, const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("The output log could not be saved: no file could be made in the temporary "
                              "folder %1.")
            .arg(TempFolderTried());
    QString failed = log.Form().TempSaves().FailedFile();
    if (failed.isEmpty())
        failed = path;
    const QFileInfo file(failed);
    return QStringLiteral("The output log could not be saved: %1 could not be written in the folder %2.")
        .arg(file.fileName(), file.absolutePath());
}

} // namespace

void ResetAutoSaveReports() {
    g_logTold = false;
}

void LogFailureToldAtStart() {
    g_logTold = true;
}

bool SaveLogToTempFile(RLogClass& log, const QString& path, QWidget* owner, bool whole) {
    if (!path.isEmpty() && log.SaveTempFile(path, whole)) {
        g_logTold = false;
        return true;
    }
    if (!g_logTold) {
        g_logTold = true;
        msgbox::MsgBox(FailureText(log, path) +
                           QStringLiteral(" The log stays in the report window; the next save tries again."),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QStringLiteral("Output Log"), owner);
    }
    return false;
}

bool SaveLogAtEnd(RLogClass& log, const QString& path, QWidget* owner) {
    if (!path.isEmpty() && log.SaveTempFile(path, true))
        return true;
    const QString kept = path.isEmpty() || !QFileInfo(path).isFile()
                             ? QStringLiteral("Nothing of it is kept for the next start.")
                             : QStringLiteral("The next start shows it as it was last saved.");
    const int answer =
        msgbox::MsgBox(FailureText(log, path) + QLatin1Char(' ') + kept +
                           QStringLiteral("\n\nSave the log to another file with "
                                          "\"Save to File\" before the program ends?"),
                       msgbox::vbExclamation | msgbox::vbYesNo, QStringLiteral("Output Log"), owner);
    if (answer == msgbox::vbYes)
        log.Form().cmdFile_Click();
    return false;
}

