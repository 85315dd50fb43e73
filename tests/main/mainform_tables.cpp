// The main window's behaviours that its design tables fix: which inputs mark the results stale,
// the range each model name shows, the menu bar, what File New does to the results, and the order
// of the start and end steps. The expected values are the design's, written out here.

#include "ControlColour.h"
#include "mainform_fixture.h"
#include "ProgramState.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "UnitSystem.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QColor kStale(50, 50, 50);

std::vector<QLabel*> Results(MainControls& u) {
    return {u.lblcost231, u.lblFITU529, u.lblOH529dBLoss, u.lblFCost231, u.lblDavidson, u.lblOkumHatDavFS};
}

void Press(QLabel* name, QEvent::Type type) {
    QMouseEvent event(type, QPointF(2, 2), name->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(name, &event);
}

} // namespace

// Frequency, distance, heights, area and city mark the six results stale; percentages and power
// leave them as the calculation left them.
TEST_F(MainFormTest, InputsThatMarkTheResultsStale) {
    Start();
    const struct {
        const char* name;
        bool stale;
    } inputs[] = {
        {"txtFreq", true},       {"txtDist", true},       {"txthb", true},       {"txthm", true},
        {"cmbareatype", true},   {"cmbcitysize", true},   {"txtPctTime", false}, {"txtPctLoc", false},
        {"txtPowerUnit", false}, {"cmbPowerUnit", false},
    };
    for (const auto& input : inputs) {
        form().mnuFileNew_Click();
        form().cmdLossCalc_Click();
        std::vector<QColor> calculated;
        for (QLabel* label : Results(ui()))
            calculated.push_back(BackColor(label));
        QWidget* control = form().findChild<QWidget*>(input.name);
        ASSERT_NE(control, nullptr) << input.name;
        if (auto* box = qobject_cast<QLineEdit*>(control))
            box->setText(box->text() + "1");
        else if (auto* list = qobject_cast<QComboBox*>(control))
            list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        const std::vector<QLabel*> labels = Results(ui());
        for (std::size_t i = 0; i < labels.size(); ++i)
            EXPECT_EQ(BackColor(labels[i]), input.stale ? kStale : calculated[i])
                << input.name << " " << labels[i]->objectName().toStdString();
    }
    Messages();
}

// Pressing a model name shows the model's range and colours each input outside it: inside on
// both bounds, outside beyond them.
TEST_F(MainFormTest, ModelNamesShowTheirRangesWithTheirBounds) {
    Start();
    ui().cmdLossCalc->setFocus(); // no box is being edited
    const struct {
        QLabel* (MainControls::*names)[2]; // the label array: loss and field-strength row
        double f[2], hb[2], hm[2], d[2];
        const char* text;
    } models[] = {
        {&MainControls::lblLITU529,
         {150, 1500},
         {30, 200},
         {1, 10},
         {1, 100},
         "ITU 529> Freq: 150Mhz - 1500Mhz, hb: 30m - 200m, hm: 1m - 10m, Dist: 1km - 100km"},
        {&MainControls::lblLCost231,
         {1500, 2000},
         {30, 200},
         {1, 10},
         {1, 100},
         "Cost 231> Freq: 1500Mhz - 2000Mhz, hb: 30m - 200m, hm: 1m - 10m, Dist: 1km - 100km"},
        {&MainControls::lblLDavidson,
         {30, 1500},
         {30, 2500},
         {1, 10},
         {1, 300},
         "Davidson> Freq: 30Mhz - 1500Mhz, hb: 30m - 2500m, hm: 1m - 10m, Dist: 1km - 300km"},
    };
    for (const auto& m : models) {
        const std::pair<QLineEdit*, const double*> boxes[] = {
            {ui().txtFreq, m.f}, {ui().txthb, m.hb}, {ui().txthm, m.hm}, {ui().txtDist, m.d}};
        for (int element = 0; element < 2; ++element) {
            QLabel* name = (ui().*m.names)[element];
            for (const auto& [box, bounds] : boxes) {
                for (const auto& [value, outside] :
                     {std::pair{bounds[0], false}, std::pair{bounds[1], false},
                      std::pair{bounds[0] - 0.5, true}, std::pair{bounds[1] + 0.5, true}}) {
                    for (const auto& [other, otherBounds] : boxes)
                        other->setText(QString::number((otherBounds[0] + otherBounds[1]) / 2));
                    box->setText(QString::number(value));
                    Press(name, QEvent::MouseButtonPress);
                    EXPECT_EQ(ui().lblHelpRange->text(), m.text);
                    for (const auto& [other, otherBounds] : boxes)
                        EXPECT_EQ(BackColor(other) == program::OutOfRangeColour, other == box && outside)
                            << m.text << " " << box->objectName().toStdString() << "=" << value;
                    Press(name, QEvent::MouseButtonRelease);
                    EXPECT_EQ(ui().lblHelpRange->text(), "");
                }
            }
        }
    }
    EXPECT_TRUE(Messages().empty());
}

// The menu bar in its order, separators as "-".
TEST_F(MainFormTest, MenuBarHasTheMenusItemsAndSeparatorsInOrder) {
    Start();
    using Items = std::vector<std::pair<std::string, std::string>>;
    const std::vector<std::pair<std::pair<std::string, std::string>, Items>> expected = {
        {{"mnuFile", "&File"}, {{"mnuFileNew", "&New"}, {"mnuFileSep", "-"}, {"mnuFileExit", "&Exit"}}},
        {{"mnuUnits", "&Units"}, {{"mnuUnitsMetric", "&Metric"}, {"mnuUnitsEnglish", "&English"}}},
        {{"mnuCalculation", "&Calculation"},
         {{"mnuCalculationLog", "&View Output Report"},
          {"mnuCalculationCalculate", "&Calculate Values"},
          {"mnuCalculationLogDist", "&Report for Distance Range"},
          {"mnuHideShow", "&Hide Out of Range Values"}}},
        {{"mnuGraph", "&Graph"},
         {{"mnuGraphdBloss", "&Compare dB loss Models"},
          {"mnuOkumGraphFieldStrength", "Field Strength (&Brindel Davidson)"},
          {"mnuOkum529GraphFieldStrength", "Field Strength (ITU-R P.&529 Brindel)"},
          {"mnuGraphCost231FieldStrength", "Field Strength (&Cost 231)"},
          {"mnuGraphCompare", "Compare Field Strength  &Models"},
          {"mnuGraphSep", "-"},
          {"mnuGraphMeasured", "&Show Measured Data"}}},
        {{"mnuHelp", "&Help"},
         {{"mnuHelpInfo", "&Introduction Screen"},
          {"mnuHelpTarvek", "&Tarvek"},
          {"mnuHelpAbout", "&About Tarvek"}}},
    };
    std::vector<std::pair<std::pair<std::string, std::string>, Items>> shown;
    for (QAction* top : form().menuBar()->actions()) {
        QMenu* menu = top->menu();
        ASSERT_NE(menu, nullptr);
        Items items;
        for (QAction* item : menu->actions())
            items.emplace_back(item->objectName().toStdString(),
                               item->isSeparator() ? std::string("-") : item->text().toStdString());
        shown.push_back({{menu->objectName().toStdString(), menu->title().toStdString()}, items});
    }
    EXPECT_EQ(shown, expected);
}

// File New gives three result labels a black background; the other three keep theirs.
TEST_F(MainFormTest, FileNewBlackensThreeResultLabels) {
    Start();
    form().cmdLossCalc_Click(); // with the defaults, which File New writes again unchanged
    std::vector<QColor> calculated;
    for (QLabel* label : Results(ui()))
        calculated.push_back(BackColor(label));
    form().mnuFileNew_Click();
    const QColor black(0, 0, 0);
    const std::vector<QColor> expected = {black, black, calculated[2], black, calculated[4], calculated[5]};
    const std::vector<QLabel*> labels = Results(ui());
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(BackColor(labels[i]), expected[i]) << labels[i]->objectName().toStdString();
}

// Start: the suite's flag is cleared, the units, the log and the lists are restored before the
// measured data is read (its warning comes last). End: the suite's values are written before the
// question on the log; the program's own keys after it.
TEST_F(MainFormTest, StartAndEndStepsRunInTheirOrder) {
    StoreSuite("CalledFromOrbel", "True");
    StoreSuite("TxFreq_MHz", "900");
    Store("Units", "English");
    Store("AreaType", "Open");
    std::vector<std::string> seen;
    msgbox::SetTestAnswerer([&](const msgbox::ShownBox& box) {
        if (box.prompt.contains("measured.csv")) {
            seen.push_back("measured: flag " + Suite("CalledFromOrbel").toStdString() + ", units " +
                           (UnitSystem::Instance().IsEnglish() ? "English" : "Metric") + ", area " +
                           ui().cmbareatype->currentText().toStdString() + ", log " +
                           (program::TempLogName.isEmpty() ? "none" : "named"));
        } else if (box.prompt == "Retain Output Log?") {
            seen.push_back("retain: suite " + Suite("TxFreq_MHz").toStdString() + ", units " +
                           Stored("Units").toStdString());
            return msgbox::vbNo;
        }
        return 0;
    });
    Start();
    ui().txtFreq->setText("450");
    form().mnuUnitsMetric_Click();
    Exit(false);
    EXPECT_EQ(seen, (std::vector<std::string>{"measured: flag False, units English, area Open, log named",
                                              "retain: suite 450, units English"}));
    EXPECT_EQ(Stored("Units"), "Metric");
}
