#include "ProgramStartEnd.h"

#include "AtomicFile.h"
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
#include "RtfWriter.h"
#include "SizeText.h"
#include "SettingsSaves.h"
#include "TempLogFile.h"
#include "TempLogLock.h"
#include "TempLogSaves.h"
#include "UnitSystem.h"
#include "VariantChange.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
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
// read as a log and that no other running copy of the program holds; anything else is kept aside,
// named to the user, and a fresh log starts with its title line. The copy that holds the stored log
// also joins the logs that copies which have ended left beside it.
void ProgramStartEnd::restoreLog() {
    Registry& reg = registry();
    reg.SetKey(QStringLiteral("TempLogName"));
    reg.RegGet();
    const QString stored = reg.Setting().trimmed();
    QStringList notes;
    if (!IsOwnTempLog(stored)) {
        startNewLog(true, notes);
    } else if (!logLock_->Take(stored)) {
        // The other copy keeps the stored name; this one's log is named to the user instead.
        startNewLog(false, notes);
        if (!program::TempLogName.isEmpty())
            notes << QStringLiteral("The output log %1 is in use by another copy of the program. This copy "
                                    "keeps a log of its own in %2.")
                         .arg(stored, program::TempLogName);
        tellLog(notes);
        return;
    } else if (!openLog(stored, notes)) {
        startNewLog(true, notes);
    }
    if (!program::TempLogName.isEmpty())
        joinEndedCopiesLogs(notes);
    tellLog(notes);
}

namespace {

// The largest log a start opens: the program's own paths keep a log within its limit; a log the
// program wrote past it before is the user's work and opens, but not a file of any size at all.
constexpr qint64 kMaxOpenBytes = 4 * ReportLogText::kMaxRtfBytes;

bool StartsAsOwnLog(const QString& path) {
    const QByteArray header = richtext::RtfHeader(ReportLogText::Font());
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(header.size()) == header;
}

QString KeptAsText(const QString& keptAs) {
    return keptAs.isEmpty() ? QStringLiteral("that file is left as it is")
                            : QStringLiteral("that file is kept unchanged as %1").arg(keptAs);
}

void NoteTail(const TempLogSaves::TailRead& tail, const QString& log, QStringList& notes) {
    if (!tail.found || tail.problem.isEmpty())
        return;
    notes << QStringLiteral("What the last saves added to the output log %1 could not all be joined to it: "
                            "their file %2 %3. %4 It is kept unchanged as %5.")
                 .arg(log, TempLogSaves::TailName(log), tail.problem,
                      tail.recordsJoined > 0
                          ? QStringLiteral("The %1 lines of it that could be read whole are in the log.")
                                .arg(tail.recordsJoined)
                          : QStringLiteral("Nothing of it is in the log."),
                      tail.keptAs);
}

} // namespace

bool ProgramStartEnd::openLog(const QString& stored, QStringList& notes) {
    RLogClass& log = ReportLog();
    const qint64 size = QFileInfo(stored).size();
    if (size > kMaxOpenBytes || (size > ReportLogText::kMaxRtfBytes && !StartsAsOwnLog(stored))) {
        notes << QStringLiteral(
                     "The output log %1 is too large to open (%2; the log's limit is %3 MB). A new "
                     "log is started; %4.")
                     .arg(stored, SizeText(size))
                     .arg(ReportLogText::kMaxRtfMegabytes)
                     .arg(KeptAsText(SetAside(stored, QStringLiteral("too-large"))));
        return false;
    }
    if (size > 0 && !log.ReadFile(stored)) {
        notes << QStringLiteral("The output log %1 could not be read. A new log is started; %2.")
                     .arg(stored, KeptAsText(SetAside(stored, QStringLiteral("unreadable"))));
        return false;
    }
    NoteTail(log.Form().TempSaves().LastTail(), stored, notes);
    const qsizetype shown = log.Form().Text().RtfFileSize();
    if (shown > ReportLogText::kMaxRtfBytes)
        notes << QStringLiteral("The output log %1 is %2, past the log's limit of %3 MB by %4. It is opened "
                                "whole, and nothing more is added to it: save it with \"Save to File\" and "
                                "clear it to go on.")
                     .arg(stored, SizeText(shown))
                     .arg(ReportLogText::kMaxRtfMegabytes)
                     .arg(SizeText(shown - ReportLogText::kMaxRtfBytes));
    program::TempLogName = stored;
    if (log.Form().IsEmpty()) {
        log.Clear();
        log.AddTitle();
    }
    return true;
}

// A log that a copy of the program left when it ended (killed, or ended while another copy held
// the stored log) is named nowhere: its lines come to the end of this log, after a line that says
// where they come from, and its files go. One that does not fit or cannot be read is named.
void ProgramStartEnd::joinEndedCopiesLogs(QStringList& notes) {
    RLogClass& log = ReportLog();
    const QString path = program::TempLogName;
    const TempLogSaves::TailRead& ownTail = log.Form().TempSaves().LastTail();
    if (ownTail.keptAs == TempLogSaves::TailName(path))
        return; // a tail that stays where it is must not be outdated by a whole file
    QByteArray body = log.Form().Text().RtfBody();
    qsizetype size = log.Form().Text().RtfFileSize();
    std::vector<std::pair<QString, std::unique_ptr<TempLogLock>>> joined;
    for (const QString& other : OwnTempLogs(path)) {
        auto lock = std::make_unique<TempLogLock>();
        if (!lock->Take(other))
            continue; // its copy is running
        if (QFileInfo(other).size() == 0 && !QFileInfo::exists(TempLogSaves::TailName(other)))
            continue; // a copy that ended before its first save left nothing
        TempLogSaves saves;
        std::optional<ReportLogText> text = saves.Load(other);
        NoteTail(saves.LastTail(), other, notes);
        if (!text) {
            notes << QStringLiteral("The output log %1, left by a copy of the program that has ended, could "
                                    "not be read; %2.")
                         .arg(other, KeptAsText(SetAside(other, QStringLiteral("unreadable"))));
            continue;
        }
        ReportLogText heading;
        heading.Append(
            QStringLiteral("[The log of a copy of the program that has ended, from %1:]\r\n").arg(other), {});
        const QByteArray piece = heading.RtfBody() + text->RtfBody();
        if (size + piece.size() > ReportLogText::kMaxRtfBytes) {
            notes << QStringLiteral(
                         "The output log %1, left by a copy of the program that has ended, does not "
                         "fit into this log's limit of %2 MB and stays where it is. Save this log "
                         "with \"Save to File\" and clear it to make room.")
                         .arg(other)
                         .arg(ReportLogText::kMaxRtfMegabytes);
            continue;
        }
        body += piece;
        size += piece.size();
        joined.emplace_back(other, std::move(lock));
    }
    if (joined.empty())
        return;
    if (!files::WriteFileAtomically(path, richtext::RtfFile(body, ReportLogText::Font()),
                                    LogPermissions(path))) {
        notes << QStringLiteral(
                     "The logs that copies of the program left when they ended could not be joined "
                     "to this log: %1 could not be written. They stay where they are.")
                     .arg(path);
        return;
    }
    const QFileInfo ownTailFile(TempLogSaves::TailName(path));
    if (ownTailFile.isFile() && !ownTailFile.isSymLink())
        QFile::remove(ownTailFile.filePath()); // what it added is in the file now
    for (auto& [other, lock] : joined) {
        RemoveTempLog(other);
        lock->Release(true);
        notes << QStringLiteral("The output log %1, left by a copy of the program that has ended, is joined "
                                "to the end of this log.")
                     .arg(other);
    }
    log.ReadFile(path);
}

// A new log is written and, unless another copy's log keeps the name, named in the settings at
// once: a run that ends without its end (a crash, a kill) leaves a log the next start opens.
void ProgramStartEnd::startNewLog(bool storeName, QStringList& notes) {
    RLogClass& log = ReportLog();
    program::TempLogName = GetTempLogName();
    log.AddTitle();
    logLock_->Release();
    if (program::TempLogName.isEmpty()) {
        notes << QStringLiteral("No output log can be kept for the next start: no file can be made in the "
                                "temporary folder %1. Save the log with \"Save to File\" to keep it.")
                     .arg(TempFolderTried());
        LogFailureToldAtStart();
        return;
    }
    if (!logLock_->Take(program::TempLogName))
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

void ProgramStartEnd::tellLog(const QStringList& notes) {
    if (!notes.isEmpty())
        msgbox::MsgBox(notes.join(QStringLiteral("\n\n")), msgbox::vbExclamation | msgbox::vbOKOnly,
                       QStringLiteral("Output Log"), &form_);
}

// The name kept for the next start: this copy's log, unless the stored name is another copy's log
// that is still there, which stays; the user is told where this copy's log is then. With no log
// file at all nothing is asked: the user is told, and may save the log elsewhere.
QString ProgramStartEnd::keptLogName() {
    Registry& reg = registry();
    reg.SetKey(QStringLiteral("TempLogName"));
    reg.RegGet();
    const QString stored = reg.Setting().trimmed();
    const bool othersLog = !stored.isEmpty() && stored != program::TempLogName && IsOwnTempLog(stored);
    if (program::TempLogName.isEmpty()) {
        SaveLogAtEnd(ReportLog(), QString(), &form_);
        return othersLog ? stored : QString();
    }
    const int answer = msgbox::MsgBox(QStringLiteral("Retain Output Log?"), msgbox::vbYesNo,
                                      QStringLiteral("Output Log"), &form_);
    if (answer == msgbox::vbYes) {
        // The kept file holds the whole log by itself.
        SaveLogAtEnd(ReportLog(), program::TempLogName, &form_);
        if (!othersLog)
            return program::TempLogName;
        tellLog({QStringLiteral("This copy's output log is kept in %1. The next start that opens %2, the log "
                                "of another copy of the program, joins it to the end of that log.")
                     .arg(program::TempLogName, stored)});
        return stored;
    }
    RemoveTempLog(program::TempLogName);
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
    const QString logName = keptLogName();
    // The mark goes at every end: the next start makes its own.
    logLock_->Release(true);
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
