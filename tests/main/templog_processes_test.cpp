// Copies of the program as real processes over one settings folder and one temporary folder: two
// copies calculating at the same time each keep a whole log of their own, and the log of a copy
// that was killed opens at the next start. The test executable starts itself as the copies.

#include "HeadlessRun.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ProgramState.h"
#include "ReportLogText.h"
#include "SettingsStore.h"
#include "TempLogSaves.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
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

// The report lines of a log file with what its last saves added, or -1 when it is not a whole log.
int ReportLines(const QString& path) {
    const std::optional<ReportLogText> log = TempLogSaves().Load(path);
    if (!log)
        return -1;
    int lines = 0;
    for (int i = 1; i < log->LineCount(); ++i) {
        if (log->Line(i).size() == 147)
            ++lines;
        else if (!log->Line(i).isEmpty())
            return -1;
    }
    return lines;
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
