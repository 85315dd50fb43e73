// The main window's menu bar: inputs, units, the report log and its range report, the graphs and
// their options, help and the About box.

#include "AboutForm.h"
#include "frmInfoScreen.h"
#include "frmLogDistRange.h"
#include "FrmOkumFieldStrength.h"
#include "GraphForm.h"
#include "Help.h"
#include "MainForm.h"
#include "Measured.h"
#include "MeasuredDump.h"
#include "MessageBox.h"
#include "ModelNumbering.h"
#include "ModMain.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "UnitSystem.h"

#include <QAction>

namespace {

// The Units items show the state in force; Qt toggles a checkable item before its handler runs.
void ShowUnitChecks(MainForm::Controls& u) {
    const bool english = UnitSystem::Instance().IsEnglish();
    u.mnuUnitsMetric->setChecked(!english);
    u.mnuUnitsEnglish->setChecked(english);
}

// Flips a menu item between two captions and reports whether it now shows the first.
bool ToggleCaption(QAction* item, const QString& first, const QString& second) {
    const bool toFirst = item->text() != first;
    item->setText(toFirst ? first : second);
    return toFirst;
}

// The field-strength window reads the model when it opens.
void OpenFieldStrength(long model) {
    program::GraphModel = model;
    FrmOkumFieldStrength window;
    window.Form_Load();
    window.exec();
}

} // namespace

void MainForm::mnuFileNew_Click() {
    ResetMainInputs();
}

void MainForm::mnuFileExit_Click() {
    const int answer = msgbox::MsgBox(QStringLiteral("This Concludes the Loss Calculation Program"),
                                      msgbox::vbOKCancel, QStringLiteral("Loss Calculation Program"), this);
    if (answer == msgbox::vbOK)
        close();
}

void MainForm::mnuUnitsMetric_Click() {
    SetMetricUnits();
    ShowUnitChecks(ui_);
}

void MainForm::mnuUnitsEnglish_Click() {
    SetEnglishUnits();
    ShowUnitChecks(ui_);
}

void MainForm::mnuCalculationLog_Click() {
    ReportLog().Show();
}

void MainForm::mnuCalculationCalculate_Click() {
    cmdLossCalc_Click();
}

void MainForm::mnuCalculationLogDist_Click() {
    validateBeforeReading();
    frmLogDistRange dialog(this);
    dialog.exec();
}

void MainForm::mnuHideShow_Click() {
    const bool shown = ToggleCaption(ui_.mnuHideShow, QStringLiteral("&Hide Out of Range Values"),
                                     QStringLiteral("&Show Out of Range Values"));
    program::OutOfRangeColour = shown ? program::kOutOfRangeShown : program::kOutOfRangeHidden;
}

void MainForm::mnuGraphdBloss_Click() {
    GraphForm window;
    window.Form_Load();
    window.exec();
}
void MainForm::mnuOkumGraphFieldStrength_Click() {
    OpenFieldStrength(GraphDavidson);
}
void MainForm::mnuOkum529GraphFieldStrength_Click() {
    OpenFieldStrength(GraphP529);
}
void MainForm::mnuGraphCost231FieldStrength_Click() {
    OpenFieldStrength(GraphCost231);
}
void MainForm::mnuGraphCompare_Click() {
    OpenFieldStrength(GraphComparison);
}

void MainForm::mnuGraphMeasured_Click() {
    const bool hideNext = ToggleCaption(ui_.mnuGraphMeasured, QStringLiteral("&Hide Measured Data"),
                                        QStringLiteral("&Show Measured Data"));
    program::ShowMeasuredData = hideNext ? -1 : 0;
}

void MainForm::mnuHelpInfo_Click() {
    frmInfoScreen screen(this);
    screen.exec();
}

void MainForm::mnuHelpTarvek_Click() {
    ShowHelpContents(this);
}

void MainForm::mnuHelpAbout_Click() {
    AboutForm about;
    about.exec();
}

void MainForm::lblFieldStrength_DblClick() {
    for (const std::string& piece : MeasuredDump(MeasuredData))
        ReportInsertText(QString::fromStdString(piece));
}
