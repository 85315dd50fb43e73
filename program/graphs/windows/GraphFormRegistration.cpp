#include "GraphFormRegistration.h"

#include "ClassStore.h"
#include "ComLoader.h"
#include "MessageBox.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr const char* kChartProgId = "ZENT.ZENTCtrl.1";

std::string ShippedLibrary(const QString& folder) {
    return QFileInfo(QDir(folder), QStringLiteral("libzent.so")).absoluteFilePath().toStdString();
}

// The control and each of its pages lead to the library.
bool RegisteredTo(const std::string& library) {
    std::string classId;
    if (!automation::Succeeded(automation::CLSIDFromProgID(kChartProgId, classId)) ||
        automation::InprocServerPath(classId) != library)
        return false;
    const std::vector<std::string> pages = automation::PropertyPageIds(classId);
    return !pages.empty() && std::all_of(pages.begin(), pages.end(), [&](const std::string& page) {
        return automation::InprocServerPath(page) == library;
    });
}

} // namespace

automation::HRESULT RegisterChartControl(const QString& folder) {
    const std::string library = ShippedLibrary(folder);
    if (RegisteredTo(library))
        return automation::S_OK;
    return automation::RegisterServer(library);
}

QString EnsureChartControl(const QString& folder) {
    if (automation::Succeeded(RegisterChartControl(folder)))
        return {};
    const std::string library = ShippedLibrary(folder);
    const std::string loadError = automation::LibraryError(library);
    if (!loadError.empty())
        return QStringLiteral(
                   "The chart control %1 could not be loaded: %2. The graph windows show no chart.")
            .arg(QString::fromStdString(library), QString::fromStdString(loadError));
    const QString why = QString::fromStdString(automation::LastClassStoreFailure());
    if (!automation::Succeeded(automation::RegisterServerForThisRun(library)) || !RegisteredTo(library))
        return QStringLiteral("The chart control %1 could not be registered: %2. The graph windows show no "
                              "chart.")
            .arg(QString::fromStdString(library), why);
    return QStringLiteral("The chart control could not be registered in %1: %2. The charts work in this run; "
                          "the program tries to register it again at its next start.")
        .arg(QString::fromStdString(automation::ClassStorePath()), why);
}

void PrepareChartControl(const QString& folder) {
    const QString problem = EnsureChartControl(folder);
    if (!problem.isEmpty())
        msgbox::MsgBox(problem, msgbox::vbExclamation | msgbox::vbOKOnly);
}
