#include "Registry.h"

#include "SettingsStore.h"
#include "VariantChange.h"

#include <optional>
#include <QHash>
#include <QStringList>

using automation::Variant;

namespace {

// The parameters shared with the planning suite, in the order they are created, loaded and saved.
// The default's type is the parameter's type.
struct SuiteGlobalParameter {
    const char* id;
    Variant defaultValue;
};

const std::vector<SuiteGlobalParameter>& SuiteGlobalParameters() {
    static const std::vector<SuiteGlobalParameter> table = {
        {"TxLatDeg_DD", Variant::Str("  ")},
        {"TxLatMin_MM", Variant::Str("  ")},
        {"TxLatSec_SS", Variant::Str("  ")},
        {"TxLatH_NS", Variant::Str("N")},
        {"TxLonDeg_DDD", Variant::Str("   ")},
        {"TxLonMin_MM", Variant::Str("  ")},
        {"TxLonSec_SS", Variant::Str("  ")},
        {"TxLonH_EW", Variant::Str("W")},
        {"RxLatDeg_DD", Variant::Str("  ")},
        {"RxLatMin_MM", Variant::Str("  ")},
        {"RxLatSec_SS", Variant::Str("  ")},
        {"RxLatH_NS", Variant::Str("N")},
        {"RxLonDeg_DDD", Variant::Str("   ")},
        {"RxLonMin_MM", Variant::Str("  ")},
        {"RxLonSec_SS", Variant::Str("  ")},
        {"RxLonH_EW", Variant::Str("W")},
        {"TxHt_m", Variant::R8(0)},
        {"RxHt_m", Variant::R8(0)},
        {"TxLoss_dB", Variant::R8(0)},
        {"RxLoss_dB", Variant::R8(0)},
        {"TxGain_dBi", Variant::R8(0)},
        {"RxGain_dBi", Variant::R8(0)},
        {"TxPower_w", Variant::R8(0)},
        {"TxPolar_HV", Variant::Str("H")},
        {"RxPolar_HV", Variant::Str("H")},
        {"TxFreq_MHz", Variant::R8(100)},
        {"Refrac_Nunits", Variant::R8(301)},
        {"Humidity_gm3", Variant::R8(10)},
        {"GrndCond_Sm", Variant::R8(0.005)},
        {"GrndDiel", Variant::R8(15)},
        {"DeltaH_m", Variant::R8(90)},
        {"PctTime_pct", Variant::R8(0.5)},
        {"PctLoc_pct", Variant::R8(0.5)},
        {"Dist_Km", Variant::R8(1)},
        {"Terrix_Drive", Variant::I2(1)},
        {"TerrainHandler", Variant::Str("Terrix")},
        {"CalledFromOrbel", Variant::Bool(false)},
    };
    return table;
}

bool IsNumeric(automation::VarType type) {
    return type == automation::VT_I2 || type == automation::VT_I4 || type == automation::VT_R8;
}

// "1,5" as a number text written with a decimal comma: exactly one comma and no point.
std::optional<std::string> WithDecimalPoint(const Variant& value) {
    if (value.vt() != automation::VT_BSTR)
        return std::nullopt;
    std::string text = value.AsStr();
    const auto comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos ||
        text.find('.') != std::string::npos)
        return std::nullopt;
    text[comma] = '.';
    return text;
}

bool Convertible(automation::VarType type) {
    switch (type) {
    case automation::VT_I2:
    case automation::VT_I4:
    case automation::VT_R8:
    case automation::VT_BOOL:
    case automation::VT_BSTR:
        return true;
    default:
        return false;
    }
}

QString SuiteText(const Variant& value) {
    const automation::Changed text = automation::ToText(value);
    return text.ok() ? QString::fromStdString(text.value.AsStr()) : QString();
}

} // namespace

Registry::Registry() {
    for (const SuiteGlobalParameter& parameter : SuiteGlobalParameters()) {
        AddGlobal(QString::fromLatin1(parameter.id), parameter.defaultValue);
    }
    LoadGlobals();
}

void Registry::AddGlobal(const QString& name, const Variant& defaultValue) {
    globals_.emplace_back(name, defaultValue);
}

// A stored value that does not convert to its parameter's type (the suite or a person may have
// written anything there) keeps the parameter's default, so one bad value never stops the start;
// its text stays in the store (SaveOrbelGlobals).
void Registry::LoadGlobals() {
    QHash<QString, QString> stored;
    for (const auto& [key, value] :
         settings::GetSection(QLatin1String(kSuiteApplication), QLatin1String(kSuiteSection))) {
        stored.insert(key.toCaseFolded(), value);
    }
    loaded_.clear();
    for (::OrbelGlobal& global : globals_) {
        const QString text = stored.value(global.ID().toCaseFolded());
        if (!text.isEmpty()) {
            const automation::Changed converted =
                CoerceToTypeOf(global.Value(), Variant::Str(text.toStdString()));
            if (converted.ok()) {
                global.SetValue(converted.value);
            }
        }
        loaded_.push_back(Loaded{text, global.Value()});
    }
}

automation::Changed Registry::CoerceToTypeOf(const Variant& templateValue, const Variant& value) {
    if (!Convertible(templateValue.vt())) {
        return automation::Changed{automation::ChangeStatus::Ok, value};
    }
    automation::Changed converted = automation::ChangeType(value, templateValue.vt());
    if (converted.status == automation::ChangeStatus::TypeMismatch && IsNumeric(templateValue.vt())) {
        if (const auto text = WithDecimalPoint(value)) {
            converted = automation::ChangeType(Variant::Str(*text), templateValue.vt());
        }
    }
    return converted;
}

const ::OrbelGlobal* Registry::Find(const QString& name) const {
    for (const ::OrbelGlobal& global : globals_) {
        if (global.ID() == name) {
            return &global;
        }
    }
    return nullptr;
}

::OrbelGlobal* Registry::Find(const QString& name) {
    return const_cast<::OrbelGlobal*>(static_cast<const Registry*>(this)->Find(name));
}

void Registry::RegGet() {
    setting_ = settings::GetSetting(appname_, section_, key_);
}

bool Registry::RegSave() {
    return settings::SaveSetting(appname_, section_, key_, setting_, &lastFailure_);
}

bool Registry::RegSaveAll(const QList<QPair<QString, QString>>& keysAndValues) {
    if (!keysAndValues.isEmpty()) {
        key_ = keysAndValues.back().first;
        setting_ = keysAndValues.back().second;
    }
    return settings::SaveSettings(appname_, section_, keysAndValues, &lastFailure_);
}

bool Registry::RegDel() {
    return settings::DeleteSetting(appname_, section_, key_, &lastFailure_);
}

QString Registry::Param(const QString& key) {
    if (section_.isEmpty() || appname_.isEmpty() || key.isEmpty()) {
        return QString();
    }
    setting_ = settings::GetSetting(appname_, section_, key);
    key_ = key;
    return setting_;
}

void Registry::SetParam(const QString& key, const QString& value) {
    if (section_.isEmpty() || appname_.isEmpty() || key.isEmpty()) {
        return;
    }
    settings::SaveSetting(appname_, section_, key, value, &lastFailure_);
    key_ = key;
    setting_ = value;
}

bool Registry::OrbelActive() const {
    const automation::Changed active =
        automation::ChangeType(OrbelGlobal(QLatin1String(kCalledFromOrbel)), automation::VT_BOOL);
    return active.ok() && active.value.AsBool();
}

void Registry::SetOrbelActive(bool active) {
    if (::OrbelGlobal* global = Find(QLatin1String(kCalledFromOrbel))) {
        global->SetValue(Variant::Bool(active));
    }
}

Variant Registry::OrbelGlobal(const QString& name) const {
    const ::OrbelGlobal* global = Find(name);
    return global ? global->Value() : Variant();
}

void Registry::SetOrbelGlobal(const QString& name, const Variant& value) {
    ::OrbelGlobal* global = Find(name);
    if (!global) {
        return;
    }
    const automation::Changed converted = CoerceToTypeOf(global->Value(), value);
    if (converted.ok()) {
        global->SetValue(converted.value);
    }
}

bool Registry::SaveOrbelGlobals() {
    QList<QPair<QString, QString>> values;
    for (std::size_t i = 0; i < globals_.size(); ++i) {
        const Variant& value = globals_[i].Value();
        const bool asLoaded = !loaded_[i].text.isEmpty() && value == loaded_[i].value;
        values.append({globals_[i].ID(), asLoaded ? loaded_[i].text : SuiteText(value)});
    }
    if (!settings::SaveSettings(QLatin1String(kSuiteApplication), QLatin1String(kSuiteSection), values,
                                &lastFailure_)) {
        return false;
    }
    for (std::size_t i = 0; i < globals_.size(); ++i) {
        loaded_[i] = Loaded{values[static_cast<qsizetype>(i)].second, globals_[i].Value()};
    }
    return true;
}
