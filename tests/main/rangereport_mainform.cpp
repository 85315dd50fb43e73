// The distance-range dialog opened over the real main window: it finds the window's inputs by
// their names, writes the calculation's line at each distance and saves the program's log.

#include "frmLogDistRange.h"
#include "MainForm.h"
#include "mainform_fixture.h"
#include "ProgramState.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

class RangeOverMainForm : public MainFormTest {
protected:
    // Runs the dialog over the main window for one range; the log is kept unless `clear`.
    void runRange(const char* start, const char* end, const char* step, bool clear) {
        frmLogDistRange dialog(form());
        dialog.findChild<QLineEdit*>("txtStart")->setText(start);
        dialog.findChild<QLineEdit*>("txtEnd")->setText(end);
        dialog.findChild<QLineEdit*>("txtStep")->setText(step);
        dialog.findChild<QCheckBox*>("chkClearLog")->setChecked(clear);
        dialog.cmdLogDistRange_Click();
        ASSERT_FALSE(dialog.IsRunning());
    }
    QStringList lines() { return LogText().split(QLatin1Char('\n')); }
};

// Up to the date, which may turn over between two lines.
QString withoutDate(const QString& line) {
    return line.left(127);
}

TEST_F(RangeOverMainForm, EachLineIsTheCalculationsLineAtThatDistance) {
    Start();
    ui().cmdLossCalc->click();
    runRange("10", "10", "1", false);
    const QStringList all = lines();
    ASSERT_GE(all.size(), 4);
    EXPECT_EQ(withoutDate(all[2]), withoutDate(all[1]));
    EXPECT_EQ(UnderlineOf(2), UnderlineOf(1));
    EXPECT_TRUE(all[3].isEmpty()) << "the table ends with an empty line";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RangeOverMainForm, TheRunReadsTheMainWindowsCurrentInputs) {
    Start();
    ui().txtFreq->setText("900");
    ui().txthb->setText("50");
    ui().txtPctLoc->setText("90");
    ui().cmbareatype->setCurrentText("Suburban");
    runRange("1", "5", "1", true);
    const QStringList all = lines();
    ASSERT_GE(all.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(all[i].mid(9, 7), "    900") << i;
        EXPECT_EQ(all[i].mid(17, 7), "     50") << i;
        EXPECT_EQ(all[i].mid(33, 8), "Suburban") << i;
        EXPECT_EQ(all[i].mid(43, 12), QString(12, ' ')) << "no city outside urban areas";
        EXPECT_EQ(all[i].mid(107, 4), " 90%") << i;
    }
}

TEST_F(RangeOverMainForm, EnglishUnitsGiveTheSameResultsAsMetric) {
    Start();
    runRange("5", "150", "5", true);
    const QStringList metric = lines();
    ui().mnuUnitsEnglish->trigger();
    ASSERT_TRUE(ui().mnuUnitsEnglish->isChecked());
    ASSERT_NE(ui().txthb->text(), "100.0") << "the heights are now in feet";
    runRange("5", "150", "5", true);
    const QStringList english = lines();
    ASSERT_EQ(english.size(), metric.size());
    for (int i = 0; i + 2 < english.size(); ++i) {
        EXPECT_EQ(english[i].mid(55, 48), metric[i].mid(55, 48)) << i;
        EXPECT_EQ(english[i].mid(111, 7), " Enlish") << i;
    }
}

TEST_F(RangeOverMainForm, TheRunSavesTheProgramsLog) {
    Start();
    QFile::remove(program::TempLogName);
    runRange("1", "3", "1", true);
    EXPECT_GT(QFileInfo(program::TempLogName).size(), 0);
}

TEST_F(RangeOverMainForm, AFrequencyBoxThatIsNotANumberStopsTheRun) {
    Start();
    ui().txtFreq->setText("abc");
    runRange("1", "3", "1", true);
    const std::vector<std::string> shown = Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Valid Frequency Range 30Mhz to 2000 MHz");
    EXPECT_TRUE(lines()[0].startsWith("  Dist ")) << "the log still holds its title";
}

} // namespace
