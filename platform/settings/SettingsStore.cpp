#include "SettingsStore.h"

#include "AtomicFile.h"
#include "IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace settings {

namespace {

bool HasControl(const QString& name) {
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
}

// A name must come back from the file as the same name, and must not reach another section or
// another file: no slashes (an earlier store read them as separators), no control characters, no
// blanks at its ends (an INI reader drops them), nothing that reads as a section header.
bool UsableName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !HasControl(name) && name.trimmed() == name && !name.startsWith(QLatin1Char('['));
}

bool UsableSection(const QString& section) {
    return UsableName(section) && !section.contains(QLatin1Char(']'));
}

bool UsableKey(const QString& key) {
    return UsableName(key) && !key.contains(QLatin1Char('=')) && !key.startsWith(QLatin1Char(';')) &&
           !key.startsWith(QLatin1Char('#'));
}

bool UsableAddress(const QString& application, const QString& section) {
    return !SettingsFilePath(application).isEmpty() && UsableSection(section);
}

// The file is read at every call, so a file rewritten by the planning suite, or a changed
// XDG_CONFIG_HOME, is seen at once. A file that cannot be read counts as empty.
IniDocument Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniDocument();
    return IniDocument::Parse(file.readAll());
}

bool Store(const QString& path, const IniDocument& doc) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return files::WriteFileAtomically(path, doc.Serialize());
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
    if (!UsableAddress(application, section) || !UsableKey(key)) {
        return defaultValue;
    }
    return Load(SettingsFilePath(application)).Value(section, key).value_or(defaultValue);
}

KeysAndValues GetSection(const QString& application, const QString& section) {
    if (!UsableAddress(application, section)) {
        return {};
    }
    return Load(SettingsFilePath(application)).Section(section);
}

bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    return SaveSettings(application, section, {{key, value}});
}

bool SaveSettings(const QString& application, const QString& section, const KeysAndValues& keysAndValues) {
    if (!UsableAddress(application, section)) {
        return false;
    }
    for (const auto& entry : keysAndValues) {
        if (!UsableKey(entry.first)) {
            return false;
        }
    }
    const QString path = SettingsFilePath(application);
    IniDocument doc = Load(path);
    doc.Set(section, keysAndValues);
    return Store(path, doc);
}

bool DeleteSetting(const QString& application, const QString& section, const QString& key) {
    if (!UsableAddress(application, section) || !UsableKey(key)) {
        return false;
    }
    const QString path = SettingsFilePath(application);
    IniDocument doc = Load(path);
    if (!doc.Remove(section, key)) {
        return true;
    }
    return Store(path, doc);
}

} // namespace settings
