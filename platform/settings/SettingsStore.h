#pragma once
// The per-user settings store: text values addressed by application, section and key, one INI file
// per application under $XDG_CONFIG_HOME/ProgramSettings/ (~/.config/ProgramSettings/ by default).
// Values are always text; whoever stores a number decides its text form.

#include <QList>
#include <QPair>
#include <QString>

namespace settings {

// The folder that holds every application's file.
QString SettingsFolder();

// The file of one application; empty when the name cannot be a file name (empty, "." or "..",
// a path separator).
QString SettingsFilePath(const QString& application);

// The stored text, or defaultValue when the key is absent or the names are unusable.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = QString());

// Writes the text, creating the file, section and key as needed. False when nothing was written.
bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// Writes several keys of one section in one go: all of them or, on failure, none.
bool SaveSettings(const QString& application, const QString& section,
                  const QList<QPair<QString, QString>>& keysAndValues);

// Removes one key. False when the key could not be removed (unusable names, write failure); an
// absent key is not a failure.
bool DeleteSetting(const QString& application, const QString& section, const QString& key);

} // namespace settings
