#include "ReportLog.h"

#include "FrmReport.h"
#include "RLogClass.h"

#include <memory>
#include <QCoreApplication>

namespace {

std::unique_ptr<RLogClass>& logStore() {
    static std::unique_ptr<RLogClass> log;
    return log;
}

} // namespace

RLogClass& ReportLog() {
    auto& log = logStore();
    if (!log) {
        log = std::make_unique<RLogClass>();
        // Widgets must go before the application object does.
        qAddPostRoutine(DestroyReportLog);
    }
    return *log;
}

bool ReportLogExists() {
    return logStore() != nullptr;
}

void DestroyReportLog() {
    qRemovePostRoutine(DestroyReportLog);
    logStore().reset();
}

void ReportInsertText(const QString& text) {
    ReportLog().InsertText(text);
}
