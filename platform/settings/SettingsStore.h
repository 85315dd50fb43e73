#pragma once
// The per-user settings store: text values addressed by application, section and key, one plain
// INI file per application under $XDG_CONFIG_HOME/ProgramSettings/ (~/.config/ProgramSettings/ by
// default), with sections and keys written as they are named, so the planning suite and any INI
// reader read them (IniDocument). Values are always text; whoever stores a number decides its
// text form. Every write replaces the file whole or not at all, under the lock that other copies
// of the program take too (EditIniFile), so writers of the same file never lose each other's keys;
// a write that cannot take the lock in a few seconds fails.

#include "IniDocument.h"

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

// Every key of one section with its value, in file order, read in one go.
KeysAndValues GetSection(const QString& application, const QString& section);

// Writes the text, creating the file, section and key as needed. False when nothing was written;
// `failure` then says why, naming the file or its folder.
bool SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value,
                 QString* failure = nullptr);

// Writes several keys of one section in one write of the file: all of them or, on failure, none.
// They stand together in the given order.
bool SaveSettings(const QString& application, const QString& section, const KeysAndValues& keysAndValues,
                  QString* failure = nullptr);

// Removes one key. False when the key could not be removed (unusable names, write failure); an
// absent key is not a failure.
bool DeleteSetting(const QString& application, const QString& section, const QString& key,
                   QString* failure = nullptr);

} // namespace settings
