// The distance-range dialog driven like a user, against a stand-in main window that carries the
// input controls under their names: runs, corrections, messages, units, stopping and restarting.

#include "frmLogDistRange.h"
#include "FrmReport.h"
#include "InputValidation.h"
#include "MessageBox.h"
#include "RLogClass.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

// The controls of the main window whose values a run reads.
class FakeMainWindow : public QWidget {
public:
    FakeMainWindow() {
        box("txtFreq", "450.0");
        box("txthb", "100.0");
        box("txthm", "1.5");
        box("txtDist", "10.0");
        box("txtPctTime", "50");
        box("txtPctLoc", "50");
        combo("cmbareatype", {"Urban", "Suburban", "Open"});
        combo("cmbcitysize", {"Small/Medium", "Large"});
        english = new QAction(QStringLiteral("&English"), this);
        english->setObjectName("mnuUnitsEnglish");
        english->setCheckable(true);
    }
    void set(const char* name, const QString& text) { findChild<QLineEdit*>(name)->setText(text); }
    // What the dialog reads of the main window when a run starts.
    frmLogDistRange::InputSource source() {
        return [this] {
            MainInputs in;
            in.freq = findChild<QLineEdit*>("txtFreq")->text();
            in.hb = findChild<QLineEdit*>("txthb")->text();
            in.hm = findChild<QLineEdit*>("txthm")->text();
            in.dist = findChild<QLineEdit*>("txtDist")->text();
            in.pctTime = findChild<QLineEdit*>("txtPctTime")->text();
            in.pctLoc = findChild<QLineEdit*>("txtPctLoc")->text();
            in.area = findChild<QComboBox*>("cmbareatype")->currentText();
            in.city = findChild<QComboBox*>("cmbcitysize")->currentText();
            in.english = english->isChecked();
            return in;
        };
    }
    QAction* english = nullptr;

private:
    void box(const char* name, const char* text) {
        auto* b = new QLineEdit(QString::fromLatin1(text), this);
        b->setObjectName(name);
    }
    void combo(const char* name, const QStringList& items) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->addItems(items);
    }
};

class RangeReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        tempLog = temp.filePath("log.rtf");
        msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
        msgbox::ClearShownBoxes();
        log = std::make_unique<RLogClass>();
        log->Title("TITLE");
        log->AddTitle();
        dialog = new frmLogDistRange(&main, main.source(), *log, tempLog);
    }
    void TearDown() override {
        delete dialog.data();
        msgbox::SetTestAnswerer(nullptr);
    }

    template <typename T> T* control(const char* name) { return dialog->findChild<T*>(name); }
    void setRange(const char* start, const char* end, const char* step) {
        control<QLineEdit>("txtStart")->setText(start);
        control<QLineEdit>("txtEnd")->setText(end);
        control<QLineEdit>("txtStep")->setText(step);
    }
    QStringList lines() const {
        QString text = log->Form().Text().PlainText();
        text.remove(QLatin1Char('\r'));
        return text.split(QLatin1Char('\n'));
    }
    // The table's lines: everything but a closing empty line and the empty tail after it.
    QStringList tableLines() const {
        QStringList all = lines();
        while (!all.isEmpty() && all.back().isEmpty())
            all.removeLast();
        return all;
    }
    static double distanceOf(const QString& line) { return line.left(8).trimmed().toDouble(); }
    // Runs `action` at the n-th pass of the event loop that the run lets through.
    void atEventPass(int n, std::function<void()> action) {
        auto* tick = new QTimer(dialog);
        auto count = std::make_shared<int>(0);
        QObject::connect(tick, &QTimer::timeout, tick, [tick, count, n, action] {
            if (++*count == n) {
                tick->stop();
                action();
            }
        });
        tick->start(0);
    }

    QTemporaryDir temp;
    QString tempLog;
    FakeMainWindow main;
    std::unique_ptr<RLogClass> log;
    QPointer<frmLogDistRange> dialog;
};

TEST_F(RangeReportTest, LoadsIdleWithTheDesignValues) {
    EXPECT_EQ(dialog->windowTitle(), "Report Distance Range");
    EXPECT_EQ(control<QLineEdit>("txtStart")->text(), "1.0");
    EXPECT_EQ(control<QLineEdit>("txtEnd")->text(), "100.0");
    EXPECT_EQ(control<QLineEdit>("txtStep")->text(), "1.0");
    EXPECT_TRUE(control<QCheckBox>("chkClearLog")->isChecked());
    EXPECT_EQ(control<QCheckBox>("chkClearLog")->text(), "Clear Log Before Calculations");
    EXPECT_EQ(control<QPushButton>("cmdLogDistRange")->text(), "Begin Sending Distance Range to Log");
    auto* exit = control<QPushButton>("cmdExitCalc");
    EXPECT_EQ(exit->text(), "Exit");
    EXPECT_FALSE(exit->isEnabled());
    EXPECT_EQ(exit->toolTip(), "Retains Calculations in the Log");
    EXPECT_EQ(dialog->findChildren<QLabel*>("lblKm").size(), 3);
}

TEST_F(RangeReportTest, DesignValuesLogOneHundredLinesAndSaveTheLog) {
    dialog->show();
    dialog->cmdLogDistRange_Click();
    const QStringList all = lines();
    ASSERT_EQ(all.size(), 102) << "100 lines, the closing empty line, and the empty tail";
    EXPECT_TRUE(all[100].isEmpty());
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(all[i].size(), 147) << i;
        EXPECT_EQ(distanceOf(all[i]), i + 1) << i;
    }
    EXPECT_FALSE(all.join("").contains("TITLE")) << "the log was cleared, without a title";
    EXPECT_EQ(dialog->LinesSent(), 100);
    EXPECT_FALSE(dialog->isVisible()) << "the dialog unloads itself";
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(tempLog).size() > 0);
    auto* bar = control<QProgressBar>("pgbDist");
    EXPECT_EQ(bar->minimum(), 100);
    EXPECT_EQ(bar->maximum(), 10000);
    EXPECT_EQ(bar->value(), 10000);
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

TEST_F(RangeReportTest, KeepingTheLogAppendsTheTableAfterIt) {
    control<QCheckBox>("chkClearLog")->setChecked(false);
    setRange("1", "3", "1");
    dialog->cmdLogDistRange_Click();
    const QStringList all = tableLines();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0], "TITLE");
    EXPECT_EQ(distanceOf(all[3]), 3);
}

struct Correction {
    const char *start, *end, *step;
    const char *startAfter, *endAfter, *stepAfter;
    int lines;
    double first, last;
};

TEST_F(RangeReportTest, ARangeThatNeedsCorrectingIsShownFirstThenRuns) {
    const Correction cases[] = {
        {"1", "0", "1", "1", "299.90", "1", 299, 1, 299},  {"50", "10", "5", "50", "10", "-5.00", 9, 50, 10},
        {"0", "10", "1", "0.10", "10", "1", 10, 0.1, 9.1}, {"1", "10", "0", "1", "10", "0.10", 91, 1, 10},
        {"10", "1", "0", "10", "1", "-0.10", 91, 10, 1},   {"1", "10", "-2", "1", "10", "2.00", 5, 1, 9},
    };
    for (const auto& c : cases) {
        delete dialog.data();
        dialog = new frmLogDistRange(&main, main.source(), *log, tempLog);
        msgbox::ClearShownBoxes();
        log->Clear();
        log->AddLine("before");
        setRange(c.start, c.end, c.step);
        dialog->cmdLogDistRange_Click();
        ASSERT_EQ(msgbox::ShownBoxes().size(), 1u) << c.start << " " << c.end << " " << c.step;
        EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, "Invalid Range Entered");
        EXPECT_EQ(msgbox::ShownBoxes()[0].title, "ERROR");
        EXPECT_EQ(control<QLineEdit>("txtStart")->text(), c.startAfter);
        EXPECT_EQ(control<QLineEdit>("txtEnd")->text(), c.endAfter);
        EXPECT_EQ(control<QLineEdit>("txtStep")->text(), c.stepAfter);
        EXPECT_EQ(tableLines(), QStringList{"before"}) << "nothing logged";
        EXPECT_FALSE(dialog->IsRunning());

        dialog->cmdLogDistRange_Click();
        const QStringList table = tableLines();
        ASSERT_EQ(table.size(), c.lines) << c.start << " " << c.end << " " << c.step;
        EXPECT_DOUBLE_EQ(distanceOf(table.front()), c.first);
        EXPECT_DOUBLE_EQ(distanceOf(table.back()), c.last);
        EXPECT_EQ(msgbox::ShownBoxes().size(), 1u);
    }
}

TEST_F(RangeReportTest, DescendingRunFillsTheBarFromTheLeft) {
    setRange("50", "10", "-5");
    std::vector<int> values;
    auto* bar = control<QProgressBar>("pgbDist");
    QObject::connect(bar, &QProgressBar::valueChanged, [&values](int v) { values.push_back(v); });
    dialog->cmdLogDistRange_Click();
    EXPECT_EQ(bar->minimum(), 1000);
    EXPECT_EQ(bar->maximum(), 5000);
    ASSERT_GE(values.size(), 9u);
    const std::vector<int> last9(values.end() - 9, values.end());
    EXPECT_EQ(last9, (std::vector<int>{1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000}));
}

TEST_F(RangeReportTest, ABoxThatIsNotANumberIsReplacedWhenLeft) {
    struct Case {
        const char* box;
        void (frmLogDistRange::*handler)();
        const char* message;
        const char* replacement;
    };
    const Case cases[] = {
        {"txtStart", &frmLogDistRange::txtStart_LostFocus, "Start Value Must be Numeric", "0.1"},
        {"txtEnd", &frmLogDistRange::txtEnd_LostFocus, "End Value Must be Numeric", "300"},
        {"txtStep", &frmLogDistRange::txtStep_LostFocus, "StStep Value Must be Numeric", "0.1"},
    };
    for (const auto& c : cases) {
        msgbox::ClearShownBoxes();
        control<QLineEdit>(c.box)->setText(" 12.5 ");
        (dialog->*c.handler)();
        EXPECT_TRUE(msgbox::ShownBoxes().empty()) << c.box;
        control<QLineEdit>(c.box)->setText("abc");
        (dialog->*c.handler)();
        ASSERT_EQ(msgbox::ShownBoxes().size(), 1u) << c.box;
        EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, c.message);
        EXPECT_EQ(msgbox::ShownBoxes()[0].title, "Warning");
        EXPECT_EQ(control<QLineEdit>(c.box)->text(), c.replacement);
    }
}

TEST_F(RangeReportTest, LeavingABoxForAnotherRunsItsCheck) {
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog, 120000));
    auto* step = control<QLineEdit>("txtStep");
    step->setFocus(Qt::OtherFocusReason);
    step->setText("abc");
    control<QLineEdit>("txtStart")->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, "StStep Value Must be Numeric");
    EXPECT_EQ(step->text(), "0.1");
}

TEST_F(RangeReportTest, AMainWindowBoxThatIsNotANumberStopsBeforeTheLogIsCleared) {
    const struct {
        const char* box;
        const char* text;
        InputBox kind;
    } cases[] = {{"txtFreq", "abc", InputBox::Frequency},
                 {"txthb", "", InputBox::BaseHeight},
                 {"txthm", "1.5x", InputBox::MobileHeight},
                 {"txthb", "-30", InputBox::BaseHeight}};
    for (const auto& c : cases) {
        FakeMainWindow other;
        other.set(c.box, c.text);
        msgbox::ClearShownBoxes();
        frmLogDistRange dlg(&other, other.source(), *log, tempLog);
        dlg.cmdLogDistRange_Click();
        ASSERT_EQ(msgbox::ShownBoxes().size(), 1u) << c.box;
        EXPECT_EQ(msgbox::ShownBoxes()[0].prompt.toStdString(), RangeMessage(c.kind));
        EXPECT_EQ(tableLines(), QStringList{"TITLE"}) << "the log is untouched";
        EXPECT_FALSE(dlg.IsRunning());
        EXPECT_FALSE(QFileInfo::exists(tempLog));
    }
}

TEST_F(RangeReportTest, EnglishUnitsGiveTheModelsMetres) {
    setRange("1", "150", "10");
    dialog->cmdLogDistRange_Click();
    const QStringList metric = tableLines();

    main.english->setChecked(true);
    main.set("txthb", "328.0839895");
    main.set("txthm", "4.92125984");
    delete dialog.data();
    dialog = new frmLogDistRange(&main, main.source(), *log, tempLog);
    setRange("1", "150", "10");
    dialog->cmdLogDistRange_Click();
    const QStringList english = tableLines();
    ASSERT_EQ(english.size(), metric.size());
    for (int i = 0; i < english.size(); ++i) {
        EXPECT_EQ(english[i].mid(55, 48), metric[i].mid(55, 48)) << i;
        EXPECT_EQ(english[i].mid(111, 7), " Enlish");
        EXPECT_EQ(english[i].mid(17, 7), " 328.08");
    }
}

TEST_F(RangeReportTest, PercentOfLocationsIsTakenFromTheMainWindow) {
    main.set("txtPctLoc", "90");
    setRange("10", "10", "1");
    dialog->cmdLogDistRange_Click();
    const QStringList table = tableLines();
    ASSERT_EQ(table.size(), 1);
    EXPECT_EQ(table[0].mid(107, 4), " 90%");
}

TEST_F(RangeReportTest, OutOfRangeResultsAreUnderlinedInTheLog) {
    setRange("150", "150", "1");
    dialog->cmdLogDistRange_Click();
    const ReportLogText& text = log->Form().Text();
    QString underlined;
    for (const ReportLogText::Run& run : text.Runs(0)) {
        if (run.attributes.underline)
            underlined += text.Line(0).sliced(run.begin, run.end - run.begin);
    }
    EXPECT_EQ(underlined.size(), 32) << underlined.toStdString();
    EXPECT_FALSE(log->Form().CurrentAttributes().underline) << "underline off after the run";
}

TEST_F(RangeReportTest, RunningLookShowsProgressAndTheExitButton) {
    dialog->show();
    bool checked = false;
    atEventPass(3, [&] {
        checked = true;
        EXPECT_TRUE(dialog->IsRunning());
        EXPECT_FALSE(control<QLineEdit>("txtStart")->isVisible());
        EXPECT_FALSE(control<QCheckBox>("chkClearLog")->isVisible());
        EXPECT_TRUE(control<QLabel>("lblDist")->isVisible());
        EXPECT_EQ(control<QLabel>("lblDist")->text(), "2.0 Km");
        EXPECT_EQ(control<QPushButton>("cmdExitCalc")->text(), "Exit Calculations");
        EXPECT_TRUE(control<QPushButton>("cmdExitCalc")->isVisible());
        EXPECT_EQ(control<QPushButton>("cmdLogDistRange")->text(), "Restart Sending Distance Range to Log");
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    });
    dialog->cmdLogDistRange_Click();
    EXPECT_TRUE(checked);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor is restored";
}

TEST_F(RangeReportTest, ClosingDuringARunStopsItAndSavesWhatWasWritten) {
    dialog->show();
    setRange("0.1", "299.9", "0.002");
    atEventPass(40, [this] { dialog->close(); });
    dialog->cmdLogDistRange_Click();
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->LinesSent(), 39);
    const QStringList all = lines();
    EXPECT_EQ(all.size(), 39 + 2) << "the lines so far and the closing empty line";
    EXPECT_TRUE(QFileInfo(tempLog).size() > 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RangeReportTest, ExitCalculationsStopsTheRun) {
    dialog->show();
    setRange("0.1", "299.9", "0.002");
    atEventPass(10, [this] { control<QPushButton>("cmdExitCalc")->click(); });
    dialog->cmdLogDistRange_Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->LinesSent(), 9);
    EXPECT_TRUE(QFileInfo(tempLog).size() > 0);
}

TEST_F(RangeReportTest, EscapeDuringARunStopsItToo) {
    dialog->show();
    setRange("0.1", "299.9", "0.002");
    atEventPass(5, [this] { dialog->reject(); });
    dialog->cmdLogDistRange_Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->LinesSent(), 4);
}

TEST_F(RangeReportTest, RestartStartsTheRunAgainFromTheStart) {
    dialog->show();
    atEventPass(30, [this] { control<QPushButton>("cmdLogDistRange")->click(); });
    dialog->cmdLogDistRange_Click();
    EXPECT_EQ(dialog->LinesSent(), 100);
    const QStringList table = tableLines();
    ASSERT_EQ(table.size(), 100) << "the cleared log holds the new run only";
    EXPECT_EQ(distanceOf(table.front()), 1);
    EXPECT_EQ(distanceOf(table.back()), 100);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(RangeReportTest, RestartKeepingTheLogClosesTheFirstTableWithAnEmptyLine) {
    control<QCheckBox>("chkClearLog")->setChecked(false);
    setRange("1", "10", "1");
    atEventPass(4, [this] { control<QPushButton>("cmdLogDistRange")->click(); });
    dialog->cmdLogDistRange_Click();
    const QStringList all = tableLines();
    // Title, three lines of the first run, its closing empty line, ten lines of the second.
    ASSERT_EQ(all.size(), 1 + 3 + 1 + 10);
    EXPECT_EQ(distanceOf(all[3]), 3);
    EXPECT_TRUE(all[4].isEmpty());
    EXPECT_EQ(distanceOf(all[5]), 1);
}

TEST_F(RangeReportTest, DestroyingTheDialogDuringARunIsSafe) {
    dialog->show();
    setRange("0.1", "299.9", "0.002");
    atEventPass(20, [this] { delete dialog.data(); });
    frmLogDistRange* raw = dialog.data();
    raw->cmdLogDistRange_Click();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(tableLines().size(), 19);
    EXPECT_TRUE(QFileInfo(tempLog).size() > 0) << "what was written is saved";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RangeReportTest, ClosingWhileIdleSavesNothing) {
    dialog->show();
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(QFileInfo::exists(tempLog));
}

// 0.1 to 300 km in steps of 0.00001 km: about 30 million lines, far past the log's size limit.
TEST_F(RangeReportTest, ARangeThatWouldPassTheLogsLimitIsRefusedBeforeItStarts) {
    dialog->show();
    setRange("0.1", "300", "0.00001");
    dialog->cmdLogDistRange_Click();
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    const QString message = msgbox::ShownBoxes()[0].prompt;
    EXPECT_TRUE(message.startsWith("This range gives 2999")) << message.toStdString();
    EXPECT_TRUE(message.contains("limit of 64 MB")) << message.toStdString();
    EXPECT_EQ(dialog->LinesSent(), 0);
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_TRUE(control<QLineEdit>("txtStep")->isVisible()) << "idle, so the range can be changed";
    EXPECT_EQ(lines(), (QStringList{"TITLE", ""})) << "the log is not cleared";
    EXPECT_FALSE(QFileInfo::exists(tempLog));
    setRange("0.1", "300", "0.1");
    dialog->cmdLogDistRange_Click();
    EXPECT_EQ(dialog->LinesSent(), 3000) << "a range within the limit runs";
}

} // namespace
