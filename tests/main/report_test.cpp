// The report log object: appends and attributes, clearing, files and the clipboard.

#include "report_fixture.h"

#include "ReportLog.h"
#include "SizeText.h"
#include "TempLogSaves.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTextBlock>

namespace {

TEST_F(ReportTest, NewLogHasTheDefaultTitleAndNoText) {
    EXPECT_EQ(log.Title(), "Report Log");
    EXPECT_TRUE(text().isEmpty());
    EXPECT_FALSE(log.Form().isVisible());
}

TEST_F(ReportTest, AddLineWritesEachTextWithItsLineEnd) {
    log.AddLine("first");
    log.AddLine("second");
    EXPECT_EQ(text(), "first\nsecond\n");
    EXPECT_TRUE(log.Form().rtbLog->CaretAtEnd());
}

TEST_F(ReportTest, UnderlineAppliesOnlyToTextAddedWhileOn) {
    log.Underline(true);
    log.Add("first");
    log.Underline(false);
    log.Add("second");
    EXPECT_EQ(runs(), (std::vector<std::string>{"U:first", ":second"}));
}

TEST_F(ReportTest, BoldAndItalicStayOnUntilSetAgain) {
    log.Bold(true);
    log.Add("a");
    log.Italic(true);
    log.Add("b");
    log.Bold(false);
    log.Italic(false);
    log.Add("c");
    EXPECT_EQ(runs(), (std::vector<std::string>{"B:a", "BI:b", ":c"}));
}

TEST_F(ReportTest, AddTitleWritesTheTitleBoldUnderlinedWithALineEnd) {
    log.Title("  Dist     Frq");
    log.AddTitle();
    log.Add("10");
    EXPECT_EQ(runs(), (std::vector<std::string>{"BU:  Dist     Frq", "|", ":10"}));
    EXPECT_EQ(log.Form().RightMargin(), 32000);
}

TEST_F(ReportTest, AddAppendsAtTheEndWhateverTheUserSelected) {
    log.AddLine("first line");
    log.Form().rtbLog->Select({0, 2}, {0, 6});
    ASSERT_TRUE(log.Form().rtbLog->HasSelection());
    log.AddLine("second");
    EXPECT_EQ(text(), "first line\nsecond\n");
    EXPECT_FALSE(log.Form().rtbLog->HasSelection());
    EXPECT_TRUE(log.Form().rtbLog->CaretAtEnd());
}

TEST_F(ReportTest, TextOfAnOpenLineReachesTheDocumentWhenEventsRun) {
    log.Add("partial");
    QApplication::processEvents();
    EXPECT_EQ(doc().toPlainText(), "partial");
}

// Whatever was added before, text still held back for the document included, Clear leaves an
// empty log without attributes.
TEST_F(ReportTest, ClearEmptiesTheLogWithoutATitleOrAttributes) {
    log.AddTitle();
    addReportLine(log);
    log.Clear();
    EXPECT_TRUE(text().isEmpty());
    EXPECT_EQ(log.Form().RightMargin(), 32000);
    log.Add("abc");
    log.Clear();
    EXPECT_TRUE(text().isEmpty());
    log.Bold(true);
    log.Italic(true);
    log.Underline(true);
    log.Add("def");
    log.Clear();
    log.Add("ghi\r\n");
    QApplication::processEvents();
    EXPECT_EQ(runs(), (std::vector<std::string>{":ghi", "|"}));
}

TEST_F(ReportTest, SaveFileBeforeAnyAddWritesNothing) {
    EXPECT_FALSE(log.SaveFile(path("log.rtf")));
    EXPECT_FALSE(QFile::exists(path("log.rtf")));
}

TEST_F(ReportTest, SaveFileAfterAnAddWritesRichText) {
    log.Add("x");
    EXPECT_TRUE(log.SaveFile(path("log.rtf")));
    EXPECT_TRUE(testsupport::FileBytes(path("log.rtf")).startsWith("{\\rtf1"));
}

TEST_F(ReportTest, SaveFileIntoAMissingFolderFails) {
    log.Add("x");
    EXPECT_FALSE(log.SaveFile(path("missing/log.rtf")));
}

TEST_F(ReportTest, ReadFileOfAMissingFileLeavesTheLog) {
    log.AddLine("kept");
    EXPECT_FALSE(log.ReadFile(path("none.rtf")));
    EXPECT_EQ(text(), "kept\n");
}

TEST_F(ReportTest, ReadFileOfAFileThatIsNotRichTextLeavesTheLog) {
    ASSERT_TRUE(testsupport::WriteBytes(path("plain.txt"), "just text\r\n"));
    log.AddLine("kept");
    EXPECT_FALSE(log.ReadFile(path("plain.txt")));
    EXPECT_EQ(text(), "kept\n");
}

TEST_F(ReportTest, ReadFileReplacesTheLogAndTurnsAttributesOff) {
    ASSERT_TRUE(testsupport::WriteBytes(path("old.rtf"), "{\\rtf1 {\\b\\ul Title}\\par old line\\par }"));
    log.AddLine("replaced");
    log.Underline(true);
    log.Bold(true);
    EXPECT_TRUE(log.ReadFile(path("old.rtf")));
    log.Add("new");
    EXPECT_EQ(runs(), (std::vector<std::string>{"BU:Title", "|", ":old line", "|", ":new"}));
    EXPECT_TRUE(log.Form().rtbLog->CaretAtEnd());
    EXPECT_TRUE(log.SaveFile(path("again.rtf")));
}

TEST_F(ReportTest, LogWithTitleUnderlinesAndPictureSurvivesSaveAndRead) {
    log.Title("  Dist     Frq    BaseH");
    log.AddTitle();
    addReportLine(log);
    addReportLine(log);
    QApplication::clipboard()->setImage(graphPicture());
    log.PasteClipboard();
    log.AddLine("[Clip Board Image]");
    ASSERT_TRUE(log.SaveFile(path("log.rtf")));

    RLogClass other;
    ASSERT_TRUE(other.ReadFile(path("log.rtf")));
    EXPECT_EQ(runsOf(other.Form().Document()), runs());
    // The runs of each report line and its line end.
    const std::vector<std::string> line = {":      10     450     100     1.5 Urban     Small/Medium",
                                           "U: 146.21 ",
                                           ": 150.03 ",
                                           "U:  53.19 ",
                                           ": 50% 50% Metric",
                                           "|"};
    std::vector<std::string> expected = {"BU:  Dist     Frq    BaseH", "|"};
    for (int i = 0; i < 2; ++i)
        expected.insert(expected.end(), line.begin(), line.end());
    expected.insert(expected.end(), {"[pict]", ":[Clip Board Image]", "|"});
    EXPECT_EQ(runs(), expected);
}

// A loaded log stays in its file form until something shows or reads it: saved again with lines
// appended it is the same file as when it had been read into the document first.
TEST_F(ReportTest, ALoadedLogIsSavedWithItsNewLinesAsIfItHadBeenShown) {
    log.AddTitle();
    addReportLine(log);
    log.Underline(true);
    log.Add("open end"); // the last paragraph runs on into what is appended after loading
    ASSERT_TRUE(log.SaveFile(path("log.rtf")));
    const auto appendTo = [](RLogClass& target) {
        target.Add(" and more");
        target.Underline(false);
        target.AddLine(" plain");
        addReportLine(target);
    };
    RLogClass unread;
    ASSERT_TRUE(unread.ReadFile(path("log.rtf")));
    appendTo(unread);
    ASSERT_TRUE(unread.SaveFile(path("unread.rtf")));
    RLogClass read;
    ASSERT_TRUE(read.ReadFile(path("log.rtf")));
    read.Form().Flush();
    appendTo(read);
    ASSERT_TRUE(read.SaveFile(path("read.rtf")));
    EXPECT_EQ(testsupport::FileBytes(path("unread.rtf")), testsupport::FileBytes(path("read.rtf")));
    EXPECT_EQ(runsOf(unread.Form().Document()), runsOf(read.Form().Document()));
    EXPECT_EQ(unread.Form().Document().toPlainText().count("open end and more plain"), 1);
}

TEST_F(ReportTest, PasteClipboardAppendsText) {
    log.Add("a");
    QApplication::clipboard()->setText("pasted");
    log.PasteClipboard();
    EXPECT_EQ(text(), "apasted");
}

TEST_F(ReportTest, ReportInsertTextAppendsWithoutCountingAsAWrite) {
    ReportInsertText("\r\nTable Segments: 3\r\n");
    EXPECT_EQ(ReportLog().Form().Text().PlainText(), "\r\nTable Segments: 3\r\n");
    EXPECT_FALSE(ReportLog().SaveFile(path("dump.rtf")));
    DestroyReportLog();
    EXPECT_FALSE(ReportLogExists());
}

// After a calculation the temporary file takes only what the calculation added, in its tail; the
// file and its tail read back as the whole log, and a whole save leaves the file alone complete.
TEST_F(ReportTest, SavesToTheTemporaryFileWriteOnlyWhatWasAdded) {
    const QString file = path("temp.rtf");
    log.AddTitle();
    addReportLine(log);
    ASSERT_TRUE(log.SaveTempFile(file));
    const QByteArray first = testsupport::FileBytes(file);
    addReportLine(log);
    ASSERT_TRUE(log.SaveTempFile(file));
    EXPECT_EQ(testsupport::FileBytes(file), first) << "the file is not written again";
    EXPECT_TRUE(QFile::exists(file + ".tail"));
    RLogClass next;
    ASSERT_TRUE(next.ReadFile(file));
    EXPECT_EQ(runsOf(next.Form().Document()), runs());
    addReportLine(next);
    ASSERT_TRUE(next.SaveTempFile(file)) << "the next run goes on adding to the tail";
    ASSERT_TRUE(next.SaveTempFile(file, true));
    EXPECT_FALSE(QFile::exists(file + ".tail"));
    ASSERT_TRUE(next.SaveFile(path("whole.rtf")));
    EXPECT_EQ(testsupport::FileBytes(file), testsupport::FileBytes(path("whole.rtf")));
}

TEST_F(ReportTest, ATailLeftByAnEarlierFileIsNotRead) {
    const QString file = path("temp.rtf");
    log.AddLine("first");
    ASSERT_TRUE(log.SaveTempFile(file));
    log.AddLine("second");
    ASSERT_TRUE(log.SaveTempFile(file));
    RLogClass other;
    other.AddLine("another log, longer than the first");
    ASSERT_TRUE(other.SaveFile(file));
    RLogClass next;
    ASSERT_TRUE(next.ReadFile(file));
    EXPECT_EQ(next.Form().Document().toPlainText(), "another log, longer than the first\n");
}

// A run killed between a whole save and the removal of the tail before it: the file holds the
// tail's lines already, so they are neither doubled nor reported.
TEST_F(ReportTest, ATailTheFileAlreadyHoldsIsDroppedWithoutAWord) {
    const QString file = path("temp.rtf");
    log.AddLine("first");
    ASSERT_TRUE(log.SaveTempFile(file));
    log.AddLine("second");
    ASSERT_TRUE(log.SaveTempFile(file));
    QFile tail(TempLogSaves::TailName(file));
    ASSERT_TRUE(tail.open(QIODevice::ReadOnly));
    const QByteArray left = tail.readAll();
    tail.close();
    ASSERT_TRUE(log.SaveTempFile(file, true));
    ASSERT_TRUE(tail.open(QIODevice::WriteOnly));
    tail.write(left);
    tail.close();
    RLogClass next;
    ASSERT_TRUE(next.ReadFile(file));
    EXPECT_EQ(next.Form().Document().toPlainText(), "first\nsecond\n");
    EXPECT_TRUE(next.Form().TempSaves().LastTail().problem.isEmpty());
    EXPECT_FALSE(tail.exists());
}

// Sizes in messages keep the figure that tells one size from another near it.
TEST(SizeTextTest, FiguresAtTheirPrecision) {
    const std::pair<qint64, const char*> cases[] = {
        {812, "812 bytes"}, {4608, "4.5 KB"}, {178258, "174 KB"}, {1782580, "1.7 MB"}, {67111689, "64.0 MB"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(SizeText(bytes), text) << bytes;
}

// The window.

} // namespace
