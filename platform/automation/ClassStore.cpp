#include "ClassStore.h"

#include "ClassFactory.h"

#include "EditIniFile.h"
#include "IniDocument.h"
#include "SettingsStore.h"

#include <functional>
#include <optional>
#include <QString>
#include <QStringList>

namespace automation {

namespace {

using settings::IniDocument;

bool g_typeLibFails = false;
std::function<void()> g_afterWrite;
bool g_thisRunOnly = false;
std::string g_lastFailure;

// Registrations made for this run only, when the store could not take them: read before the
// store, so the library registered here is the one used. They belong to the store of the moment
// (a changed config folder is another store).
struct RunLayer {
    std::string storePath;
    IniDocument entries;
    bool any = false;
};

RunLayer& RunEntriesLayer() {
    static RunLayer layer;
    const std::string store = ClassStorePath();
    if (layer.storePath != store) {
        layer = RunLayer{store, IniDocument(), false};
    }
    return layer;
}

IniDocument& RunEntries() {
    return RunEntriesLayer().entries;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The store's layout is the one it has always had: a section per kind, and each entry's values
// under keys that start with the entry's name and a backslash ("[CLSID]", "{7E77...}\InprocServer").
// A store the previous build wrote through QSettings reads the same: its percent-escaped names and
// quoted values are read as IniDocument reads an earlier store. Only a value QSettings escaped
// without quotes (one holding a backslash, a double quote or a control character, or starting with
// "@") would read otherwise; class ids, names and versions never hold one, and a library path that
// did would not match its library, which the program then registers again.
struct Entry {
    QString section;
    QString name;
    QString Key(const char* value) const { return name + QLatin1Char('\\') + QLatin1String(value); }
};

Entry ClassEntry(const std::string& classId) {
    return {QStringLiteral("CLSID"), Q(classId)};
}
Entry ProgIdEntry(const std::string& progId) {
    return {QStringLiteral("ProgID"), Q(progId)};
}
Entry TypeLibEntry(const std::string& libId, const std::string& version) {
    return {QStringLiteral("TypeLib"), Q(libId) + QLatin1Char('\\') + Q(version)};
}

QString ReadValue(const Entry& entry, const char* value) {
    if (const std::optional<QString> ours = RunEntries().Value(entry.section, entry.Key(value)))
        return *ours;
    const std::optional<IniDocument> store = settings::ReadIniFile(Q(ClassStorePath()));
    return store ? store->Value(entry.section, entry.Key(value)).value_or(QString()) : QString();
}

// The edited store replaces the file whole, or the file stays as it was and `failure` is returned.
// Other copies of the program register into the same store: the edit runs under its lock. This
// run's own registrations follow every edit, so they never contradict the store.
HRESULT EditStore(HRESULT failure, const std::function<void(IniDocument&)>& edit) {
    if (!g_thisRunOnly) {
        QString why;
        const bool written = settings::EditIniFile(
            Q(ClassStorePath()),
            [&edit](IniDocument& store) {
                edit(store);
                return true;
            },
            {}, &why);
        if (!written) {
            g_lastFailure = why.toStdString();
            return failure;
        }
        if (g_afterWrite)
            g_afterWrite();
    }
    RunLayer& layer = RunEntriesLayer();
    if (g_thisRunOnly || layer.any) {
        edit(layer.entries);
        layer.any = true;
    }
    return S_OK;
}

void RemoveEntry(IniDocument& store, const Entry& entry) {
    const QString prefix = entry.Key("").toCaseFolded();
    for (const auto& [key, value] : store.Section(entry.section)) {
        if (key.toCaseFolded().startsWith(prefix)) {
            store.Remove(entry.section, key);
        }
    }
}

void SetValues(IniDocument& store, const Entry& entry,
               const std::vector<std::pair<const char*, QString>>& values) {
    settings::KeysAndValues keys;
    for (const auto& [value, text] : values) {
        keys.append({entry.Key(value), text});
    }
    store.Set(entry.section, keys);
}

} // namespace

std::string ClassStorePath() {
    return (settings::SettingsFolder() + QStringLiteral("/classes.ini")).toStdString();
}

HRESULT RegisterTypeLib(const std::string& libId, const std::string& version, const std::string& libraryPath,
                        const std::string& helpFile) {
    if (g_typeLibFails) {
        return E_FAIL;
    }
    return EditStore(E_FAIL, [&](IniDocument& store) {
        SetValues(store, TypeLibEntry(libId, version), {{"Path", Q(libraryPath)}, {"HelpFile", Q(helpFile)}});
    });
}

HRESULT UnRegisterTypeLib(const std::string& libId, const std::string& version) {
    if (g_typeLibFails) {
        return E_FAIL;
    }
    return EditStore(E_FAIL, [&](IniDocument& store) { RemoveEntry(store, TypeLibEntry(libId, version)); });
}

std::string TypeLibPath(const std::string& libId, const std::string& version) {
    return ReadValue(TypeLibEntry(libId, version), "Path").toStdString();
}

HRESULT RegisterClassEntry(const ClassRegistration& entry) {
    QStringList pages;
    for (const std::string& page : entry.propertyPages) {
        pages << Q(page);
    }
    return EditStore(SELFREG_E_CLASS, [&](IniDocument& store) {
        const Entry registered = ClassEntry(entry.classId);
        RemoveEntry(store, registered);
        SetValues(store, registered,
                  {{"ProgID", Q(entry.progId)},
                   {"UserTypeName", Q(entry.userTypeName)},
                   {"InprocServer", Q(entry.libraryPath)},
                   {"ThreadingModel", QStringLiteral("Apartment")},
                   {"TypeLib", Q(entry.typeLibId)},
                   {"Version", Q(entry.typeLibVersion)},
                   {"Flags", QString::number(entry.flags)},
                   {"MiscStatus", QString::number(entry.miscStatus)},
                   {"PropertyPages", pages.join(QLatin1Char(','))}});
        if (!entry.progId.empty()) {
            SetValues(store, ProgIdEntry(entry.progId), {{"CLSID", Q(entry.classId)}});
        }
    });
}

HRESULT UnregisterClassEntry(const std::string& classId, const std::string& progId) {
    return EditStore(SELFREG_E_CLASS, [&](IniDocument& store) {
        RemoveEntry(store, ClassEntry(classId));
        if (!progId.empty()) {
            RemoveEntry(store, ProgIdEntry(progId));
        }
    });
}

HRESULT RegisterClassId(const std::string& classId, const std::string& libraryPath,
                        const std::string& userTypeName) {
    return EditStore(SELFREG_E_CLASS, [&](IniDocument& store) {
        SetValues(store, ClassEntry(classId),
                  {{"InprocServer", Q(libraryPath)}, {"UserTypeName", Q(userTypeName)}});
    });
}

HRESULT UnregisterClassId(const std::string& classId) {
    return EditStore(SELFREG_E_CLASS, [&](IniDocument& store) { RemoveEntry(store, ClassEntry(classId)); });
}

HRESULT CLSIDFromProgID(const std::string& progId, std::string& classId) {
    const QString id = ReadValue(ProgIdEntry(progId), "CLSID");
    if (id.isEmpty()) {
        return REGDB_E_CLASSNOTREG;
    }
    classId = id.toStdString();
    return S_OK;
}

std::string ClassUserTypeName(const std::string& classId) {
    return ReadValue(ClassEntry(classId), "UserTypeName").toStdString();
}

std::string InprocServerPath(const std::string& classId) {
    return ReadValue(ClassEntry(classId), "InprocServer").toStdString();
}

std::vector<std::string> PropertyPageIds(const std::string& classId) {
    const QString pages = ReadValue(ClassEntry(classId), "PropertyPages");
    std::vector<std::string> ids;
    for (const QString& page : pages.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        ids.push_back(page.toStdString());
    }
    return ids;
}

std::string LastClassStoreFailure() {
    return g_lastFailure;
}

ThisRunOnly::ThisRunOnly() : previous_(g_thisRunOnly) {
    g_thisRunOnly = true;
}

ThisRunOnly::~ThisRunOnly() {
    g_thisRunOnly = previous_;
}

void SetTypeLibRegistrationFailsForTest(bool fail) {
    g_typeLibFails = fail;
}

void SetAfterStoreWriteForTest(std::function<void()> hook) {
    g_afterWrite = std::move(hook);
}

} // namespace automation
