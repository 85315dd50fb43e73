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
#include "WriteFaults.h"

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
