#pragma once
// The program's access to the per-user settings store: a cursor (application, section, key,
// setting) for the program's own values, and the parameters shared with the planning suite under
// "Veltrix_Orbel" / "Global Parameters". Every Registry loads its own copy of those parameters when
// it is created; they change in memory until SaveOrbelGlobals writes all of them.

#include "OrbelGlobal.h"
#include "Variant.h"
#include "VariantChange.h"

#include <QString>
#include <vector>

class Registry {
public:
    static constexpr const char* kSuiteApplication = "Veltrix_Orbel";
    static constexpr const char* kSuiteSection = "Global Parameters";
    static constexpr const char* kCalledFromOrbel = "CalledFromOrbel";

    Registry();

    const QString& Appname() const { return appname_; }
    void SetAppname(const QString& value) { appname_ = value; }
    const QString& Section() const { return section_; }
    void SetSection(const QString& value) { section_ = value; }
    const QString& Key() const { return key_; }
    void SetKey(const QString& value) { key_ = value; }
    const QString& Setting() const { return setting_; }
    void SetSetting(const QString& value) { setting_ = value; }

    // Setting := the stored value at the cursor ("" when absent).
    void RegGet();
    // Writes Setting at the cursor; false when the store could not be written.
    bool RegSave();
    // Writes several keys of the cursor's application and section in one write of the store, in
    // the given order; the cursor's key and setting become the last of them. False when nothing
    // could be written.
    bool RegSaveAll(const QList<QPair<QString, QString>>& keysAndValues);
    // Removes the cursor's key.
    bool RegDel();
    // Why the last write that failed failed, naming the file or its folder.
    const QString& LastSaveFailure() const { return lastFailure_; }

    // Reads (and moves the cursor to) key in the cursor's application and section; "" without
    // touching anything when the application, the section or the key is empty.
    QString Param(const QString& key);
    // Writes value at key and moves the cursor there; nothing when a name is empty.
    void SetParam(const QString& key, const QString& value);

    // The suite's launch flag, in memory only.
    bool OrbelActive() const;
    void SetOrbelActive(bool active);

    // A suite parameter's value; VT_EMPTY for a name that is not a parameter.
    automation::Variant OrbelGlobal(const QString& name) const;
    // Converts value to the parameter's type and stores it. An unknown name or a value that does
    // not convert changes nothing and reports nothing.
    void SetOrbelGlobal(const QString& name, const automation::Variant& value);

    // Writes all suite parameters, in their table order, in one write of the store. A parameter
    // whose value is still the one it was loaded with keeps the text it was stored as (a value
    // that could not be read is never replaced by its default); any other is written as text
    // (numbers in the C locale, shortest round-trip form; Booleans "True"/"False"). False when the
    // store could not be written.
    bool SaveOrbelGlobals();

    // The parameters in their table order.
    const std::vector<::OrbelGlobal>& Globals() const { return globals_; }

    // value converted to the type of template; templates of other types keep value as it is. A
    // number text with a decimal comma ("1,5") reads as the suite's number format writes it.
    static automation::Changed CoerceToTypeOf(const automation::Variant& templateValue,
                                              const automation::Variant& value);

private:
    void AddGlobal(const QString& name, const automation::Variant& defaultValue);
    void LoadGlobals();
    const ::OrbelGlobal* Find(const QString& name) const;
    ::OrbelGlobal* Find(const QString& name);

    // What each parameter was loaded with: its stored text ("" when absent) and its value then.
    struct Loaded {
        QString text;
        automation::Variant value;
    };

    std::vector<::OrbelGlobal> globals_;
    std::vector<Loaded> loaded_;
    QString appname_;
    QString section_;
    QString key_;
    QString setting_;
    QString lastFailure_;
};
