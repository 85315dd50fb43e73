#include "TempLogFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <unistd.h>

namespace {

const char* const kPrefix = "tarvek-log-";
const char* const kSuffix = ".rtf";

} // namespace

QString TempFolderTried() {
    const QString folder = qEnvironmentVariable("TMPDIR");
    return folder.isEmpty() ? QStringLiteral("/tmp") : QDir::cleanPath(folder);
}

QString GetTempLogName() {
    // A temporary folder that does not exist reads as "", which must not become the root folder.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    QTemporaryFile file(folder + QLatin1Char('/') + QLatin1String(kPrefix) + QStringLiteral("XXXXXX") +
                        QLatin1String(kSuffix));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return QFileInfo(file.fileName()).absoluteFilePath();
}

bool IsOwnTempLog(const QString& path) {
    static const QRegularExpression name(QStringLiteral("^%1[A-Za-z0-9]{6}%2$")
                                             .arg(QRegularExpression::escape(QLatin1String(kPrefix)),
                                                  QRegularExpression::escape(QLatin1String(kSuffix))));
    const QFileInfo info(path.trimmed());
    if (path.trimmed().isEmpty() || info.isRelative() || info.isSymLink() || !info.isFile())
        return false;
    if (info.ownerId() != static_cast<uint>(getuid()) || !name.match(info.fileName()).hasMatch())
        return false;
    const QString folder = QDir(info.absolutePath()).canonicalPath();
    return !folder.isEmpty() && folder == QDir(QDir::tempPath()).canonicalPath();
}

void RemoveTempLog(const QString& path) {
    if (!IsOwnTempLog(path))
        return;
    QFile::remove(path.trimmed());
    // What the last saves added, beside it.
    const QString tail = path.trimmed() + QStringLiteral(".tail");
    if (QFileInfo(tail).isFile() && !QFileInfo(tail).isSymLink())
        QFile::remove(tail);
}

QFileDevice::Permissions LogPermissions(const QString& logPath) {
    const QFileInfo log(logPath);
    if (log.isFile())
        return log.permissions();
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

QString SetAside(const QString& path, const QString& why) {
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            path + QLatin1Char('.') + why + (n == 1 ? QString() : QLatin1Char('-') + QString::number(n));
        // The rename itself refuses a name that is taken.
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink() && QDir().rename(path, name))
            return name;
        if (!QFileInfo::exists(path))
            return {};
    }
    return {};
}

QStringList OwnTempLogs(const QString& except) {
    QStringList logs;
    const QString folder = QDir::tempPath();
    if (folder.isEmpty())
        return logs;
    QDirIterator it(folder, {QLatin1String(kPrefix) + QLatin1Char('*') + QLatin1String(kSuffix)},
                    QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QString path = QFileInfo(it.next()).absoluteFilePath();
        if (path != except.trimmed() && IsOwnTempLog(path))
            logs.append(path);
    }
    logs.sort();
    return logs;
}
