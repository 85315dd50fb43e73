#include "GraphFormRegistration.h"

#include "ClassStore.h"
#include "ComLoader.h"

#include <QDir>
#include <QFileInfo>

automation::HRESULT RegisterChartControl(const QString& folder) {
    const std::string library =
        QFileInfo(QDir(folder), QStringLiteral("libzent.so")).absoluteFilePath().toStdString();
    std::string classId;
    if (automation::Succeeded(automation::CLSIDFromProgID("ZENT.ZENTCtrl.1", classId)) &&
        automation::InprocServerPath(classId) == library)
        return automation::S_OK;
    return automation::RegisterServer(library);
}
