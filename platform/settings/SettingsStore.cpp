#include "SettingsStore.h"

#include "EditIniFile.h"
#include "IniDocument.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <deque>
#include <memory>
#include <optional>
#include <sys/stat.h>

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

bool Unusable(const QString& application, const QString& section, QString* failure) {
    if (failure) {
        *failure = QStringLiteral("the names \"%1\", \"%2\" cannot be stored in %3")
                       .arg(application, section, SettingsFolder());
    }
    return false;
}

// What identifies one version of a file: a rewrite by the planning suite, or our own atomic
// replacement, changes at least one of these.
struct FileVersion {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const FileVersion& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

std::optional<FileVersion> VersionOf(const QString& path) {
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileVersion{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// The files read last, as read: a start reads a dozen keys of the same file, which must not cost
// a dozen readings of a file that may hold long values.
struct CachedFile {
    QString path;
    FileVersion version;
    std::shared_ptr<const IniDocument> doc;
};
constexpr std::size_t kCachedFiles = 4;

std::deque<CachedFile>& Cache() {
    static std::deque<CachedFile> cache;
    return cache;
}

void Remember(const QString& path, const FileVersion& version, std::shared_ptr<const IniDocument> doc) {
    auto& cache = Cache();
    cache.erase(
        std::remove_if(cache.begin(), cache.end(), [&](const CachedFile& c) { return c.path == path; }),
        cache.end());
    cache.push_front(CachedFile{path, version, std::move(doc)});
    if (cache.size() > kCachedFiles)
        cache.pop_back();
}

// The file as it is now, so a file rewritten by the planning suite or another copy of the
// program, or a changed XDG_CONFIG_HOME, is seen at once; a file that is absent or cannot be read
// is empty.
std::shared_ptr<const IniDocument> Load(const QString& path) {
    const std::optional<FileVersion> version = VersionOf(path);
    if (!version)
        return std::make_shared<IniDocument>();
    for (const CachedFile& cached : Cache()) {
        if (cached.path == path && cached.version == *version)
            return cached.doc;
    }
    std::optional<IniDocument> read = ReadIniFile(path);
    if (!read)
        return std::make_shared<IniDocument>();
    auto doc = std::make_shared<const IniDocument>(std::move(*read));
    Remember(path, *version, doc);
    return doc;
}

// Applies an edit to the application's stored settings, as they are under the lock every writer
// takes, and stores them when the edit changed something.
template <typename Edit> bool ChangeStored(const QString& application, Edit edit, QString* failure) {
    const QString path = SettingsFilePath(application);
    // Remembered while the lock still keeps other writers from replacing the file.
    const auto remember = [&path](const IniDocument& doc) {
        if (const std::optional<FileVersion> version = VersionOf(path))
            Remember(path, *version, std::make_shared<const IniDocument>(doc));
    };
    return EditIniFile(path, edit, remember, failure);
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
    return Load(SettingsFilePath(application))->Value(section, key).value_or(defaultValue);
}

KeysAndValues GetSection(const QString& application, const QString& section) {
    if (!UsableAddress(application, section)) {
        return {};
    }
    return Load(SettingsFilePath(application))->Section(section);
}

bool SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value,
                 QString* failure) {
    return SaveSettings(application, section, {{key, value}}, failure);
}

bool SaveSettings(const QString& application, const QString& section, const KeysAndValues& keysAndValues,
                  QString* failure) {
    const bool usable =
        UsableAddress(application, section) && std::all_of(keysAndValues.begin(), keysAndValues.end(),
                                                           [](const auto& e) { return UsableKey(e.first); });
    if (!usable) {
        return Unusable(application, section, failure);
    }
    return ChangeStored(
        application,
        [&](IniDocument& doc) {
            doc.Set(section, keysAndValues);
            return true;
        },
        failure);
}

bool DeleteSetting(const QString& application, const QString& section, const QString& key, QString* failure) {
    if (!UsableAddress(application, section) || !UsableKey(key)) {
        return Unusable(application, section, failure);
    }
    return ChangeStored(
        application, [&](IniDocument& doc) { return doc.Remove(section, key); }, failure);
}

} // namespace settings
