// The field-strength window over a running main window.

#include "window_fixture.h"

#include "ChartConstants.h"
#include "FrmOkumFieldStrength.h"
#include "ModCalculations.h"
#include "ProgramState.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class FieldStrengthWindowTest : public GraphWindowTest {
protected:
    FrmOkumFieldStrength& Open(long model) {
        program::GraphModel = model;
        window_ = std::make_unique<FrmOkumFieldStrength>();
        window_->Form_Load();
        return *window_;
    }
    std::string Title1() { return GetText(*window_->chart(), chartid::TitleString, chartcode::kTitleLine1); }
    std::array<bool, 4> ModelChecks() {
        std::array<bool, 4> checks{};
        for (std::size_t i = 0; i < 4; ++i)
            checks[i] = window_->extra().modelItems[i]->isChecked();
        return checks;
    }
    std::unique_ptr<FrmOkumFieldStrength> window_;
};

TEST_F(FieldStrengthWindowTest, ComparisonLoadsWithAnEditableBaseHeight) {
    FrmOkumFieldStrength& w = Open(4);
    ASSERT_NE(w.chart(), nullptr);
    EXPECT_EQ(w.ui().chartWidget->objectName(), QStringLiteral("ZENTfs"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Field Strength Plot"));
    EXPECT_TRUE(w.ui().txthb->isEnabled());
    EXPECT_EQ((ModelChecks()), (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(GetText(*w.chart(), chartid::AxisTitleString, chartcode::kAxisY), "dB (uv/m)");
    const std::string legend = GetText(*w.chart(), chartid::SLegendStrings);
    EXPECT_NE(legend.find("ITU 529"), std::string::npos);
    w.resize(900, 600);
    w.show();
    QApplication::processEvents();
    EXPECT_GT(DrawnPixels(w.ui().chartWidget->grab().toImage()), 1000);
    EXPECT_FALSE(w.IsStale());
}

TEST_F(FieldStrengthWindowTest, ASingleModelLocksTheBaseHeight) {
    FrmOkumFieldStrength& w = Open(0);
    EXPECT_FALSE(w.ui().txthb->isEnabled());
    EXPECT_EQ((ModelChecks()), (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(Title1().rfind("Okumura-Hata-Davidson Field Strength", 0), 0u);
}

TEST_F(FieldStrengthWindowTest, TheModelMenuSwitchesTheChart) {
    FrmOkumFieldStrength& w = Open(4);
    w.extra().modelItems[2]->trigger(); // Cost 231
    EXPECT_EQ(program::GraphModel, 3);
    EXPECT_EQ((ModelChecks()), (std::array<bool, 4>{false, false, true, false}));
    EXPECT_EQ(Title1().rfind("Cost 231 Field Strength", 0), 0u);
    EXPECT_FALSE(w.ui().txthb->isEnabled());
    w.extra().modelItems[3]->trigger();
    w.extra().modelItems[3]->trigger(); // again: still checked, drawn again
    EXPECT_EQ(program::GraphModel, 4);
    EXPECT_EQ((ModelChecks()), (std::array<bool, 4>{false, false, false, true}));
    EXPECT_TRUE(w.ui().txthb->isEnabled());
}

TEST_F(FieldStrengthWindowTest, AModelItemLeavesTheGoodPicture) {
    FrmOkumFieldStrength& w = Open(4);
    w.show();
    w.activateWindow();
    w.ui().txtFreq->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(w.ui().txtFreq->hasFocus());
    // The focused box is checked before the build, which must not leave the chart marked stale.
    w.extra().modelItems[1]->trigger();
    EXPECT_FALSE(w.IsStale());
    EXPECT_EQ(w.ui().cmdUpdateGraph->icon().cacheKey(), w.GoodButtonPicture().cacheKey());
    // A stale chart is current again once a model item has drawn every input.
    w.ui().txthm->setText(QStringLiteral("2.0"));
    LeaveBox(w.ui().txthm);
    ASSERT_TRUE(w.IsStale());
    w.extra().modelItems[3]->trigger();
    EXPECT_FALSE(w.IsStale());
    EXPECT_EQ(w.ui().cmdUpdateGraph->icon().cacheKey(), w.GoodButtonPicture().cacheKey());
}

TEST_F(FieldStrengthWindowTest, MaximumDistanceChangesOnceAndWaits) {
    FrmOkumFieldStrength& w = Open(4);
    w.extra().mnuModelDist300->trigger();
    EXPECT_TRUE(w.IsStale());
    EXPECT_EQ(w.MaxDistanceKm(), 300.0);
    w.ui().cmdUpdateGraph->click();
    w.extra().mnuModelDist300->trigger(); // already chosen: nothing happens
    EXPECT_FALSE(w.IsStale());
    EXPECT_TRUE(w.extra().mnuModelDist300->isChecked());
    EXPECT_FALSE(w.extra().mnuModelDist100->isChecked());
    EXPECT_EQ(Number(Get(*w.chart(), chartid::AxisMax, chartcode::kAxisX)), 300.0);
}

TEST_F(FieldStrengthWindowTest, MeasuredDataToggleGoesBackToTheMainWindow) {
    FrmOkumFieldStrength& w = Open(4);
    EXPECT_EQ(w.extra().mnuGraphMeasured->text(), QStringLiteral("&Show Measured Data"));
    w.extra().mnuGraphMeasured->trigger();
    EXPECT_EQ(program::ShowMeasuredData, -1);
    EXPECT_EQ(w.extra().mnuGraphMeasured->text(), QStringLiteral("&Hide Measured Data"));
    EXPECT_FALSE(w.IsStale());
    w.extra().mnuFileExit->trigger();
    EXPECT_EQ(ui().mnuGraphMeasured->text(), QStringLiteral("&Hide Measured Data"));
}

TEST_F(FieldStrengthWindowTest, ClosingHandsBackTheInputs) {
    FrmOkumFieldStrength& w = Open(4);
    w.ui().txtFreq->setText(QStringLiteral("800.0"));
    w.ui().txthm->setText(QStringLiteral("2.0"));
    w.ui().cmbareatype->setCurrentText(QStringLiteral("Suburban"));
    w.close();
    EXPECT_EQ(ui().txtFreq->text(), QStringLiteral("800.0"));
    EXPECT_EQ(ui().txthm->text(), QStringLiteral("2.0"));
    EXPECT_EQ(ui().cmbareatype->currentText(), QStringLiteral("Suburban"));
}

TEST_F(FieldStrengthWindowTest, BaseHeightCheckStatesItsMessage) {
    FrmOkumFieldStrength& w = Open(4);
    w.ui().txthb->setText(QStringLiteral("2600"));
    LeaveBox(w.ui().txthb);
    EXPECT_EQ(w.ui().txthb->text(), QStringLiteral("30.0"));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(w.IsStale());
}

TEST_F(FieldStrengthWindowTest, PowerUnitRewritesThePowerAtOnceWithoutStaleMark) {
    FrmOkumFieldStrength& w = Open(4);
    PowerWatts = 1000;
    w.extra().cmbPowerUnit->setCurrentIndex(3); // dBw
    EXPECT_EQ(PowerUnit, 3);
    EXPECT_EQ(w.extra().txtPowerUnit->text(), QStringLiteral("30"));
    EXPECT_EQ(ui().txtPowerUnit->text(), QStringLiteral("30"));
    EXPECT_EQ(ui().cmbPowerUnit->currentText(), QStringLiteral("dBw"));
    EXPECT_FALSE(w.IsStale());
    EXPECT_DOUBLE_EQ(PowerWatts, 1000);
}

// The main window's rule without a message; a number that is not negative gets a blank in front.
TEST_F(FieldStrengthWindowTest, PowerBoxFollowsTheMainWindowsRule) {
    FrmOkumFieldStrength& w = Open(4);
    w.extra().cmbPowerUnit->setCurrentIndex(0); // W
    w.extra().txtPowerUnit->setText(QStringLiteral("0"));
    LeaveBox(w.extra().txtPowerUnit);
    EXPECT_EQ(w.extra().txtPowerUnit->text(), QStringLiteral(" 1"));
    EXPECT_EQ(ui().txtPowerUnit->text(), QStringLiteral(" 1"));
    EXPECT_DOUBLE_EQ(PowerWatts, 1);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(w.IsStale());
    w.extra().cmbPowerUnit->setCurrentIndex(2); // dBm: any number is a power
    w.extra().txtPowerUnit->setText(QStringLiteral("-10"));
    LeaveBox(w.extra().txtPowerUnit);
    EXPECT_EQ(w.extra().txtPowerUnit->text(), QStringLiteral("-10"));
    EXPECT_NEAR(PowerWatts, 1e-4, 1e-12);
    w.extra().txtPowerUnit->setText(QStringLiteral("4000")); // no finite number of watts
    LeaveBox(w.extra().txtPowerUnit);
    EXPECT_EQ(w.extra().txtPowerUnit->text(), QStringLiteral("-10"));
    EXPECT_NEAR(PowerWatts, 1e-4, 1e-12);
}

TEST_F(FieldStrengthWindowTest, ArchiveWritesThreeFieldStrengthCurves) {
    const QString path = tempDir() + QStringLiteral("/fs.mdb");
    fileAnswers_ = {path};
    FrmOkumFieldStrength& w = Open(4);
    w.ui().archiveButton->click();
    EXPECT_EQ(program::ArchiveDbPath, path);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(FieldStrengthWindowTest, EachGraphMenuItemSetsTheModelBeforeOpening) {
    const std::pair<QAction*, long> items[] = {
        {ui().mnuOkumGraphFieldStrength, 0},
        {ui().mnuOkum529GraphFieldStrength, 1},
        {ui().mnuGraphCost231FieldStrength, 3},
        {ui().mnuGraphCompare, 4},
    };
    for (const auto& [item, model] : items) {
        bool baseEditable = false;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto* w = qobject_cast<FrmOkumFieldStrength*>(QApplication::activeModalWidget())) {
                opened = true;
                baseEditable = w->ui().txthb->isEnabled();
                w->close();
            }
        });
        item->trigger();
        EXPECT_TRUE(opened);
        EXPECT_EQ(program::GraphModel, model);
        EXPECT_EQ(baseEditable, model == 4);
    }
}

} // namespace
