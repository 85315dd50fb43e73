// Copies of the program as real processes over one settings folder and one temporary folder: two
// copies calculating at the same time each keep a whole log of their own, the log of a copy that
// was killed opens at the next start with every whole line its tail holds however the files were
// handled since, and the log of a copy that has ended is joined to the next start's log. The test
// executable starts itself as the copies.

#include "HeadlessRun.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ProgramState.h"
#include "ReportLogText.h"
#include "SettingsStore.h"
#include "TempLogSaves.h"
#include "WriteFaults.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <unistd.h>

namespace {

constexpr char kCopyArgument[] = "--copy";

// A copy: starts, says which log it has, calculates `count` times a little apart, then either ends
// keeping its log or says it is ready and waits to be killed.
int RunCopy(int count, bool waitForKill) {
    msgbox::SetProgramTitle(program::Title());
    msgbox::SetTestAnswerer([](const msgbox::ShownBox& box) {
        std::fprintf(stderr, "box: %s\n", box.prompt.toLocal8Bit().constData());
        return box.prompt == QLatin1String("Retain Output Log?") ? msgbox::vbYes : msgbox::vbOK;
    });
    MainForm form;
    form.Form_Load();
    std::printf("started %s\n", program::TempLogName.toLocal8Bit().constData());
    std::fflush(stdout);
    for (int i = 0; i < count; ++i) {
        form.cmdLossCalc_Click();
        QThread::msleep(20);
    }
    if (waitForKill) {
        std::printf("ready\n");
        std::fflush(stdout);
        for (;;)
            pause();
    }
    form.close();
    std::printf("kept %s\n", program::TempLogName.toLocal8Bit().constData());
    return 0;
}

class Copy {
public:
    explicit Copy(int count, bool waitForKill = false) {
        process_.start(QCoreApplication::applicationFilePath(),
                       {QString::fromLatin1(kCopyArgument), QString::number(count),
                        waitForKill ? QStringLiteral("wait") : QStringLiteral("end")});
    }
    // The rest of the line after `word`, read as the copy writes it.
    QString Await(const char* word) {
        for (;;) {
            while (process_.canReadLine()) {
                const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
                if (line.startsWith(QLatin1String(word)))
                    return line.mid(int(std::strlen(word))).trimmed();
            }
            if (!process_.waitForReadyRead(-1))
                return QString();
        }
    }
    bool Finished() { return process_.waitForFinished(-1) && process_.exitCode() == 0; }
    void Kill() {
        process_.kill();
        process_.waitForFinished(-1);
    }
    QString Errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QProcess process_;
};

// The report lines of a log file with what its last saves added, or -1 when it is not a whole log
// (the lines that head a joined log aside).
int ReportLines(const QString& path) {
    const std::optional<ReportLogText> log = TempLogSaves().Load(path);
    if (!log)
        return -1;
    int lines = 0;
    for (int i = 1; i < log->LineCount(); ++i) {
        if (log->Line(i).size() == 147)
            ++lines;
        else if (!log->Line(i).isEmpty() && !log->Line(i).startsWith(QLatin1String("[The log of a copy")) &&
                 !log->Line(i).startsWith(QLatin1String("  Dist")))
            return -1;
    }
    return lines;
}

// No log stored and none in the temporary folder, as on a first start.
void FirstStart() {
    settings::SaveSetting(program::Title(), QStringLiteral("Loss_FieldStrength"),
                          QStringLiteral("TempLogName"), QString());
    QDir temp(QDir::tempPath());
    for (const QString& name : temp.entryList(QDir::Files | QDir::Hidden))
        temp.remove(name);
}

// Where each record of a tail starts: after the header line, and after each line's end.
std::vector<qsizetype> RecordStarts(const QByteArray& tail) {
    std::vector<qsizetype> starts{tail.indexOf('\n') + 1};
    for (qsizetype at = 0; (at = tail.indexOf("\\par\r\nline ", at)) >= 0; at += 6)
        starts.push_back(at + 6);
    return starts;
}

// A killed copy's log and tail after `count` calculations.
struct KilledLog {
    QString log;
    QByteArray logBytes;
    QByteArray tail;
};

KilledLog KillAfter(int count) {
    FirstStart();
    Copy killed(count, true);
    KilledLog k;
    k.log = killed.Await("started");
    killed.Await("ready");
    killed.Kill();
    k.logBytes = testsupport::FileBytes(k.log);
    k.tail = testsupport::FileBytes(k.log + ".tail");
    return k;
}

// The next start over the log as `log` and `tail` hold it; the messages it showed.
QString StartOver(const KilledLog& k, const QByteArray& log, const QByteArray& tail) {
    QFile::remove(k.log);
    EXPECT_TRUE(testsupport::WriteBytes(k.log, log));
    EXPECT_TRUE(testsupport::WriteBytes(k.log + ".tail", tail));
    Copy next(0);
    EXPECT_EQ(next.Await("started"), k.log);
    EXPECT_TRUE(next.Finished());
    return next.Errors();
}

QString StoredLog() {
    return settings::GetSetting(program::Title(), QStringLiteral("Loss_FieldStrength"),
                                QStringLiteral("TempLogName"));
}

TEST(TempLogProcesses, TwoCopiesCalculatingAtOnceKeepEachTheirWholeLog) {
    Copy first(25);
    const QString firstLog = first.Await("started");
    Copy second(25);
    const QString secondLog = second.Await("started");
    ASSERT_TRUE(first.Finished()) << first.Errors().toStdString();
    ASSERT_TRUE(second.Finished()) << second.Errors().toStdString();
    EXPECT_NE(firstLog, secondLog);
    EXPECT_EQ(ReportLines(firstLog), 25);
    EXPECT_EQ(ReportLines(secondLog), 25);
    EXPECT_EQ(StoredLog(), firstLog) << "the first copy's log opens at the next start";
    QFile::remove(firstLog);
    QFile::remove(secondLog);
}

TEST(TempLogProcesses, AKilledCopysLogOpensAtTheNextStart) {
    Copy killed(3, true);
    const QString log = killed.Await("started");
    ASSERT_EQ(killed.Await("ready"), QString());
    killed.Kill();
    EXPECT_EQ(ReportLines(log), 3);
    Copy next(1);
    EXPECT_EQ(next.Await("started"), log);
    ASSERT_TRUE(next.Finished()) << next.Errors().toStdString();
    EXPECT_EQ(ReportLines(log), 4);
}

// A tail belongs to its log by what the log holds: a touch, or a backup put back byte for byte,
// changes the file's time but not the log.
TEST(TempLogProcesses, ATouchedOrRestoredLogKeepsItsTail) {
    const KilledLog k = KillAfter(6);
    ASSERT_EQ(RecordStarts(k.tail).size(), 5u) << "the first calculation writes the file whole";
    EXPECT_EQ(QFileInfo(k.log + ".tail").permissions(), QFileInfo(k.log).permissions());
    EXPECT_EQ(QFileInfo(k.log).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0)
        << "other users read no results";
    QFile touched(k.log);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        touched.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    touched.close();
    Copy next(0);
    ASSERT_EQ(next.Await("started"), k.log);
    ASSERT_TRUE(next.Finished());
    EXPECT_EQ(ReportLines(k.log), 6) << "touched";
    // Restored: a new file with the same bytes.
    const QString shown = StartOver(k, k.logBytes, k.tail);
    EXPECT_EQ(ReportLines(k.log), 6) << shown.toStdString();
    EXPECT_FALSE(shown.contains("could not")) << shown.toStdString();
    EXPECT_EQ(QDir(QDir::tempPath()).entryList({"*.lock", "*.tail*"}, QDir::Files), QStringList())
        << "the end leaves no mark and no tail";
}

// Each damage keeps every whole line, keeps the tail unchanged aside and names it.
TEST(TempLogProcesses, ADamagedTailKeepsEveryWholeLineTheRestAsideAndTells) {
    const KilledLog k = KillAfter(6);
    const std::vector<qsizetype> at = RecordStarts(k.tail);
    ASSERT_EQ(at.size(), 5u) << "the first calculation writes the file whole";
    QByteArray brace = k.tail;
    brace.insert(at[2] + 40, '}');
    QByteArray otherLog = k.tail;
    otherLog[otherLog.indexOf('\n') - 1] = otherLog[otherLog.indexOf('\n') - 1] == '0' ? '1' : '0';
    const struct {
        const char* damage;
        QByteArray tail;
        int lines;
    } cases[] = {
        {"cut in a line", k.tail.left(at[3] + 60), 4},
        {"cut in a control word", k.tail.left(at[4] - 4), 4},
        {"random bytes after a valid start", k.tail.left(at[2]) + QByteArray(300, '\x9c'), 3},
        {"a stray brace", brace, 5},
        {"a tail of another log", otherLog, 1},
    };
    for (const auto& c : cases) {
        const QString shown = StartOver(k, k.logBytes, c.tail);
        EXPECT_EQ(ReportLines(k.log), c.lines) << c.damage;
        const QString kept = k.log + ".tail.unjoined";
        EXPECT_EQ(testsupport::FileBytes(kept), c.tail) << c.damage;
        EXPECT_TRUE(shown.contains(kept)) << c.damage << shown.toStdString();
        QFile::remove(kept);
    }
}

// A copy killed while another held the stored log left a log nobody names: the next start joins it.
TEST(TempLogProcesses, TheLogOfACopyThatHasEndedIsJoinedAtTheNextStart) {
    FirstStart();
    Copy first(1, true);
    const QString firstLog = first.Await("started");
    first.Await("ready");
    Copy second(2, true);
    const QString secondLog = second.Await("started");
    second.Await("ready");
    first.Kill();
    second.Kill();
    Copy next(0);
    EXPECT_EQ(next.Await("started"), firstLog);
    ASSERT_TRUE(next.Finished());
    const QString shown = next.Errors();
    EXPECT_TRUE(shown.contains(secondLog + ", left by a copy of the program that has ended, is joined"))
        << shown.toStdString();
    EXPECT_EQ(ReportLines(firstLog), 3);
    EXPECT_FALSE(QFileInfo::exists(secondLog));
    EXPECT_EQ(QDir(QDir::tempPath()).entryList({"*.lock", "*.tail*"}, QDir::Files), QStringList());
    QFile::remove(firstLog);
}

} // namespace

int main(int argc, char** argv) {
    testsupport::UseOffscreenPlatform();
    if (argc > 3 && std::strcmp(argv[1], kCopyArgument) == 0) {
        QApplication app(argc, argv);
        return RunCopy(std::atoi(argv[2]), std::strcmp(argv[3], "wait") == 0);
    }
    testsupport::TemporaryHome home(testsupport::TemporaryHome::SettingsAndTemp);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
