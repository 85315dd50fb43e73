#include "ClassStore.h"

#include "ClassFactory.h"

#include "AtomicFile.h"

#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace automation {

namespace {

bool g_typeLibFails = false;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Class ids and ProgIDs become group names; QSettings escapes what INI keys cannot hold.
QString ClassGroup(const std::string& classId) {
    return QStringLiteral("CLSID/") + Q(classId);
}
QString ProgIdGroup(const std::string& progId) {
    return QStringLiteral("ProgID/") + Q(progId);
}
QString TypeLibGroup(const std::string& libId, const std::string& version) {
    return QStringLiteral("TypeLib/") + Q(libId) + QLatin1Char('/') + Q(version);
}

// QSettings reports success even when its last write was cut short: a full disk would leave the
// store truncated and the registrations after the cut lost. So QSettings works on a private copy of
// the store, and an edited copy replaces the store through the atomic writer only once it has been
// read back whole. Each copy has a new name, because QSettings answers a reader of a name it has
// seen from its cache, not from the file; for the same reason the read-back goes through a link.
class Store {
public:
    enum Use { Read, Edit };

    explicit Store(Use use) : path_(Q(ClassStorePath())) {
        QFile store(path_);
        const bool readable = !store.exists() || store.open(QIODevice::ReadOnly);
        const QByteArray bytes = readable ? store.readAll() : QByteArray();
        copied_ = temp_.isValid() && readable && store.error() == QFileDevice::NoError &&
                  files::WriteFileAtomically(CopyPath(), bytes);
        // Without a copy (no room in the temporary folder) a reader reads the store itself; an
        // editor gets a store of no file, which QSettings never writes, and fails.
        settings_.emplace(copied_ ? CopyPath() : use == Read ? path_ : QString(), QSettings::IniFormat);
    }
    QSettings& operator*() { return *settings_; }
    QSettings* operator->() { return &*settings_; }

    HRESULT Commit(HRESULT failure) {
        if (!copied_) {
            return failure;
        }
        settings_->sync();
        const QString check = temp_.filePath(QStringLiteral("check.ini"));
        if (settings_->status() != QSettings::NoError || !QFile::link(CopyPath(), check) ||
            !SameEntries(*settings_, QSettings(check, QSettings::IniFormat))) {
            return failure;
        }
        QFile copy(CopyPath());
        if (!copy.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(path_).absolutePath())) {
            return failure;
        }
        const QByteArray bytes = copy.readAll();
        return copy.error() == QFileDevice::NoError && files::WriteFileAtomically(path_, bytes) ? S_OK
                                                                                                : failure;
    }

private:
    QString CopyPath() const { return temp_.filePath(QStringLiteral("classes.ini")); }

    static bool SameEntries(const QSettings& a, const QSettings& b) {
        const QStringList keys = a.allKeys();
        if (keys != b.allKeys()) {
            return false;
        }
        for (const QString& key : keys) {
            if (a.value(key) != b.value(key)) {
                return false;
            }
        }
        return true;
    }

    QString path_;
    QTemporaryDir temp_;
    bool copied_ = false;
    std::optional<QSettings> settings_;
};

} // namespace

std::string ClassStorePath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return QDir::cleanPath(base + QStringLiteral("/ProgramSettings/classes.ini")).toStdString();
}

HRESULT RegisterTypeLib(const std::string& libId, const std::string& version, const std::string& libraryPath,
                        const std::string& helpFile) {
    if (g_typeLibFails) {
        return E_FAIL;
    }
    Store store(Store::Edit);
    const QString group = TypeLibGroup(libId, version);
    store->setValue(group + QStringLiteral("/Path"), Q(libraryPath));
    store->setValue(group + QStringLiteral("/HelpFile"), Q(helpFile));
    return store.Commit(E_FAIL);
}

HRESULT UnRegisterTypeLib(const std::string& libId, const std::string& version) {
    if (g_typeLibFails) {
        return E_FAIL;
    }
    Store store(Store::Edit);
    store->remove(TypeLibGroup(libId, version));
    return store.Commit(E_FAIL);
}

std::string TypeLibPath(const std::string& libId, const std::string& version) {
    Store store(Store::Read);
    return store->value(TypeLibGroup(libId, version) + QStringLiteral("/Path")).toString().toStdString();
}

HRESULT RegisterClassEntry(const ClassRegistration& entry) {
    Store store(Store::Edit);
    const QString group = ClassGroup(entry.classId);
    store->remove(group);
    store->beginGroup(group);
    store->setValue(QStringLiteral("ProgID"), Q(entry.progId));
    store->setValue(QStringLiteral("UserTypeName"), Q(entry.userTypeName));
    store->setValue(QStringLiteral("InprocServer"), Q(entry.libraryPath));
    store->setValue(QStringLiteral("ThreadingModel"), QStringLiteral("Apartment"));
    store->setValue(QStringLiteral("TypeLib"), Q(entry.typeLibId));
    store->setValue(QStringLiteral("Version"), Q(entry.typeLibVersion));
    store->setValue(QStringLiteral("Flags"), entry.flags);
    store->setValue(QStringLiteral("MiscStatus"), entry.miscStatus);
    QStringList pages;
    for (const std::string& page : entry.propertyPages) {
        pages << Q(page);
    }
    store->setValue(QStringLiteral("PropertyPages"), pages.join(QLatin1Char(',')));
    store->endGroup();
    if (!entry.progId.empty()) {
        store->setValue(ProgIdGroup(entry.progId) + QStringLiteral("/CLSID"), Q(entry.classId));
    }
    return store.Commit(SELFREG_E_CLASS);
}

HRESULT UnregisterClassEntry(const std::string& classId, const std::string& progId) {
    Store store(Store::Edit);
    store->remove(ClassGroup(classId));
    if (!progId.empty()) {
        store->remove(ProgIdGroup(progId));
    }
    return store.Commit(SELFREG_E_CLASS);
}

HRESULT RegisterClassId(const std::string& classId, const std::string& libraryPath,
                        const std::string& userTypeName) {
    Store store(Store::Edit);
    store->setValue(ClassGroup(classId) + QStringLiteral("/InprocServer"), Q(libraryPath));
    store->setValue(ClassGroup(classId) + QStringLiteral("/UserTypeName"), Q(userTypeName));
    return store.Commit(SELFREG_E_CLASS);
}

HRESULT UnregisterClassId(const std::string& classId) {
    Store store(Store::Edit);
    store->remove(ClassGroup(classId));
    return store.Commit(SELFREG_E_CLASS);
}

HRESULT CLSIDFromProgID(const std::string& progId, std::string& classId) {
    Store store(Store::Read);
    const QString id = store->value(ProgIdGroup(progId) + QStringLiteral("/CLSID")).toString();
    if (id.isEmpty()) {
        return REGDB_E_CLASSNOTREG;
    }
    classId = id.toStdString();
    return S_OK;
}

std::string ClassUserTypeName(const std::string& classId) {
    Store store(Store::Read);
    return store->value(ClassGroup(classId) + QStringLiteral("/UserTypeName")).toString().toStdString();
}

std::string InprocServerPath(const std::string& classId) {
    Store store(Store::Read);
    return store->value(ClassGroup(classId) + QStringLiteral("/InprocServer")).toString().toStdString();
}

std::vector<std::string> PropertyPageIds(const std::string& classId) {
    Store store(Store::Read);
    const QString pages = store->value(ClassGroup(classId) + QStringLiteral("/PropertyPages")).toString();
    std::vector<std::string> ids;
    for (const QString& page : pages.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        ids.push_back(page.toStdString());
    }
    return ids;
}

void SetTypeLibRegistrationFailsForTest(bool fail) {
    g_typeLibFails = fail;
}

} // namespace automation
