// The temporary log over the program's runs: named in the settings from its first write, opened at
// the next start up to the size limit, kept whole when the run is killed, and never written by a
// second copy of the program.

#include "mainform_fixture.h"

#include "FrmReport.h"
#include "long_log_file.h"
#include "ProgramState.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "TempLogSaves.h"
#include "WriteFaults.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <sys/file.h>

namespace {

const ReportLogText& Log() {
    return ReportLog().Form().Text();
}

bool Contains(const std::vector<std::string>& messages, const QString& part) {
    for (const std::string& m : messages)
        if (QString::fromStdString(m).contains(part))
            return true;
    return false;
}

// A run ended by a kill: no end, no question, nothing saved after the last calculation.
TEST_F(MainFormTest, AKilledRunsLogOpensAtTheNextStart) {
    Start();
    const QString name = program::TempLogName;
    EXPECT_EQ(Stored("TempLogName"), name) << "named from the first write";
    form().cmdLossCalc_Click();
    form().cmdLossCalc_Click();
    Start(); // the window goes without its end, as in a kill
    EXPECT_EQ(program::TempLogName, name);
    EXPECT_EQ(Log().LineCount(), 4) << "title, two report lines and the open last line";
    EXPECT_EQ(Log().Line(1).size(), 147);
}

TEST_F(MainFormTest, ALogAtTheSizeLimitOpensAtTheNextStartAndTakesNoMore) {
    Start();
    const QString name = program::TempLogName;
    Exit(true);
    const qint64 lines = WriteLongLog(name, kAsManyAsFit);
    ASSERT_GT(lines, 100000);
    ASSERT_LE(QFileInfo(name).size(), ReportLogText::kMaxRtfBytes);
    Messages();
    Start();
    EXPECT_EQ(program::TempLogName, name);
    EXPECT_EQ(Log().LineCount(), lines + 2);
    EXPECT_TRUE(Messages().empty());
    ui().cmdLossCalc->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{RLogClass::FullMessage().toStdString()});
    EXPECT_EQ(Log().LineCount(), lines + 2) << "the line is not added";
    EXPECT_LE(QFileInfo(name).size(), ReportLogText::kMaxRtfBytes);
    Exit(false);
}

TEST_F(MainFormTest, ALogThatCannotBeReadIsKeptAndNamed) {
    Start();
    const QString name = program::TempLogName;
    Exit(true);
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not a log");
    file.close();
    Messages();
    Start();
    EXPECT_NE(program::TempLogName, name);
    EXPECT_EQ(testsupport::FileBytes(name + ".unreadable"), "not a log") << "kept aside, unchanged";
    EXPECT_TRUE(Contains(Messages(), name + ".unreadable"));
}

// A log the program wrote past its limit is the user's work: it opens whole and says so; a tail that
// would take it further is kept aside, and nothing grows it, the measured-data dump included.
TEST_F(MainFormTest, ALogPastTheLimitOpensWithItsMessageAndNothingGrowsIt) {
    Start();
    const QString name = program::TempLogName;
    Exit(true);
    const qint64 lines = WriteLongLog(name, kAsManyAsFit) + 100;
    ASSERT_EQ(WriteLongLog(name, lines), lines);
    ASSERT_GT(QFileInfo(name).size(), ReportLogText::kMaxRtfBytes);
    {
        TempLogSaves saves; // the program's own saves before it was ended
        std::optional<ReportLogText> text = saves.Load(name, QFileInfo(name).size() * 2);
        ASSERT_TRUE(text);
        text->Append(QStringLiteral("added after the last whole save\r\n"), {});
        ASSERT_TRUE(saves.Save(*text, name, false));
    }
    const QByteArray tail = testsupport::FileBytes(name + ".tail");
    Messages();
    Start();
    EXPECT_EQ(program::TempLogName, name);
    EXPECT_EQ(Log().LineCount(), lines + 2);
    const auto shown = Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(Contains(shown, "past the log's limit of 64 MB by")) << shown[0];
    EXPECT_TRUE(Contains(shown, "would take the log past its limit")) << shown[0];
    EXPECT_EQ(testsupport::FileBytes(name + ".tail.unjoined"), tail);
    form().lblFieldStrength_DblClick();
    EXPECT_EQ(Messages(), std::vector<std::string>{RLogClass::FullMessage().toStdString()});
    EXPECT_EQ(Log().LineCount(), lines + 2) << "the dump is not added";
    Exit(false);
}

// Something else in the tail's place is kept aside and named, and the saves after it work.
TEST_F(MainFormTest, AFolderInTheTailsPlaceIsKeptAsideAndTheSavesGoOn) {
    Start();
    const QString name = program::TempLogName;
    Exit(true);
    ASSERT_TRUE(QDir().mkdir(name + ".tail"));
    Messages();
    Start();
    const auto shown = Messages();
    EXPECT_TRUE(Contains(shown, name + ".tail is not a file")) << (shown.empty() ? "" : shown[0]);
    EXPECT_TRUE(Contains(shown, name + ".tail.unjoined"));
    EXPECT_TRUE(QFileInfo(name + ".tail.unjoined").isDir());
    form().cmdLossCalc_Click();
    form().cmdLossCalc_Click();
    EXPECT_TRUE(Messages().empty());
    EndWindow(); // as in a kill
    Start();
    EXPECT_EQ(Log().LineCount(), 4) << "title, two report lines and the open last line";
}

// The end's save on a full disk is told with its folder, and the log can still go elsewhere.
TEST_F(MainFormTest, AFailedSaveAtTheEndIsToldAndTheLogMaySaveElsewhere) {
    Start();
    for (int i = 0; i < 3; ++i)
        form().cmdLossCalc_Click();
    std::optional<testsupport::FileSizeLimit> fullDisk(std::in_place, 64);
    const QString elsewhere = tempDir() + "/elsewhere.rtf";
    FrmReport::SetTestFileChooser([&](FrmReport::SaveDialogState& dialog) {
        fullDisk.reset(); // the user chose a disk with room
        dialog.fileName = elsewhere;
        dialog.filterIndex = 3;
        return true;
    });
    Messages();
    Exit(true);
    const auto shown = Messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Retain Output Log?");
    EXPECT_TRUE(
        Contains(shown, "could not be written in the folder " + QFileInfo(tempDir()).absoluteFilePath()))
        << shown[1];
    EXPECT_TRUE(Contains(shown, "\"Save to File\"")) << shown[1];
    std::optional<ReportLogText> saved = ReportLogText::FromRtf(testsupport::FileBytes(elsewhere));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->PlainText(), Log().PlainText());
}

// The other copy is stood for by its mark on the log, held here while the program starts again.
TEST_F(MainFormTest, ASecondCopyKeepsALogOfItsOwnAndLeavesTheFirstsName) {
    Start();
    const QString first = program::TempLogName;
    Exit(true);
    EndWindow();
    QFile otherCopy(first + ".lock");
    ASSERT_TRUE(otherCopy.open(QIODevice::ReadWrite));
    ASSERT_EQ(flock(otherCopy.handle(), LOCK_EX | LOCK_NB), 0);
    const QByteArray firstBytes = testsupport::FileBytes(first);
    Messages();
    Start();
    const QString second = program::TempLogName;
    EXPECT_NE(second, first);
    EXPECT_TRUE(Contains(Messages(), first));
    form().cmdLossCalc_Click();
    EXPECT_EQ(testsupport::FileBytes(first), firstBytes) << "the first copy's log is not written";
    Exit(true);
    EXPECT_EQ(Stored("TempLogName"), first);
    EXPECT_TRUE(QFileInfo::exists(second));
    EXPECT_TRUE(Contains(Messages(), second)) << "told where this copy's log stays";
}

} // namespace
