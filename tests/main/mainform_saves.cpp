// What the main window does with the files it writes by itself (the temporary log, the settings)
// when they are not its own, too large, or cannot be written.

#include "mainform_fixture.h"

#include "ProgramState.h"
#include "ReportLine.h"
#include "WriteFaults.h"

#include <map>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Counts the files put in place in a folder (an atomic write renames its temporary file into
// place once) while it lives.
class ReplacedFiles {
public:
    explicit ReplacedFiles(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~ReplacedFiles() { close(fd_); }
    // How often each file was written or put in place.
    std::map<QString, int> Counts() {
        std::map<QString, int> counts;
        alignas(inotify_event) char buffer[8192];
        for (ssize_t n; (n = read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len > 0)
                    ++counts[QFile::decodeName(event->name)];
                p += sizeof(inotify_event) + event->len;
            }
        }
        return counts;
    }

private:
    int fd_;
};

} // namespace

// A stored log name may point anywhere: only a log file this program made in the temporary
// folder is read, written or deleted; anything else stays as it is and a fresh log starts.
TEST_F(MainFormTest, AStoredLogNameThatIsNotTheProgramsOwnIsLeftAlone) {
    const QByteArray rtf = "{\\rtf1\\ansi user's own document\\par}";
    ASSERT_TRUE(QDir(tempDir()).mkdir("sub"));
    const QString elsewhere = tempDir() + "/sub/tarvek-log-AbC123.rtf"; // the name, not the folder
    const QString otherName = tempDir() + "/notes.rtf";
    const QString link = tempDir() + "/tarvek-log-Link01.rtf";
    for (const QString& path : {elsewhere, otherName})
        ASSERT_TRUE(testsupport::WriteBytes(path, rtf));
    ASSERT_TRUE(QFile::link(otherName, link));
    for (const QString& stored : {elsewhere, otherName, link}) {
        Store("TempLogName", stored);
        Start();
        EXPECT_NE(program::TempLogName, stored);
        EXPECT_EQ(LogText(), QString::fromStdString(ReportLogTitle()) + "\n");
        form().cmdLossCalc_Click();
        Exit(false);
        EXPECT_EQ(testsupport::FileBytes(stored), rtf) << stored.toStdString();
    }
}

TEST_F(MainFormTest, ATemporaryLogTooLargeToOpenIsKeptAsideAndNamed) {
    const QString big = tempDir() + "/tarvek-log-Big001.rtf";
    ASSERT_TRUE(testsupport::WriteBytes(big, "{\\rtf1 "));
    ASSERT_TRUE(QFile(big).resize(65LL * 1024 * 1024)); // sparse: no real 65 MB written
    Store("TempLogName", big);
    Start();
    const auto shown = Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("too large to open (65.0 MB"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find(big.toStdString() + ".too-large"), std::string::npos) << shown[0];
    EXPECT_NE(program::TempLogName, big);
    EXPECT_EQ(LogText(), QString::fromStdString(ReportLogTitle()) + "\n");
    Exit(true);
    EXPECT_EQ(QFileInfo(big + ".too-large").size(), 65LL * 1024 * 1024);
}

// Saves nobody asked for are told when they fail: a log that cannot be kept at start, the settings
// once in a run, and the log again at the end, with the chance to save it elsewhere.
TEST_F(MainFormTest, FailedSavesOfTheLogAndTheSettingsAreTold) {
    const QByteArray temp = qgetenv("TMPDIR");
    qputenv("TMPDIR", (tempDir() + "/missing").toUtf8()); // no temporary log can be made there
    Start();
    EXPECT_EQ(program::TempLogName, "");
    const auto atStart = Messages();
    ASSERT_EQ(atStart.size(), 1u);
    EXPECT_NE(atStart[0].find("No output log can be kept"), std::string::npos) << atStart[0];
    EXPECT_NE(atStart[0].find((tempDir() + "/missing.").toStdString()), std::string::npos) << atStart[0];
    form().cmdLossCalc_Click();
    form().cmdLossCalc_Click();
    EXPECT_TRUE(Messages().empty()) << "told at start already";
    // A folder below a file can never be made, whoever runs the test.
    ASSERT_TRUE(testsupport::WriteBytes(tempDir() + "/file", "x"));
    qputenv("XDG_CONFIG_HOME", (tempDir() + "/file/config").toUtf8());
    Exit(true);
    const auto atEnd = Messages();
    ASSERT_EQ(atEnd.size(), 2u) << "no question about a log that has no file";
    EXPECT_NE(atEnd[0].find("no file could be made in the temporary folder " +
                            (tempDir() + "/missing.").toStdString()),
              std::string::npos)
        << atEnd[0];
    EXPECT_NE(atEnd[0].find("Save to File"), std::string::npos) << atEnd[0];
    EXPECT_NE(atEnd[1].find("settings could not be saved"), std::string::npos) << atEnd[1];
    qputenv("TMPDIR", temp);
}

// The suite's values that the program cannot read, or reads in the suite's number format, keep
// their stored text; and the end writes each settings file once, whatever the values' sizes.
TEST_F(MainFormTest, SuiteTextsStayAndEachFileIsWrittenOnceAtTheEnd) {
    StoreSuite("CalledFromOrbel", "True");
    StoreSuite("TxPower_w", "1,5");
    StoreSuite("TxGain_dBi", "12.5dB");
    StoreSuite("TxFreq_MHz", "abc");
    StoreSuite("PctTime_pct", "0,25");
    Store("InfoScreen", QString(1024 * 1024, 'x'));
    Start();
    EXPECT_EQ(ui().txtPctTime->text(), "25");
    const std::pair<const char*, const char*> kept[] = {
        {"TxPower_w", "1,5"}, {"TxGain_dBi", "12.5dB"}, {"TxFreq_MHz", "abc"}, {"PctTime_pct", "0,25"}};
    for (const auto& [key, text] : kept)
        EXPECT_EQ(Suite(key), text) << key;
    EXPECT_EQ(Suite("CalledFromOrbel"), "False");
    ReplacedFiles written(QString::fromUtf8(qgetenv("XDG_CONFIG_HOME")) + "/ProgramSettings");
    Exit(true);
    auto counts = written.Counts();
    EXPECT_EQ(counts["Brindel.ini"], 1);
    EXPECT_EQ(counts["Veltrix_Orbel.ini"], 1);
    for (const auto& [key, text] : kept)
        EXPECT_EQ(Suite(key), text) << key;
    EXPECT_EQ(Stored("InfoScreen").size(), 1024 * 1024);
}
