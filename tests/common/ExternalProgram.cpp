#include "ExternalProgram.h"

#include <QProcess>
#include <QStandardPaths>

namespace testsupport {

namespace {

// Messages of programs that start but lack a data package (libwmf without its fonts).
bool LacksData(const QString& errorOutput) {
    return errorOutput.contains("failed to load", Qt::CaseInsensitive) ||
           errorOutput.contains("font", Qt::CaseInsensitive);
}

} // namespace

ExternalRun RunExternal(const QString& program, const QStringList& arguments, const QString& packages) {
    ExternalRun run;
    const QString hint = QStringLiteral(" (install %1: bash tools/setup.sh)").arg(packages);
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        run.problem = program + QStringLiteral(" is not installed") + hint;
        return run;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1)) {
        run.problem = program + QStringLiteral(" could not run: ") + process.errorString() + hint;
        return run;
    }
    run.errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString first = run.errorOutput.section('\n', 0, 0).trimmed();
        run.problem =
            program + QStringLiteral(" failed: ") + first + (LacksData(run.errorOutput) ? hint : QString());
        return run;
    }
    run.ok = true;
    return run;
}

} // namespace testsupport
