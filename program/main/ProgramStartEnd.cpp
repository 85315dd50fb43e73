#include "ProgramStartEnd.h"

#include "AutoSave.h"
#include "ContextIDs.h"
#include "FrmReport.h"
#include "InputValidation.h"
#include "LoadMeasured.h"
#include "MainForm.h"
#include "MainInputPanel.h"
#include "Measured.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "ProgramState.h"
#include "Registry.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "ReportLogText.h"
#include "RLogClass.h"
#include "SettingsSaves.h"
#include "TempLogFile.h"
#include "TempLogLock.h"
#include "UnitSystem.h"
#include "VariantChange.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextEdit>

namespace {

const char* const kSection = "Loss_FieldStrength";

std::function<void()>& ProgramEnd() {
    static std::function<void()> end = [] { QCoreApplication::quit(); };
    return end;
}

struct StoredBox {
    const char* key;
    QString MainInputs::*text;
};

// The program's own input keys, in the order start-up reads and the end writes them.
const StoredBox kStoredBoxes[] = {
    {"PCTTIME", &MainInputs::pctTime}, {"PCTLOC", &MainInputs::pctLoc}, {"Dist", &MainInputs::dist},
    {"Freq", &MainInputs::freq},       {"HB", &MainInputs::hb},         {"HM", &MainInputs::hm},
};

struct SuiteValue {
    const char* name;
    QString MainInputs::*text;
    InputBox box;
    double boxPerSuite; // the box shows the suite's value times this (percentages)
};

// The suite keeps metric values and fractions; the boxes show percentages and the active units.
const SuiteValue kSuiteValues[] = {
    {"PctTime_pct", &MainInputs::pctTime, InputBox::PctTime, 100},
    {"PctLoc_pct", &MainInputs::pctLoc, InputBox::PctLoc, 100},
    {"TxHt_m", &MainInputs::hb, InputBox::BaseHeight, 1},
    {"RxHt_m", &MainInputs::hm, InputBox::MobileHeight, 1},
    {"Dist_Km", &MainInputs::dist, InputBox::Distance, 1},
    {"TxFreq_MHz", &MainInputs::freq, InputBox::Frequency, 1},
};

std::optional<double> Number(const QString& text) {
    return numtext::StrictNumber(text.toStdString());
}

} // namespace

ProgramStartEnd::ProgramStartEnd(MainForm& form, MainInputPanel& inputs)
    : form_(form), inputs_(inputs), logLock_(std::make_unique<TempLogLock>()) {}

ProgramStartEnd::~ProgramStartEnd() = default;

void ProgramStartEnd::SetProgramEnd(std::function<void()> end) {
    ProgramEnd() = std::move(end);
}

Registry& ProgramStartEnd::registry() {
    if (!registry_)
        registry_ = std::make_unique<Registry>();
    return *registry_;
}

void ProgramStartEnd::Load() {
    ResetAutoSaveReports();
    ShowWaitWhileSettingsLocked();
    SetHelpFile(&form_);
    MeasuredData.assign(1, MeasuredRecord());
    program::ShowMeasuredData = 0;
    form_.ResetInputs();
    RLogClass& log = ReportLog();
    log.Title(QString::fromStdString(ReportLogTitle()));
    program::OutOfRangeColour = program::kOutOfRangeShown;
    log.Form().SetRightMargin(RLogClass::kRightMargin);
    Registry& reg = registry();
    orbelLaunched_ = reg.OrbelActive();
    program::ArchiveDbPath.clear();
    reg.SetAppname(program::Title());
    reg.SetSection(QString::fromLatin1(kSection));
    // The stored texts are in the stored unit system: switch first, then show them as they are.
    reg.SetKey(QStringLiteral("Units"));
    reg.RegGet();
    if (reg.Setting() == QLatin1String("English"))
        form_.SwitchUnits(true);
    if (orbelLaunched_)
        restoreSuiteInputs();
    else
        restoreOwnInputs();
    restoreLog();
    MainInputs in = form_.Inputs();
    for (const auto& [key, text] :
         {std::pair{"AreaType", &MainInputs::area}, std::pair{"CitySize", &MainInputs::city}}) {
        reg.SetKey(QString::fromLatin1(key));
        reg.RegGet();
        if (!reg.Setting().isEmpty())
            in.*text = reg.Setting();
    }
    form_.SetInputs(in);
    LoadMeasuredFile(QCoreApplication::applicationDirPath());
}

void ProgramStartEnd::restoreOwnInputs() {
    Registry& reg = registry();
    MainInputs in = form_.Inputs();
    for (const StoredBox& stored : kStoredBoxes) {
        reg.SetKey(QString::fromLatin1(stored.key));
        reg.RegGet();
        if (!reg.Setting().isEmpty())
            in.*stored.text = reg.Setting();
    }
    form_.SetInputs(in);
}

void ProgramStartEnd::restoreSuiteInputs() {
    Registry& reg = registry();
    const bool english = UnitSystem::Instance().IsEnglish();
    for (const SuiteValue& s : kSuiteValues) {
        const auto value =
            automation::ChangeType(reg.OrbelGlobal(QString::fromLatin1(s.name)), automation::VT_R8);
        if (!value.ok())
            continue;
        const double shown = value.value.AsR8() * s.boxPerSuite;
        const double factor = english ? EnglishFactor(s.box) : 1.0;
        const std::string metricText = numtext::ShortestText(shown);
        const std::string text = factor == 1.0 ? metricText : LengthText(shown / factor);
        MainInputs in = form_.Inputs();
        in.*s.text = QString::fromStdString(text);
        form_.SetInputs(in);
        if (factor != 1.0)
            inputs_.RememberLength(s.box, metricText, text);
    }
    reg.SetOrbelActive(false);
    if (!reg.SaveOrbelGlobals())
        TellSettingsNotSaved({reg.LastSaveFailure()}, &form_);
}

// The previous run's log continues when the stored name is a log file of this program that can be
// read as a log and that no other running copy of the program holds; anything else is left alone,
// named to the user when it holds a log, and a fresh log starts with its title line.
void ProgramStartEnd::restoreLog() {
    Registry& reg = registry();
    RLogClass& log = ReportLog();
    reg.SetKey(QStringLiteral("TempLogName"));
    reg.RegGet();
    const QString stored = reg.Setting().trimmed();
    if (!IsOwnTempLog(stored)) {
        startNewLog(true);
        return;
    }
    if (!logLock_->Take(stored)) {
        // The other copy keeps the stored name; this one's log is named to the user instead.
        startNewLog(false);
        tellLog(QStringLiteral(
                    "The output log %1 is in use by another copy of the program. This copy keeps a log "
                    "of its own in %2.")
                    .arg(stored, program::TempLogName));
        return;
    }
    const qint64 size = QFileInfo(stored).size();
    if (size > ReportLogText::kMaxRtfBytes) {
        startNewLog(true);
        tellLog(QStringLiteral("The output log %1 is too large to open (%2 MB). A new log is started; "
                               "that file is left as it is.")
                    .arg(stored)
                    .arg(size / (1024 * 1024)));
        return;
    }
    if (size > 0 && !log.ReadFile(stored)) {
        startNewLog(true);
        tellLog(QStringLiteral("The output log %1 could not be read. A new log is started; that file is left "
                               "as it is.")
                    .arg(stored));
        return;
    }
    program::TempLogName = stored;
    if (log.Form().IsEmpty()) {
        log.Clear();
        log.AddTitle();
    }
}

// A new log is written and, unless another copy's log keeps the name, named in the settings at
// once: a run that ends without its end (a crash, a kill) leaves a log the next start opens.
void ProgramStartEnd::startNewLog(bool storeName) {
    RLogClass& log = ReportLog();
    program::TempLogName = GetTempLogName();
    log.AddTitle();
    logLock_->Release();
    if (program::TempLogName.isEmpty() || !logLock_->Take(program::TempLogName))
        return;
    SaveLogToTempFile(log, program::TempLogName, &form_);
    if (storeName) {
        Registry& reg = registry();
        reg.SetKey(QStringLiteral("TempLogName"));
        reg.SetSetting(program::TempLogName);
        if (!reg.RegSave())
            TellSettingsNotSaved({reg.LastSaveFailure()}, &form_);
    }
}

void ProgramStartEnd::tellLog(const QString& message) {
    msgbox::MsgBox(message, msgbox::vbExclamation | msgbox::vbOKOnly, QStringLiteral("Output Log"), &form_);
}

// The name kept for the next start: this copy's log, unless the stored name is another copy's log
// that is still there, which stays; the user is told where this copy's log is then.
QString ProgramStartEnd::keptLogName(bool retain) {
    Registry& reg = registry();
    reg.SetKey(QStringLiteral("TempLogName"));
    reg.RegGet();
    const QString stored = reg.Setting().trimmed();
    const bool othersLog = !stored.isEmpty() && stored != program::TempLogName && IsOwnTempLog(stored);
    if (retain) {
        // The kept file holds the whole log by itself.
        SaveLogToTempFile(ReportLog(), program::TempLogName, &form_, true);
        if (!othersLog)
            return program::TempLogName;
        tellLog(QStringLiteral(
                    "This copy's output log is kept in %1; the next start opens %2, the log of another "
                    "copy of the program.")
                    .arg(program::TempLogName, stored));
        return stored;
    }
    RemoveTempLog(program::TempLogName);
    logLock_->Release(!QFileInfo::exists(program::TempLogName));
    return othersLog ? stored : QString();
}

bool ProgramStartEnd::writeSuiteValues() {
    Registry& reg = registry();
    const bool english = UnitSystem::Instance().IsEnglish();
    const MainInputs in = form_.Inputs();
    for (const SuiteValue& s : kSuiteValues) {
        const auto value = Number(in.*s.text);
        if (!value)
            continue; // the suite keeps the value it gave
        double metric = ToMetric(s.box, *value, english) / s.boxPerSuite;
        // A length the user left as shown goes back exactly as the suite gave it.
        if (english && EnglishFactor(s.box) != 1.0) {
            const std::string original = inputs_.OriginalLength(s.box);
            metric = numtext::StrictNumber(original).value_or(metric);
        }
        reg.SetOrbelGlobal(QString::fromLatin1(s.name), automation::Variant::R8(metric));
    }
    return reg.SaveOrbelGlobals();
}

// The settings of the end go to the store in one write per file, in the order the keys are
// known by; a box holding no number leaves the last number it held in the store.
void ProgramStartEnd::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    QuitHelp();
    // Both files' failures are told together, once the program's own values were tried too.
    QStringList failures;
    if (orbelLaunched_ && !writeSuiteValues())
        failures << registry().LastSaveFailure();
    const int answer = msgbox::MsgBox(QStringLiteral("Retain Output Log?"), msgbox::vbYesNo,
                                      QStringLiteral("Output Log"), &form_);
    const QString logName = keptLogName(answer == msgbox::vbYes);
    const MainInputs in = form_.Inputs();
    QList<QPair<QString, QString>> values;
    for (const StoredBox& stored : kStoredBoxes) {
        if (Number(in.*stored.text))
            values.append({QString::fromLatin1(stored.key), in.*stored.text});
    }
    values.append(
        {QStringLiteral("Units"), in.english ? QStringLiteral("English") : QStringLiteral("Metric")});
    values.append({QStringLiteral("TempLogName"), logName});
    values.append({QStringLiteral("AreaType"), in.area});
    values.append({QStringLiteral("CitySize"), in.city});
    Registry& reg = registry();
    reg.SetAppname(program::Title());
    reg.SetSection(QString::fromLatin1(kSection));
    if (!reg.RegSaveAll(values))
        failures << reg.LastSaveFailure();
    TellSettingsNotSaved(failures, &form_);
    ProgramEnd()();
}
