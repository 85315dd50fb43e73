#include "SimultaneousRuns.h"

#include <QProcess>

#include <memory>

namespace testsupport {

SimultaneousRun RunSimultaneously(const QString& program, const std::vector<QStringList>& arguments) {
    SimultaneousRun run;
    std::vector<std::unique_ptr<QProcess>> copies;
    for (const QStringList& args : arguments) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(program, args);
    }
    for (const auto& copy : copies) {
        if (!copy->waitForStarted(-1)) {
            run.problem = program + QStringLiteral(" could not start: ") + copy->errorString();
        }
    }
    // Without an event loop QProcess sends what it was given only while it waits on that process.
    for (const auto& copy : copies) {
        copy->write("go\n");
        copy->waitForBytesWritten(-1);
    }
    for (const auto& copy : copies) {
        copy->closeWriteChannel();
    }
    for (const auto& copy : copies) {
        copy->waitForFinished(-1);
        if (run.problem.isEmpty() && (copy->exitStatus() != QProcess::NormalExit || copy->exitCode() != 0)) {
            run.problem =
                program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(copy->readAllStandardError());
        }
        run.output.push_back(
            QString::fromUtf8(copy->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }
    run.ok = run.problem.isEmpty();
    return run;
}

} // namespace testsupport
