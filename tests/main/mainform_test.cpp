#include "AboutForm.h"
#include "ControlColour.h"
#include "FrmReport.h"
#include "LostFocusFilter.h"
#include "MainForm.h"
#include "mainform_fixture.h"
#include "ModCalculations.h"
#include "ProgramState.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "UnitSystem.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

const QColor kWhite(255, 255, 255);

QString LineOf(const QString& log, int line) {
    return log.split(QLatin1Char('\n')).value(line);
}

} // namespace

TEST_F(MainFormTest, FreshStartShowsTheDefaultsAndATitledLog) {
    Start();
    EXPECT_EQ(form().windowTitle(), "Okumura-Hata Field Strength / Loss Calculations");
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {ui().txtFreq, "450.0"}, {ui().txtDist, "10.0"}, {ui().txthb, "100.0"},    {ui().txthm, "1.5"},
        {ui().txtPctTime, "50"}, {ui().txtPctLoc, "50"}, {ui().txtPowerUnit, "1"},
    };
    for (const auto& [box, text] : boxes)
        EXPECT_EQ(box->text(), text) << box->objectName().toStdString();
    EXPECT_EQ(ui().cmbPowerUnit->currentText(), "kW e.r.p.");
    EXPECT_EQ(ui().cmbareatype->currentText(), "Urban");
    EXPECT_EQ(ui().cmbcitysize->currentText(), "Small/Medium");
    EXPECT_TRUE(ui().mnuUnitsMetric->isChecked());
    EXPECT_FALSE(ui().mnuUnitsEnglish->isChecked());
    EXPECT_EQ(ui().Label12->text(), "Km");
    EXPECT_EQ(PowerWatts, 1000);
    const QFileInfo temp(program::TempLogName);
    // The new log is in its file from the start, so a run that is killed leaves it for the next.
    EXPECT_TRUE(temp.exists());
    EXPECT_GT(temp.size(), 144);
    EXPECT_EQ(Stored("TempLogName"), program::TempLogName);
    EXPECT_EQ(temp.absolutePath(), QFileInfo(tempDir()).absoluteFilePath());
    EXPECT_EQ(LogText(), QString::fromStdString(ReportLogTitle()) + "\n");
    const QTextBlock title = ReportLog().Form().Document().firstBlock();
    const QTextCharFormat format = title.begin().fragment().charFormat();
    EXPECT_TRUE(format.fontUnderline());
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.begin().fragment().length(), 144);
}

TEST_F(MainFormTest, DefaultCalculationAppendsTheLineAndMarksCost231) {
    Start();
    ui().cmdLossCalc->click();
    EXPECT_TRUE(Messages().empty());
    const QString line = LineOf(LogText(), 1);
    ASSERT_EQ(line.size(), 147);
    EXPECT_EQ(line.left(127),
              "      10     450     100     1.5 Urban     Small/Medium 143.13  140.42  143.13   49.31 "
              "   49.3   52.01  50% 50% Metric     1000");
    EXPECT_EQ(UnderlineOf(1), std::string(63, ' ') + std::string(8, '_') + std::string(24, ' ') +
                                  std::string(8, '_') + std::string(44, ' '));
    const std::pair<QLabel*, const char*> labels[] = {
        {ui().lblDavidson, "143.13"}, {ui().lblcost231, "140.42"},     {ui().lblOH529dBLoss, "143.13"},
        {ui().lblFITU529, "49.31"},   {ui().lblOkumHatDavFS, "49.30"}, {ui().lblFCost231, "52.01"},
    };
    for (const auto& [label, text] : labels) {
        EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
        const bool cost = label == ui().lblcost231 || label == ui().lblFCost231;
        EXPECT_EQ(BackColor(label), cost ? program::OutOfRangeColour : kWhite)
            << label->objectName().toStdString();
    }
    EXPECT_GT(QFileInfo(program::TempLogName).size(), 0);
}

TEST_F(MainFormTest, EighteenHundredMegahertzUrbanLargeMarksTheOtherFour) {
    Start();
    ui().txtFreq->setText("1800");
    ui().cmbcitysize->setCurrentText("Large");
    form().cmdLossCalc_Click();
    for (QLabel* label : {ui().lblDavidson, ui().lblOH529dBLoss, ui().lblFITU529, ui().lblOkumHatDavFS})
        EXPECT_EQ(BackColor(label), program::OutOfRangeColour) << label->objectName().toStdString();
    for (QLabel* label : {ui().lblcost231, ui().lblFCost231})
        EXPECT_EQ(BackColor(label), kWhite) << label->objectName().toStdString();
    EXPECT_EQ(LineOf(LogText(), 1).mid(43, 12), "Large       ");
}

TEST_F(MainFormTest, RefusedCalculationShowsItsMessageAndLogsNothing) {
    Start();
    const std::pair<QLineEdit * MainControls::*, const char*> cases[] = {
        {&MainControls::txtFreq, "Valid Frequency Range 30Mhz to 2000 MHz"},
        {&MainControls::txthb, "Valid Height of Base Station Antenna is 20m to 2500m"},
        {&MainControls::txthm, "Valid Height of Mobile Antenna is 1m to 30m"},
        {&MainControls::txtDist, "Valid Range is 0 < Distance <= 300 km"},
    };
    for (const auto& [member, message] : cases) {
        form().mnuFileNew_Click();
        (ui().*member)->setText("0");
        form().cmdLossCalc_Click();
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
    }
    EXPECT_EQ(LogText().count('\n'), 1);
}

TEST_F(MainFormTest, LeavingABoxRunsItsValidator) {
    Start();
    const struct {
        QLineEdit* MainControls::*box;
        const char* typed;
        const char* text;
        const char* message;
    } cases[] = {
        {&MainControls::txtFreq, "2000", "2000.0", nullptr},
        {&MainControls::txtFreq, "2001", "150.0", "Valid Frequency Range 30Mhz to 2000 MHz"},
        {&MainControls::txthb, "10", "20.0", "Valid Height of Base Station Antenna is 20m to 2500m"},
        {&MainControls::txtDist, "0.5", "10.0", "Valid Range is  1 <= Distance <= 300 km"},
        {&MainControls::txthm, "31", "1.0", "Valid Height of Mobile Antenna is 1m to 30m"},
        {&MainControls::txtPctTime, "12.7", "13", nullptr},
        {&MainControls::txtPctLoc, "12.7", "12.7", nullptr},
        {&MainControls::txtPctTime, "0", "50", "Percent Time Range 1 to 99"},
        {&MainControls::txtPctLoc, "0", "50", "Percent Location Range 1 to 99"},
        {&MainControls::txtPowerUnit, "2.50", "2.5", nullptr},
        {&MainControls::txtPowerUnit, "abc", "1", nullptr},
    };
    for (const auto& c : cases) {
        QLineEdit* box = ui().*c.box;
        box->setText(c.typed);
        LeaveBox(box);
        EXPECT_EQ(box->text(), c.text) << c.typed;
        const auto shown = msgbox::ShownBoxes();
        EXPECT_EQ(Messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        if (c.message) {
            EXPECT_EQ(shown.back().title, "Brindel");
        }
    }
}

TEST_F(MainFormTest, WindowSwitchesAndPopupsAreNoLossOfFocus) {
    Start();
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        ui().txtFreq->setText("5000");
        QFocusEvent event(QEvent::FocusOut, reason);
        QApplication::sendEvent(ui().txtFreq, &event);
        EXPECT_EQ(ui().txtFreq->text(), "5000");
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormTest, PowerUnitShowsTheSamePowerAndDecibelsTakeAnyValue) {
    Start();
    ui().cmbPowerUnit->setCurrentText("dBm");
    EXPECT_EQ(ui().txtPowerUnit->text(), "60");
    ui().cmbPowerUnit->setCurrentText("dBw");
    EXPECT_EQ(ui().txtPowerUnit->text(), "30");
    ui().txtPowerUnit->setText("abc");
    LeaveBox(ui().txtPowerUnit);
    EXPECT_EQ(ui().txtPowerUnit->text(), "0");
    EXPECT_DOUBLE_EQ(PowerWatts, 1);
    ui().cmbPowerUnit->setCurrentText("kW e.r.p.");
    EXPECT_EQ(ui().txtPowerUnit->text(), "0.001");
    EXPECT_TRUE(Messages().empty());
}

// Twelve decimals in kW make 1e-10 W "0"; leaving the box must not turn it into 1 kW.
TEST_F(MainFormTest, TinyPowerInKilowattsSurvivesLeavingTheBox) {
    Start();
    ui().cmbPowerUnit->setCurrentText("W e.r.p.");
    ui().txtPowerUnit->setText("0.0000000001");
    LeaveBox(ui().txtPowerUnit);
    ui().cmbPowerUnit->setCurrentText("kW e.r.p.");
    EXPECT_EQ(ui().txtPowerUnit->text(), "1E-13");
    LeaveBox(ui().txtPowerUnit);
    EXPECT_EQ(ui().txtPowerUnit->text(), "1E-13");
    EXPECT_DOUBLE_EQ(PowerWatts, 1e-10);
}

// No label and no log line carries a power that is not a finite number of watts above 0.
TEST_F(MainFormTest, PowersThatAreNoFiniteWattsAreRefusedSilently) {
    Start();
    ui().cmbPowerUnit->setCurrentText("dBm");
    for (const char* typed : {"4000", "-4000", "1e999"}) {
        ui().txtPowerUnit->setText(typed);
        LeaveBox(ui().txtPowerUnit);
        EXPECT_EQ(ui().txtPowerUnit->text(), "60") << typed;
        EXPECT_EQ(PowerWatts, 1000) << typed;
    }
    ui().cmbPowerUnit->setCurrentText("W e.r.p.");
    ui().txtPowerUnit->setText("1e999");
    LeaveBox(ui().txtPowerUnit);
    EXPECT_EQ(ui().txtPowerUnit->text(), "1000");
    form().cmdLossCalc_Click();
    EXPECT_TRUE(Messages().empty());
    const QString line = LineOf(LogText(), 1);
    ASSERT_EQ(line.size(), 147);
    EXPECT_EQ(line.mid(55, 72), " 143.13  140.42  143.13   49.31    49.3   52.01  50% 50% Metric     1000");
    EXPECT_EQ(ui().lblFITU529->text(), "49.31");
}

TEST_F(MainFormTest, AreaOtherThanUrbanFixesTheCitySize) {
    Start();
    ui().cmbcitysize->setCurrentText("Large");
    ui().cmbareatype->setCurrentText("Open");
    EXPECT_FALSE(ui().cmbcitysize->isEnabled());
    EXPECT_EQ(ui().cmbcitysize->currentText(), "Small/Medium");
    ui().cmbareatype->setCurrentText("Urban");
    EXPECT_TRUE(ui().cmbcitysize->isEnabled());
    EXPECT_EQ(ui().cmbcitysize->currentText(), "Small/Medium");
}

// The name does not take the focus, so the box being edited has not been validated yet.
TEST_F(MainFormTest, MenuCalculationAndRangeDisplayValidateTheBoxBeingEdited) {
    Start();
    QApplication::setActiveWindow(&form());
    ui().txtDist->setFocus();
    ui().txtDist->setText("abc");
    form().mnuCalculationCalculate_Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Valid Range is  1 <= Distance <= 300 km"});
    EXPECT_EQ(ui().txtDist->text(), "10.0");
    EXPECT_EQ(LogText().count('\n'), 2);
    ui().txthb->setText("");
    form().lblLDavidson_MouseDown();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Valid Height of Base Station Antenna is 20m to 2500m"});
    EXPECT_EQ(ui().txthb->text(), "20.0");
    EXPECT_EQ(ui().lblHelpRange->text(), ""); // the message took the press
    form().lblLDavidson_MouseDown();
    EXPECT_EQ(BackColor(ui().txthb), program::OutOfRangeColour);
}

TEST_F(MainFormTest, UnitSwitchAndBackRestoresTheTexts) {
    Start();
    ui().txtDist->setText("300.0");
    ui().mnuUnitsEnglish->trigger();
    EXPECT_EQ(ui().txthb->text(), "328.084");
    EXPECT_EQ(ui().txthm->text(), "4.9213");
    EXPECT_EQ(ui().txtDist->text(), "186.4165");
    EXPECT_EQ(ui().Label10->text(), "ft");
    EXPECT_EQ(ui().Label11->text(), "ft");
    EXPECT_EQ(ui().Label12->text(), "miles");
    EXPECT_TRUE(UnitSystem::Instance().IsEnglish());
    ui().mnuUnitsEnglish->trigger(); // already in force: nothing changes
    EXPECT_TRUE(ui().mnuUnitsEnglish->isChecked());
    EXPECT_EQ(ui().txthb->text(), "328.084");
    ui().mnuUnitsMetric->trigger();
    EXPECT_EQ(ui().txthb->text(), "100.0");
    EXPECT_EQ(ui().txthm->text(), "1.5");
    EXPECT_EQ(ui().txtDist->text(), "300.0");
    EXPECT_TRUE(ui().mnuUnitsMetric->isChecked());
    EXPECT_FALSE(ui().mnuUnitsEnglish->isChecked());
}

TEST_F(MainFormTest, EnglishCalculationConvertsAndLogsTheTypedValues) {
    Start();
    form().mnuUnitsEnglish_Click();
    ui().txtDist->setText("187");
    form().cmdLossCalc_Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Valid Range is 0 < Distance <= 300 km"});
    ui().txtDist->setText("6.2139");
    form().cmdLossCalc_Click();
    const QString line = LineOf(LogText(), 1);
    EXPECT_EQ(line.left(33), "    6.21     450  328.08    4.92 ");
    EXPECT_EQ(line.mid(111, 7), " Enlish");
    EXPECT_EQ(ui().lblDavidson->text(), "143.13");
}

TEST_F(MainFormTest, FileNewBringsBackMetricDefaults) {
    Start();
    form().mnuUnitsEnglish_Click();
    ui().txtPctTime->setText("20");
    form().mnuFileNew_Click();
    EXPECT_FALSE(UnitSystem::Instance().IsEnglish());
    EXPECT_TRUE(ui().mnuUnitsMetric->isChecked());
    EXPECT_EQ(ui().txthb->text(), "100.0");
    EXPECT_EQ(ui().Label12->text(), "Km");
    EXPECT_EQ(ui().txtPctTime->text(), "20");
}

TEST_F(MainFormTest, MenuTogglesFlipCaptionsAndProgramValues) {
    Start();
    form().mnuHideShow_Click();
    EXPECT_EQ(ui().mnuHideShow->text(), "&Show Out of Range Values");
    EXPECT_EQ(program::OutOfRangeColour, QColor(40, 40, 40));
    form().mnuHideShow_Click();
    EXPECT_EQ(ui().mnuHideShow->text(), "&Hide Out of Range Values");
    EXPECT_EQ(program::OutOfRangeColour, QColor(255, 150, 150));
    form().mnuGraphMeasured_Click();
    EXPECT_EQ(ui().mnuGraphMeasured->text(), "&Hide Measured Data");
    EXPECT_EQ(program::ShowMeasuredData, -1);
    form().mnuGraphMeasured_Click();
    EXPECT_EQ(program::ShowMeasuredData, 0);
    const std::pair<QAction*, long> models[] = {{ui().mnuOkumGraphFieldStrength, 0},
                                                {ui().mnuOkum529GraphFieldStrength, 1},
                                                {ui().mnuGraphCost231FieldStrength, 3},
                                                {ui().mnuGraphCompare, 4}};
    for (const auto& [item, model] : models) {
        // Each item opens the field-strength window modally; close it once it shows.
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        item->trigger();
        EXPECT_EQ(program::GraphModel, model);
    }
}

TEST_F(MainFormTest, DoubleClickOnFieldStrengthDumpsTheTables) {
    Start();
    form().lblFieldStrength_DblClick();
    const QString log = LogText();
    EXPECT_TRUE(log.contains("Table Segments: 3")) << log.toStdString();
    EXPECT_TRUE(log.contains("2> Freq:-1  %:0 City:  hm: 0 hb(0): "));
}

namespace {

// Runs a menu command that opens a modal window and closes that window once it shows; returns
// the window's class name.
std::string ModalOpenedBy(QAction* item) {
    std::string opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->metaObject()->className();
            modal->close();
        }
    });
    item->trigger();
    return opened;
}

} // namespace

TEST_F(MainFormTest, MenuItemsOpenTheirWindowsModally) {
    Start();
    EXPECT_EQ(ModalOpenedBy(ui().mnuHelpAbout), "AboutForm");
    EXPECT_EQ(ModalOpenedBy(ui().mnuHelpInfo), "frmInfoScreen");
    EXPECT_EQ(ModalOpenedBy(ui().mnuCalculationLogDist), "frmLogDistRange");
    EXPECT_EQ(ModalOpenedBy(ui().mnuCalculationLog), "FrmReport");
}

TEST_F(MainFormTest, AboutBoxNamesTheModelAndClosesWithOK) {
    AboutForm about;
    EXPECT_EQ(about.windowTitle(), "About dB Loss Calculation");
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Okumura-Hata dB Loss / Field Strength Calulation Model"));
    EXPECT_TRUE(texts.contains("Created for use with Orbel"));
    about.show();
    about.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(about.isVisible());
}

namespace {

// A window whose lost-focus handler needs the window itself.
class FocusWindow : public QWidget {
public:
    explicit FocusWindow(int& calls) {
        box = new QLineEdit(this);
        other = new QLineEdit(this);
        auto* filter = new LostFocusFilter(this);
        filter->Watch(box, [&calls] { ++calls; });
    }
    QLineEdit* box = nullptr;
    QLineEdit* other = nullptr;
};

} // namespace

TEST_F(MainFormTest, LostFocusRunsOnlyWhileItsWindowLives) {
    int calls = 0;
    auto window = std::make_unique<FocusWindow>(calls);
    LeaveBox(window->box);
    EXPECT_EQ(calls, 1);
    window->show();
    QApplication::setActiveWindow(window.get());
    window->box->setFocus();
    ASSERT_TRUE(window->box->hasFocus());
    window->close();
    window.reset(); // destroying the focused box takes its focus: no handler may run
    EXPECT_EQ(calls, 1);
}

TEST_F(MainFormTest, WindowsFollowingTheUnitsFindTheMainWindowConverted) {
    Start();
    std::vector<std::pair<Units, QString>> seen;
    const auto connection =
        QObject::connect(&UnitSystem::Instance(), &UnitSystem::unitsChanged,
                         [&](Units units) { seen.emplace_back(units, ui().txthb->text()); });
    form().mnuUnitsEnglish_Click();
    form().mnuUnitsEnglish_Click();
    form().mnuFileNew_Click();
    QObject::disconnect(connection);
    const std::vector<std::pair<Units, QString>> expected = {{Units::English, "328.084"},
                                                             {Units::Metric, "100.0"}};
    EXPECT_EQ(seen, expected);
}
