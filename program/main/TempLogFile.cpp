#include "TempLogFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

QString GetTempLogName() {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tarvek-log-XXXXXX.rtf"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return QFileInfo(file.fileName()).absoluteFilePath();
}

void RemoveTempLog(const QString& path) {
    if (!path.trimmed().isEmpty())
        QFile::remove(path.trimmed());
}
