#include "SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace settings {

namespace {

// QSettings treats both slashes inside keys as group separators; a name holding one would reach
// another section (or another file), so such names are refused instead.
bool UsableName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool UsableAddress(const QString& application, const QString& section, const QString& key) {
    return !SettingsFilePath(application).isEmpty() && UsableName(section) && UsableName(key);
}

QString Address(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// A QSettings object is built for each call from the path computed now, so a changed
// XDG_CONFIG_HOME or a file rewritten by the planning suite is seen at the next call.
bool Write(QSettings& store) {
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace

QString SettingsFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return QDir::cleanPath(base + QStringLiteral("/ProgramSettings"));
}

QString SettingsFilePath(const QString& application) {
    if (!UsableName(application) || application == QLatin1String(".") || application == QLatin1String("..")) {
        return QString();
    }
    return SettingsFolder() + QLatin1Char('/') + application + QStringLiteral(".ini");
}

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    if (!UsableAddress(application, section, key)) {
        return defaultValue;
    }
    QSettings store(SettingsFilePath(application), QSettings::IniFormat);
    const QVariant value = store.value(Address(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    // Another writer may have left an unquoted comma, which QSettings reads as a list.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    if (!UsableAddress(application, section, key)) {
        return false;
    }
    QSettings store(SettingsFilePath(application), QSettings::IniFormat);
    store.setValue(Address(section, key), value);
    return Write(store);
}

bool SaveSettings(const QString& application, const QString& section,
                  const QList<QPair<QString, QString>>& keysAndValues) {
    for (const auto& entry : keysAndValues) {
        if (!UsableAddress(application, section, entry.first)) {
            return false;
        }
    }
    QSettings store(SettingsFilePath(application), QSettings::IniFormat);
    for (const auto& entry : keysAndValues) {
        store.setValue(Address(section, entry.first), entry.second);
    }
    return Write(store);
}

bool DeleteSetting(const QString& application, const QString& section, const QString& key) {
    if (!UsableAddress(application, section, key)) {
        return false;
    }
    QSettings store(SettingsFilePath(application), QSettings::IniFormat);
    store.remove(Address(section, key));
    return Write(store);
}

} // namespace settings
