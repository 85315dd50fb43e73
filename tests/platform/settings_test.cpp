#include "EditIniFile.h"
#include "HeadlessRun.h"
#include "SettingsStore.h"
#include "SimultaneousRuns.h"
#include "WriteFaults.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString FileOf(const QString& application) const {
        return dir_.path() + "/ProgramSettings/" + application + ".ini";
    }
    QByteArray Text(const QString& application) const {
        QFile file(FileOf(application));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Another program's write, a moment after anything this process did.
    void WriteText(const QString& application, const QByteArray& text) {
        QDir().mkpath(dir_.path() + "/ProgramSettings");
        QFile file(FileOf(application));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.flush();
        writeTime_ =
            writeTime_.isValid() ? writeTime_.addSecs(1) : QDateTime::currentDateTimeUtc().addSecs(1);
        file.setFileTime(writeTime_, QFileDevice::FileModificationTime);
    }

    testsupport::TemporaryHome dir_;
    QDateTime writeTime_;
};

TEST_F(SettingsStoreTest, AbsentKeyReadsAsEmptyOrTheCallersDefault) {
    EXPECT_EQ(settings::GetSetting("Brindel", "Loss_FieldStrength", "Freq"), "");
    EXPECT_EQ(settings::GetSetting("Brindel", "Loss_FieldStrength", "Freq", "450.0"), "450.0");
    EXPECT_FALSE(QFile::exists(FileOf("Brindel")));
}

TEST_F(SettingsStoreTest, OneIniFilePerApplicationUnderProgramSettings) {
    ASSERT_TRUE(settings::SaveSetting("Brindel", "Loss_FieldStrength", "Units", "Metric"));
    EXPECT_EQ(settings::SettingsFilePath("Brindel"), FileOf("Brindel"));
    EXPECT_EQ(Text("Brindel"), "[Loss_FieldStrength]\nUnits=Metric\n");
    EXPECT_EQ(settings::GetSetting("Brindel", "Loss_FieldStrength", "Units"), "Metric");
}

TEST_F(SettingsStoreTest, TextsOfEveryShapeSurviveASaveAndALoad) {
    const QStringList values = {"  ",         "   ",         " x ",       "a, b", "a;b", "@start",
                                "\"quoted\"", "back\\slash", "Umlaut äö", "",     "="};
    for (int i = 0; i < values.size(); ++i) {
        ASSERT_TRUE(settings::SaveSetting("App", "Section Name", QString("Key%1").arg(i), values[i]));
    }
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(settings::GetSetting("App", "Section Name", QString("Key%1").arg(i)), values[i]) << i;
    }
}

TEST_F(SettingsStoreTest, ValueWrittenByAnotherProgramIsSeenAtTheNextRead) {
    ASSERT_TRUE(settings::SaveSetting("Veltrix_Orbel", "Global Parameters", "TxFreq_MHz", "100"));
    EXPECT_EQ(settings::GetSetting("Veltrix_Orbel", "Global Parameters", "TxFreq_MHz"), "100");
    WriteText("Veltrix_Orbel", "[Global%20Parameters]\nTxFreq_MHz=450\n");
    EXPECT_EQ(settings::GetSetting("Veltrix_Orbel", "Global Parameters", "TxFreq_MHz"), "450");
    WriteText("Veltrix_Orbel", "[Global%20Parameters]\nTxFreq_MHz=900\n"); // same size as before
    EXPECT_EQ(settings::GetSetting("Veltrix_Orbel", "Global Parameters", "TxFreq_MHz"), "900");
}

// Another writer's file put in place by a rename is seen even with the same size and time.
TEST_F(SettingsStoreTest, AFileReplacedByAnotherIsSeenAtTheNextRead) {
    WriteText("App", "[S]\nK=100\n");
    EXPECT_EQ(settings::GetSetting("App", "S", "K"), "100");
    const QString replacement = dir_.path() + "/new.ini";
    QFile file(replacement);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[S]\nK=900\n");
    file.setFileTime(writeTime_, QFileDevice::FileModificationTime);
    file.close();
    ASSERT_EQ(
        std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(FileOf("App")).constData()),
        0);
    EXPECT_EQ(settings::GetSetting("App", "S", "K"), "900");
}

TEST_F(SettingsStoreTest, UnquotedCommaFromAnotherWriterReadsAsOneText) {
    WriteText("App", "[S]\nList=a,b\n");
    EXPECT_EQ(settings::GetSetting("App", "S", "List"), "a,b");
}

TEST_F(SettingsStoreTest, StoreFollowsTheConfigFolderOfTheMoment) {
    ASSERT_TRUE(settings::SaveSetting("App", "S", "K", "first"));
    QTemporaryDir other;
    qputenv("XDG_CONFIG_HOME", other.path().toLocal8Bit());
    EXPECT_EQ(settings::GetSetting("App", "S", "K"), "");
    ASSERT_TRUE(settings::SaveSetting("App", "S", "K", "second"));
    EXPECT_TRUE(QFile::exists(other.path() + "/ProgramSettings/App.ini"));
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    EXPECT_EQ(settings::GetSetting("App", "S", "K"), "first");
}

TEST_F(SettingsStoreTest, WithoutAnAbsoluteConfigFolderTheHomeConfigFolderIsUsed) {
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", dir_.path().toLocal8Bit());
    for (const char* config : {"", "relative/folder"}) {
        qputenv("XDG_CONFIG_HOME", config);
        EXPECT_EQ(settings::SettingsFolder(), QDir::homePath() + "/.config/ProgramSettings") << config;
    }
    qputenv("HOME", savedHome);
}

TEST_F(SettingsStoreTest, DeleteRemovesOnlyItsKey) {
    ASSERT_TRUE(settings::SaveSetting("App", "S", "A", "1"));
    ASSERT_TRUE(settings::SaveSetting("App", "S", "B", "2"));
    EXPECT_TRUE(settings::DeleteSetting("App", "S", "A"));
    EXPECT_TRUE(settings::DeleteSetting("App", "S", "Missing"));
    EXPECT_EQ(settings::GetSetting("App", "S", "A", "gone"), "gone");
    EXPECT_EQ(Text("App"), "[S]\nB=2\n");
}

TEST_F(SettingsStoreTest, SeveralKeysAreWrittenInOneGoInTheirOrder) {
    ASSERT_TRUE(settings::SaveSettings("App", "S", {{"B", "2"}, {"A", "1"}}));
    EXPECT_EQ(Text("App"), "[S]\nB=2\nA=1\n");
    EXPECT_FALSE(settings::SaveSettings("App", "S", {{"C", "3"}, {"x/y", "4"}}));
    EXPECT_EQ(settings::GetSetting("App", "S", "C"), "");
    // Keys written together stand together, in the given order, where the first of them stood.
    WriteText("App", "[S]\nZ=0\nA=1\nK=5\nB=2\n");
    ASSERT_TRUE(settings::SaveSettings("App", "S", {{"B", "3"}, {"A", "4"}, {"N", "6"}}));
    EXPECT_EQ(Text("App"), "[S]\nZ=0\nB=3\nA=4\nN=6\nK=5\n");
    EXPECT_EQ(settings::GetSection("App", "S"),
              (settings::KeysAndValues{{"Z", "0"}, {"B", "3"}, {"A", "4"}, {"N", "6"}, {"K", "5"}}));
}

// The file an earlier store wrote, with escaped section names, quoted values and sorted keys, is
// read as it was meant; the next write spells its section plain, so that other programs find the
// keys, and leaves the lines of the keys it does not write as they were.
TEST_F(SettingsStoreTest, TheEarlierEscapedFormIsReadAndWrittenPlain) {
    WriteText("Veltrix_Orbel", "[Global%20Parameters]\nDist_Km=1\nTxLatDeg_DD=\"  \"\nTxLatH_NS=N\n"
                               "Caf%U00E9=%20\n");
    EXPECT_EQ(settings::GetSetting("Veltrix_Orbel", "Global Parameters", "TxLatDeg_DD"), "  ");
    EXPECT_EQ(settings::GetSetting("Veltrix_Orbel", "Global Parameters", "Dist_Km"), "1");
    EXPECT_EQ(settings::GetSetting("Veltrix_Orbel", "Global Parameters", "Caf\u00e9"), "%20");
    ASSERT_TRUE(settings::SaveSetting("Veltrix_Orbel", "Global Parameters", "TxLatH_NS", "S"));
    EXPECT_EQ(Text("Veltrix_Orbel"), "[Global Parameters]\nDist_Km=1\nTxLatDeg_DD=\"  \"\nTxLatH_NS=S\n"
                                     "Caf%U00E9=%20\n");
}

// Names of an escaped file may decode to anything; written again they stay escaped where a plain
// name would not read back the same (a line break, "=", blanks at the ends, a comment's start).
TEST_F(SettingsStoreTest, EscapedNamesThatCannotBeWrittenPlainStayEscaped) {
    WriteText("App", "[S]\nA%3DB=1\nC%0AD=2\n%3BE=3\nF%20=4\nG%2541=5\nplain=6\n");
    const std::pair<QString, QString> keys[] = {{"A=B", "1"}, {"C\nD", "2"}, {";E", "3"},
                                                {"F ", "4"},  {"G%41", "5"}, {"plain", "6"}};
    EXPECT_EQ(settings::GetSection("App", "S").size(), 6);
    ASSERT_TRUE(settings::SaveSetting("App", "S", "plain", "7"));
    EXPECT_EQ(Text("App"), "[S]\nA%3DB=1\nC%0AD=2\n%3BE=3\nF%20=4\nG%2541=5\nplain=7\n");
    const settings::KeysAndValues section = settings::GetSection("App", "S");
    ASSERT_EQ(section.size(), 6);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(section[i], keys[i]) << i;
}

// Where a file names a key twice, the plain spelling wins over the escaped one, then the first;
// names match without regard to case; a write replaces every line of its key, where the first
// stood, and leaves every other line.
TEST_F(SettingsStoreTest, DuplicatesCaseAndForeignLines) {
    WriteText("App", "; written by hand\n[Global%20Parameters]\nTxFreq_MHz=100\n[global parameters]\n"
                     "txfreq_mhz=450\nTxFreq_MHz=900\njust text\n[Other]\nA=1\n");
    EXPECT_EQ(settings::GetSetting("App", "Global Parameters", "TxFreq_MHz"), "450");
    ASSERT_TRUE(settings::SaveSetting("App", "GLOBAL Parameters", "TXFREQ_MHZ", "500"));
    EXPECT_EQ(Text("App"), "; written by hand\n[GLOBAL Parameters]\nTXFREQ_MHZ=500\n[global "
                           "parameters]\njust text\n[Other]\nA=1\n");
}

// Another program's file: its comments, blank lines, sections and keys the program does not know
// (in their own spelling), values in the Windows code page and CRLF line ends all survive the
// program's writes; only the keys it writes change, spelled as it spells them.
TEST_F(SettingsStoreTest, WhatTheProgramDoesNotWriteStaysByteForByte) {
    WriteText("App", "; Planning suite settings\r\n# edited by hand\r\n\r\n"
                     "[[Legacy]]\r\nName=Caf\xe9\r\nPath = C:\\Old Tools\\  \r\n\r\n"
                     "[Loss_FieldStrength]\r\nFreq = 450.0\r\n  ; the suite's note\r\nOwner=Zo\xeb\r\n\r\n"
                     "[Tools]\r\nEditor=\"notepad.exe\"");
    EXPECT_EQ(settings::GetSetting("App", "Loss_FieldStrength", "Owner"), "Zo\u00eb");
    ASSERT_TRUE(settings::SaveSetting("App", "Loss_FieldStrength", "Freq", "900.0"));
    ASSERT_TRUE(settings::SaveSetting("App", "Loss_FieldStrength", "Units", "Metric"));
    ASSERT_TRUE(settings::SaveSetting("App", "Global Parameters", "Dist_Km", "1"));
    EXPECT_EQ(Text("App"), "; Planning suite settings\r\n# edited by hand\r\n\r\n"
                           "[[Legacy]]\r\nName=Caf\xe9\r\nPath = C:\\Old Tools\\  \r\n\r\n"
                           "[Loss_FieldStrength]\r\nFreq=900.0\r\n  ; the suite's note\r\nOwner=Zo\xeb\r\n"
                           "Units=Metric\r\n\r\n"
                           "[Tools]\r\nEditor=\"notepad.exe\"\r\n\r\n[Global Parameters]\r\nDist_Km=1\r\n");
}

// Blanks at a value's ends, surrounding quotes and line breaks survive; nothing a value holds
// can start a line of its own.
TEST_F(SettingsStoreTest, ValuesThatNeedQuotesAreQuoted) {
    const std::pair<QString, QByteArray> cases[] = {
        {"  ", "\"  \""},       {"a\nB=2", "\"a\\nB=2\""}, {"\"q\"", "\"\\\"q\\\"\""},
        {"C:\\x\\", "C:\\x\\"}, {"\"open", "\"open"},      {"1,5", "1,5"},
    };
    for (const auto& [value, written] : cases) {
        ASSERT_TRUE(settings::SaveSetting("App", "S", "K", value));
        EXPECT_EQ(Text("App"), "[S]\nK=" + written + "\n") << value.toStdString();
        EXPECT_EQ(settings::GetSetting("App", "S", "K"), value);
    }
}

// Names come from callers and files; none may reach another section or a file outside the folder.
TEST_F(SettingsStoreTest, UnusableNamesAreRefused) {
    struct Names {
        const char* application;
        const char* section;
        const char* key;
    };
    const Names refused[] = {{"", "S", "K"},      {"..", "S", "K"},     {".", "S", "K"},
                             {"a/b", "S", "K"},   {"App", "", "K"},     {"App", "S", ""},
                             {"App", "S/T", "K"}, {"App", "S", "K\\L"}, {"../App", "S", "K"},
                             {"App", "S]", "K"},  {"App", "S", "K=L"},  {"App", "S", "K\nL"},
                             {"App", "S", " K"},  {"App", "[S", "K"},   {"App", "S", ";K"}};
    for (const Names& n : refused) {
        EXPECT_FALSE(settings::SaveSetting(n.application, n.section, n.key, "v"))
            << n.application << n.section;
        EXPECT_EQ(settings::GetSetting(n.application, n.section, n.key, "default"), "default");
        EXPECT_FALSE(settings::DeleteSetting(n.application, n.section, n.key));
    }
    EXPECT_TRUE(QDir(dir_.path() + "/ProgramSettings").isEmpty());
    EXPECT_FALSE(QFile::exists(dir_.path() + "/App.ini"));
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsNeverReplaced) {
    // A named pipe stands where the file belongs (permissions would not stop root); a file without
    // read permission behaves the same for any other user.
    WriteText("Piped", "");
    QFile::remove(FileOf("Piped"));
    ASSERT_EQ(mkfifo(QFile::encodeName(FileOf("Piped")).constData(), 0600), 0);
    EXPECT_EQ(settings::GetSetting("Piped", "S", "K", "default"), "default");
    EXPECT_FALSE(settings::SaveSetting("Piped", "S", "K", "v"));
    EXPECT_FALSE(settings::DeleteSetting("Piped", "S", "K"));
    EXPECT_TRUE(QFileInfo(FileOf("Piped")).isFile() == false && QFileInfo::exists(FileOf("Piped")));
    if (geteuid() != 0) {
        WriteText("Locked", "[S]\nOther=kept\n");
        QFile::setPermissions(FileOf("Locked"), QFile::WriteOwner);
        EXPECT_FALSE(settings::SaveSetting("Locked", "S", "K", "v"));
        QFile::setPermissions(FileOf("Locked"), QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(Text("Locked"), QByteArray("[S]\nOther=kept\n"));
    }
}

// Copies of the program writing keys of one file at the same moment: every key a copy was told is
// written is in the file.
TEST_F(SettingsStoreTest, SimultaneousWritersKeepEveryKeyTheyReportWritten) {
    for (const int writers : {2, 4}) {
        SCOPED_TRACE(writers);
        std::vector<QStringList> arguments;
        for (int w = 0; w < writers; ++w) {
            arguments.push_back(
                {"settings", "Brindel", "Loss_FieldStrength", QString("W%1of%2_").arg(w).arg(writers), "50"});
        }
        const testsupport::SimultaneousRun run = testsupport::RunSimultaneously(INI_WRITER, arguments);
        ASSERT_TRUE(run.ok) << run.problem.toStdString();
        QStringList lost;
        for (const QStringList& written : run.output) {
            EXPECT_EQ(written.size(), 50);
            for (const QString& key : written) {
                if (settings::GetSetting("Brindel", "Loss_FieldStrength", key) != key) {
                    lost << key;
                }
            }
        }
        EXPECT_EQ(lost.join(QLatin1Char(' ')).toStdString(), "");
    }
}

// Another copy holds the lock beyond the few seconds a writer waits: the write is reported failed
// and the file stays as it was.
TEST_F(SettingsStoreTest, AWriteThatCannotTakeTheLockInTimeFails) {
    ASSERT_TRUE(settings::SaveSetting("App", "S", "K", "before"));
    QLockFile held(FileOf("App") + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    std::vector<bool> waits; // what a program's wait pointer follows
    settings::SetLockWaitObserver([&waits](bool waiting) { waits.push_back(waiting); });
    QElapsedTimer waited;
    waited.start();
    QString why;
    EXPECT_FALSE(settings::SaveSetting("App", "S", "K", "after", &why));
    EXPECT_GE(waited.elapsed(), settings::kIniLockWaitMs - 50);
    settings::SetLockWaitObserver(nullptr);
    EXPECT_EQ(why, "another program kept " + FileOf("App") + " locked");
    EXPECT_EQ(waits, (std::vector<bool>{true, false}));
    EXPECT_EQ(Text("App"), "[S]\nK=before\n");
}

// A lock whose writer died (its process is gone) does not block the next writer.
TEST_F(SettingsStoreTest, ALockLeftByAWriterThatDiedIsTakenOver) {
    const pid_t gone = fork();
    if (gone == 0) {
        _exit(0);
    }
    ASSERT_GT(gone, 0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    ASSERT_TRUE(QDir().mkpath(dir_.path() + "/ProgramSettings"));
    ASSERT_TRUE(
        testsupport::WriteBytes(FileOf("App") + ".lock", QByteArray::number(gone) + "\nini_writer\n\n"));
    EXPECT_TRUE(settings::SaveSetting("App", "S", "K", "v"));
    EXPECT_EQ(testsupport::FolderEntries(dir_.path() + "/ProgramSettings"), QStringList{"App.ini"});
}

TEST_F(SettingsStoreTest, UnwritableStoreReportsTheFailure) {
    WriteText("Blocked", "");
    QFile::remove(FileOf("Blocked"));
    ASSERT_TRUE(QDir().mkpath(FileOf("Blocked"))); // a folder where the file belongs
    QString why;
    EXPECT_FALSE(settings::SaveSetting("Blocked", "S", "K", "v", &why));
    EXPECT_EQ(why, FileOf("Blocked") + " could not be read");
}

// A copy of the program killed where it stood: what it printed before.
QString KilledWriter(const QStringList& arguments) {
    QProcess copy;
    copy.start(INI_WRITER, arguments);
    const QString said = copy.waitForReadyRead(-1) ? QString::fromLocal8Bit(copy.readLine()).trimmed() : "";
    copy.kill();
    copy.waitForFinished(-1);
    return said;
}

void MakeOlder(const QString& path, int seconds) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

// A copy killed between making the lock file and writing its process into it leaves an empty lock
// that names no process: the next start takes it at once instead of waiting until it is stale.
TEST_F(SettingsStoreTest, AnEmptyLockOfAKilledCopyIsTakenAtOnce) {
    ASSERT_TRUE(QDir().mkpath(dir_.path() + "/ProgramSettings"));
    const QString lock = FileOf("App") + ".lock";
    ASSERT_EQ(KilledWriter({"emptylock", lock}), "ready");
    ASSERT_EQ(QFileInfo(lock).size(), 0);
    MakeOlder(lock, 2); // the next start comes a little after the kill
    QElapsedTimer took;
    took.start();
    EXPECT_TRUE(settings::SaveSetting("App", "S", "K", "v"));
    EXPECT_LT(took.elapsed(), 3000) << "far below the " << settings::kIniLockWaitMs << " ms a writer waits";
    EXPECT_EQ(testsupport::FolderEntries(dir_.path() + "/ProgramSettings"), QStringList{"App.ini"});
}

// A save killed before its rename leaves its temporary file; the next save removes it once it is
// older than a minute, and leaves a save that may still run and files of other names alone.
TEST_F(SettingsStoreTest, TemporaryFilesOfKilledSavesGoAtTheNextSave) {
    ASSERT_TRUE(settings::SaveSetting("App", "S", "K", "before"));
    ASSERT_EQ(KilledWriter({"interrupted", FileOf("App")}), "ready");
    QStringList left = testsupport::FolderEntries(dir_.path() + "/ProgramSettings");
    left.removeOne("App.ini");
    ASSERT_EQ(left.size(), 1);
    ASSERT_TRUE(QRegularExpression("^App\\.ini\\.[A-Za-z]{6}$").match(left[0]).hasMatch())
        << left[0].toStdString();
    MakeOlder(dir_.path() + "/ProgramSettings/" + left[0], 120);
    ASSERT_TRUE(testsupport::WriteBytes(FileOf("App") + ".QxWvZy", "a save running now"));
    ASSERT_TRUE(testsupport::WriteBytes(FileOf("App") + ".bak", "the user's"));
    MakeOlder(FileOf("App") + ".bak", 120);
    EXPECT_TRUE(settings::SaveSetting("App", "S", "K", "after"));
    EXPECT_EQ(testsupport::FolderEntries(dir_.path() + "/ProgramSettings"),
              (QStringList{"App.ini", "App.ini.QxWvZy", "App.ini.bak"}));
}

// Writers that waited take the lock in the order they began to wait: a newcomer finding the lock
// free does not take it before a copy that waits already; a place of a copy that is gone holds
// nobody up.
TEST_F(SettingsStoreTest, WaitingWritersTakeTheLockInTurn) {
    ASSERT_TRUE(QDir().mkpath(dir_.path() + "/ProgramSettings"));
    const pid_t waiting = fork();
    if (waiting == 0) {
        pause();
        _exit(0);
    }
    ASSERT_GT(waiting, 0);
    const auto placeOf = [this](pid_t pid) {
        return FileOf("App") + QString(".lock.turn-%1-%2")
                                   .arg(QDateTime::currentMSecsSinceEpoch() - 100, 13, 10, QLatin1Char('0'))
                                   .arg(pid);
    };
    const QString place = placeOf(waiting);
    ASSERT_TRUE(testsupport::WriteBytes(place, ""));
    std::thread itsTurn([&place] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        QFile::remove(place);
    });
    QElapsedTimer took;
    took.start();
    EXPECT_TRUE(settings::SaveSetting("App", "S", "K", "second"));
    EXPECT_GE(took.elapsed(), 250);
    itsTurn.join();
    kill(waiting, SIGKILL);
    ASSERT_EQ(waitpid(waiting, nullptr, 0), waiting);

    ASSERT_TRUE(testsupport::WriteBytes(placeOf(waiting), ""));
    EXPECT_TRUE(settings::SaveSetting("App", "S", "K", "third"));
    EXPECT_EQ(testsupport::FolderEntries(dir_.path() + "/ProgramSettings"), QStringList{"App.ini"});
}

} // namespace
