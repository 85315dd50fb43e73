// Start and end of the program: what the main window prepares before the user's first action and
// what it keeps for the next run.

#include "AutoSave.h"
#include "ContextIDs.h"
#include "FrmReport.h"
#include "InputValidation.h"
#include "LoadMeasured.h"
#include "MainForm.h"
#include "Measured.h"
#include "MessageBox.h"
#include "ModMain.h"
#include "NumberText.h"
#include "ProgramState.h"
#include "Registry.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "TempLogFile.h"
#include "UnitSystem.h"
#include "VariantChange.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextEdit>

namespace {

const char* const kSection = "Loss_FieldStrength";

std::function<void()>& ProgramEnd() {
    static std::function<void()> end = [] { QCoreApplication::quit(); };
    return end;
}

struct StoredBox {
    const char* key;
    QLineEdit* MainForm::Controls::*box;
};

// The program's own input keys, in the order start-up reads and the end writes them.
const StoredBox kStoredBoxes[] = {
    {"PCTTIME", &MainForm::Controls::txtPctTime}, {"PCTLOC", &MainForm::Controls::txtPctLoc},
    {"Dist", &MainForm::Controls::txtDist},       {"Freq", &MainForm::Controls::txtFreq},
    {"HB", &MainForm::Controls::txthb},           {"HM", &MainForm::Controls::txthm},
};

struct SuiteValue {
    const char* name;
    QLineEdit* MainForm::Controls::*box;
    double boxPerSuite;                   // the box shows the suite's value times this (percentages)
    InputBox length;                      // how an English box converts; Frequency for boxes without units
    UnitText MainForm::Controls::*memory; // the box's texts across unit systems, if it has units
};

// The suite keeps metric values and fractions; the boxes show percentages and the active units.
const SuiteValue kSuiteValues[] = {
    {"PctTime_pct", &MainForm::Controls::txtPctTime, 100, InputBox::Frequency, nullptr},
    {"PctLoc_pct", &MainForm::Controls::txtPctLoc, 100, InputBox::Frequency, nullptr},
    {"TxHt_m", &MainForm::Controls::txthb, 1, InputBox::BaseHeight, &MainForm::Controls::hbText},
    {"RxHt_m", &MainForm::Controls::txthm, 1, InputBox::MobileHeight, &MainForm::Controls::hmText},
    {"Dist_Km", &MainForm::Controls::txtDist, 1, InputBox::Distance, &MainForm::Controls::distText},
    {"TxFreq_MHz", &MainForm::Controls::txtFreq, 1, InputBox::Frequency, nullptr},
};

void SelectText(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    if (index >= 0)
        list->setCurrentIndex(index);
}

std::optional<double> BoxNumber(const QLineEdit* box) {
    return numtext::StrictNumber(box->text().toStdString());
}

} // namespace

void MainForm::SetProgramEnd(std::function<void()> end) {
    ProgramEnd() = std::move(end);
}

Registry& MainForm::registry() {
    if (!registry_)
        registry_ = std::make_unique<Registry>();
    return *registry_;
}

void MainForm::Form_Load() {
    ResetAutoSaveReports();
    SetHelpFile(this);
    MeasuredData.assign(1, MeasuredRecord());
    program::ShowMeasuredData = 0;
    ResetMainInputs();
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
        SetEnglishUnits();
    if (orbelLaunched_)
        restoreSuiteInputs();
    else
        restoreOwnInputs();
    restoreLog();
    for (const auto& [key, list] :
         {std::pair{"AreaType", ui_.cmbareatype}, std::pair{"CitySize", ui_.cmbcitysize}}) {
        reg.SetKey(QString::fromLatin1(key));
        reg.RegGet();
        if (!reg.Setting().isEmpty())
            SelectText(list, reg.Setting());
    }
    LoadMeasuredFile(QCoreApplication::applicationDirPath());
}

void MainForm::restoreOwnInputs() {
    Registry& reg = registry();
    for (const StoredBox& stored : kStoredBoxes) {
        reg.SetKey(QString::fromLatin1(stored.key));
        reg.RegGet();
        if (!reg.Setting().isEmpty())
            (ui_.*stored.box)->setText(reg.Setting());
    }
}

void MainForm::restoreSuiteInputs() {
    Registry& reg = registry();
    const bool english = UnitSystem::Instance().IsEnglish();
    for (const SuiteValue& s : kSuiteValues) {
        const auto value =
            automation::ChangeType(reg.OrbelGlobal(QString::fromLatin1(s.name)), automation::VT_R8);
        if (!value.ok())
            continue;
        const double shown = value.value.AsR8() * s.boxPerSuite;
        const double factor = english ? EnglishFactor(s.length) : 1.0;
        const std::string metricText = numtext::ShortestText(shown);
        const std::string text = factor == 1.0 ? metricText : LengthText(shown / factor);
        (ui_.*s.box)->setText(QString::fromStdString(text));
        if (s.memory && factor != 1.0)
            (ui_.*s.memory).Remember(metricText, text);
    }
    reg.SetOrbelActive(false);
    if (!reg.SaveOrbelGlobals())
        TellSettingsNotSaved(this);
}

// The previous run's log continues when the stored name is a log file of this program that can be
// read as a log; anything else is left alone and a fresh log starts with its title line.
void MainForm::restoreLog() {
    Registry& reg = registry();
    RLogClass& log = ReportLog();
    reg.SetKey(QStringLiteral("TempLogName"));
    reg.RegGet();
    const QString stored = reg.Setting().trimmed();
    if (IsOwnTempLog(stored)) {
        const qint64 size = QFileInfo(stored).size();
        if (size > kMaxTempLogBytes) {
            msgbox::MsgBox(
                QStringLiteral("The output log %1 is too large to open (%2 MB). A new log is started; "
                               "that file is left as it is.")
                    .arg(stored)
                    .arg(size / (1024 * 1024)),
                msgbox::vbExclamation | msgbox::vbOKOnly, QStringLiteral("Output Log"), this);
        } else if (log.ReadFile(stored)) {
            program::TempLogName = stored;
            if (!log.Form().IsEmpty())
                return;
            log.Clear();
            log.AddTitle();
            return;
        }
    }
    program::TempLogName = GetTempLogName();
    log.AddTitle();
}

bool MainForm::writeSuiteValues() {
    Registry& reg = registry();
    const bool english = UnitSystem::Instance().IsEnglish();
    for (const SuiteValue& s : kSuiteValues) {
        const auto value = BoxNumber(ui_.*s.box);
        if (!value)
            continue; // the suite keeps the value it gave
        double metric = ToMetric(s.length, *value, english) / s.boxPerSuite;
        // A length the user left as shown goes back exactly as the suite gave it.
        if (s.memory && english) {
            const std::string original = (ui_.*s.memory).OriginalOf((ui_.*s.box)->text().toStdString());
            metric = numtext::StrictNumber(original).value_or(metric);
        }
        reg.SetOrbelGlobal(QString::fromLatin1(s.name), automation::Variant::R8(metric));
    }
    return reg.SaveOrbelGlobals();
}

// The settings of the end go to the store in one write per file, in the order the keys are
// known by; a box holding no number leaves the last number it held in the store.
void MainForm::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    QuitHelp();
    bool saved = !orbelLaunched_ || writeSuiteValues();
    const int answer = msgbox::MsgBox(QStringLiteral("Retain Output Log?"), msgbox::vbYesNo,
                                      QStringLiteral("Output Log"), this);
    QString logName;
    if (answer == msgbox::vbYes) {
        SaveLogToTempFile(ReportLog(), program::TempLogName, this);
        logName = program::TempLogName;
    } else {
        RemoveTempLog(program::TempLogName);
    }
    QList<QPair<QString, QString>> values;
    for (const StoredBox& stored : kStoredBoxes) {
        const QLineEdit* box = ui_.*stored.box;
        if (BoxNumber(box))
            values.append({QString::fromLatin1(stored.key), box->text()});
    }
    values.append({QStringLiteral("Units"),
                   ui_.mnuUnitsMetric->isChecked() ? QStringLiteral("Metric") : QStringLiteral("English")});
    values.append({QStringLiteral("TempLogName"), logName});
    values.append({QStringLiteral("AreaType"), ui_.cmbareatype->currentText()});
    values.append({QStringLiteral("CitySize"), ui_.cmbcitysize->currentText()});
    Registry& reg = registry();
    reg.SetAppname(program::Title());
    reg.SetSection(QString::fromLatin1(kSection));
    saved = reg.RegSaveAll(values) && saved;
    if (!saved)
        TellSettingsNotSaved(this);
    ProgramEnd()();
}

void MainForm::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}
