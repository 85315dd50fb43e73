// The start and the end of the program over its settings: the inputs and units kept for the next
// run, the suite's launch, the report log kept or dropped, and the exit question.

#include "mainform_fixture.h"

#include "FrmReport.h"
#include "ProgramState.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "UnitSystem.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

TEST_F(MainFormTest, EnglishInputsComeBackUnconvertedAtTheNextStart) {
    Start();
    form().mnuUnitsEnglish_Click();
    ui().txthb->setText("500.0");
    ui().cmbareatype->setCurrentText("Suburban");
    Exit(false);
    EXPECT_EQ(Stored("Units"), "English");
    EXPECT_EQ(Stored("HB"), "500.0");
    EXPECT_EQ(Stored("HM"), "4.9213");
    Start();
    EXPECT_TRUE(ui().mnuUnitsEnglish->isChecked());
    EXPECT_EQ(ui().Label10->text(), "ft");
    EXPECT_EQ(ui().txthb->text(), "500.0");
    EXPECT_EQ(ui().txthm->text(), "4.9213");
    EXPECT_EQ(ui().txtDist->text(), "6.2139");
    EXPECT_EQ(ui().cmbareatype->currentText(), "Suburban");
    EXPECT_FALSE(ui().cmbcitysize->isEnabled());
}

TEST_F(MainFormTest, StoredTextsOutsideTheListsLeaveTheDefaults) {
    Store("AreaType", "Desert");
    Store("CitySize", "Large");
    Store("HM", "2.5");
    Start();
    EXPECT_EQ(ui().cmbareatype->currentText(), "Urban");
    EXPECT_EQ(ui().cmbcitysize->currentText(), "Large");
    EXPECT_EQ(ui().txthm->text(), "2.5");
}

TEST_F(MainFormTest, ABoxHoldingNoNumberKeepsItsStoredValue) {
    Store("Freq", "900.0");
    Start();
    ui().txtFreq->setText("abc");
    ui().txtDist->setText("20.0");
    Exit(false);
    EXPECT_EQ(Stored("Freq"), "900.0");
    EXPECT_EQ(Stored("Dist"), "20.0");
}

TEST_F(MainFormTest, SuiteLaunchTakesAndGivesBackMetricValues) {
    for (bool english : {false, true}) {
        StoreSuite("CalledFromOrbel", "True");
        StoreSuite("PctTime_pct", "0.5");
        StoreSuite("PctLoc_pct", "0.9");
        StoreSuite("TxHt_m", "100");
        StoreSuite("RxHt_m", "1.5");
        StoreSuite("Dist_Km", "10");
        StoreSuite("TxFreq_MHz", "900");
        Store("Units", english ? "English" : "Metric");
        Store("HB", "77");
        Start();
        EXPECT_TRUE(form().OrbelLaunched());
        EXPECT_EQ(Suite("CalledFromOrbel"), "False");
        EXPECT_EQ(ui().txtPctTime->text(), "50");
        EXPECT_EQ(ui().txtPctLoc->text(), "90");
        EXPECT_EQ(ui().txtFreq->text(), "900");
        EXPECT_EQ(ui().txthb->text(), english ? "328.084" : "100");
        EXPECT_EQ(ui().txtDist->text(), english ? "6.2139" : "10");
        ui().txthm->setText(english ? "10.0" : "3.048");
        Exit(true);
        EXPECT_EQ(Suite("PctTime_pct"), "0.5");
        EXPECT_EQ(Suite("PctLoc_pct"), "0.9");
        EXPECT_EQ(Suite("RxHt_m"), "3.048");
        EXPECT_EQ(Suite("TxFreq_MHz"), "900");
        EXPECT_EQ(Suite("CalledFromOrbel"), "False");
        EXPECT_EQ(Suite("TxHt_m"), "100");
    }
}

TEST_F(MainFormTest, RetainYesKeepsEverythingAddedAndContinuesTheLog) {
    Start();
    form().cmdLossCalc_Click();
    form().lblFieldStrength_DblClick(); // nothing saves the log after the dump
    ReportLog().Form().cmdClear_Click();
    ReportLog().AddLine("after the last save");
    const QString name = program::TempLogName;
    Exit(true);
    EXPECT_EQ(Stored("TempLogName"), name);
    Start();
    EXPECT_EQ(program::TempLogName, name);
    EXPECT_EQ(LogText(), QString::fromStdString(ReportLogTitle()) + "\nafter the last save\n");
}

TEST_F(MainFormTest, RetainNoDeletesTheLogAndTheNextStartIsFresh) {
    Start();
    form().cmdLossCalc_Click();
    const QString name = program::TempLogName;
    Exit(false);
    EXPECT_FALSE(QFile::exists(name));
    EXPECT_EQ(Stored("TempLogName"), "");
    Start();
    EXPECT_NE(program::TempLogName, name);
    EXPECT_EQ(LogText(), QString::fromStdString(ReportLogTitle()) + "\n");
}

TEST_F(MainFormTest, AnEmptyOrVanishedTemporaryLogStartsAFreshLog) {
    Start();
    const QString name = program::TempLogName;
    Exit(true); // saves the title
    QFile(name).resize(0);
    Start();
    EXPECT_EQ(LogText(), QString::fromStdString(ReportLogTitle()) + "\n");
    QFile::remove(name);
    Exit(false); // the file is already gone: harmless
    EXPECT_EQ(Stored("TempLogName"), "");
}

TEST_F(MainFormTest, ExitAsksFirstAndCancelKeepsRunning) {
    Start();
    exitAnswer_ = msgbox::vbCancel;
    form().mnuFileExit_Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"This Concludes the Loss Calculation Program"});
    EXPECT_EQ(Stored("Units"), "");
    exitAnswer_ = msgbox::vbOK;
    retainAnswer_ = msgbox::vbNo;
    form().mnuFileExit_Click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"This Concludes the Loss Calculation Program",
                                                    "Retain Output Log?"}));
    EXPECT_EQ(Stored("Units"), "Metric");
    EXPECT_EQ(Stored("PCTTIME"), "50");
}

TEST_F(MainFormTest, AStoredLogThatDisappearedGivesANewFile) {
    Start();
    const QString name = program::TempLogName;
    Exit(true);
    QFile::remove(name);
    Start();
    EXPECT_NE(program::TempLogName, name);
    EXPECT_TRUE(QFile::exists(program::TempLogName));
    EXPECT_EQ(LogText(), QString::fromStdString(ReportLogTitle()) + "\n");
}
