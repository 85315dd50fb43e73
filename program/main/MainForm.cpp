#include "MainForm.h"

#include "AboutForm.h"
#include "ContextIDs.h"
#include "frmInfoScreen.h"
#include "frmLogDistRange.h"
#include "FrmOkumFieldStrength.h"
#include "GraphForm.h"
#include "Help.h"
#include "LostFocusFilter.h"
#include "MainInputPanel.h"
#include "MainMenus.h"
#include "MainResultPanel.h"
#include "Measured.h"
#include "MeasuredDump.h"
#include "MessageBox.h"
#include "ModCalculations.h"
#include "ModelNumbering.h"
#include "ProgramStartEnd.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "SingleDistanceCalculation.h"
#include "UnitSystem.h"
#include "WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

MainForm* g_instance = nullptr;

struct ModelNameHandlers {
    ModelIndex model;
    void (MainForm::*down)();
    void (MainForm::*up)();
};

const ModelNameHandlers kModelNames[] = {
    {ModelP529, &MainForm::lblLITU529_MouseDown, &MainForm::lblLITU529_MouseUp},
    {ModelCost231, &MainForm::lblLCost231_MouseDown, &MainForm::lblLCost231_MouseUp},
    {ModelHataDavidson, &MainForm::lblLDavidson_MouseDown, &MainForm::lblLDavidson_MouseUp},
};

} // namespace

MainForm* MainForm::Instance() {
    return g_instance;
}

MainForm::MainForm(QWidget* parent)
    : QMainWindow(parent), inputs_(new MainInputPanel), results_(new MainResultPanel),
      lostFocus_(new LostFocusFilter(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Okumura-Hata Field Strength / Loss Calculations"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(inputs_);
    layout->addWidget(results_);
    setCentralWidget(central);
    menus_ = std::make_unique<MainMenus>(menuBar());
    startEnd_ = std::make_unique<ProgramStartEnd>(*this, *inputs_);
    connectHandlers();
    InstallHelpKey(this, HelpInputs);
    g_instance = this;
}

MainForm::~MainForm() {
    if (g_instance == this)
        g_instance = nullptr;
}

void MainForm::connectHandlers() {
    const std::pair<InputBox, void (MainForm::*)()> changes[] = {
        {InputBox::Frequency, &MainForm::txtFreq_Change},
        {InputBox::Distance, &MainForm::txtDist_Change},
        {InputBox::BaseHeight, &MainForm::txthb_Change},
        {InputBox::MobileHeight, &MainForm::txthm_Change},
    };
    for (const auto& [box, handler] : changes)
        connect(inputs_->Box(box), &QLineEdit::textChanged, this, handler);
    connect(inputs_->CityList(), &QComboBox::currentIndexChanged, this, &MainForm::cmbcitysize_Click);
    connect(inputs_->AreaList(), &QComboBox::currentIndexChanged, this, &MainForm::cmbareatype_Click);
    connect(results_->PowerUnitList(), &QComboBox::currentIndexChanged, this, &MainForm::cmbPowerUnit_Click);
    connect(inputs_->CalculateButton(), &QPushButton::clicked, this, &MainForm::cmdLossCalc_Click);
    const std::pair<InputBox, void (MainForm::*)()> leaves[] = {
        {InputBox::Frequency, &MainForm::txtFreq_LostFocus},
        {InputBox::BaseHeight, &MainForm::txthb_LostFocus},
        {InputBox::Distance, &MainForm::txtDist_LostFocus},
        {InputBox::MobileHeight, &MainForm::txthm_LostFocus},
        {InputBox::PctLoc, &MainForm::txtPctLoc_LostFocus},
        {InputBox::PctTime, &MainForm::txtPctTime_LostFocus},
    };
    for (const auto& [box, handler] : leaves)
        lostFocus_->Watch(inputs_->Box(box), [this, handler = handler] { (this->*handler)(); });
    lostFocus_->Watch(results_->PowerBox(), [this] { txtPowerUnit_LostFocus(); });

    for (const ModelNameHandlers& name : kModelNames) {
        connect(results_, &MainResultPanel::modelNamePressed, this, [this, name](ModelIndex model) {
            if (model == name.model)
                (this->*name.down)();
        });
        connect(results_, &MainResultPanel::modelNameReleased, this, [this, name](ModelIndex model) {
            if (model == name.model)
                (this->*name.up)();
        });
    }
    connect(results_, &MainResultPanel::fieldStrengthDoubleClicked, this,
            &MainForm::lblFieldStrength_DblClick);

    const MainMenus& m = *menus_;
    const std::pair<QAction*, void (MainForm::*)()> menus[] = {
        {m.mnuFileNew, &MainForm::mnuFileNew_Click},
        {m.mnuFileExit, &MainForm::mnuFileExit_Click},
        {m.mnuUnitsMetric, &MainForm::mnuUnitsMetric_Click},
        {m.mnuUnitsEnglish, &MainForm::mnuUnitsEnglish_Click},
        {m.mnuCalculationLog, &MainForm::mnuCalculationLog_Click},
        {m.mnuCalculationCalculate, &MainForm::mnuCalculationCalculate_Click},
        {m.mnuCalculationLogDist, &MainForm::mnuCalculationLogDist_Click},
        {m.mnuHideShow, &MainForm::mnuHideShow_Click},
        {m.mnuGraphdBloss, &MainForm::mnuGraphdBloss_Click},
        {m.mnuOkumGraphFieldStrength, &MainForm::mnuOkumGraphFieldStrength_Click},
        {m.mnuOkum529GraphFieldStrength, &MainForm::mnuOkum529GraphFieldStrength_Click},
        {m.mnuGraphCost231FieldStrength, &MainForm::mnuGraphCost231FieldStrength_Click},
        {m.mnuGraphCompare, &MainForm::mnuGraphCompare_Click},
        {m.mnuGraphMeasured, &MainForm::mnuGraphMeasured_Click},
        {m.mnuHelpInfo, &MainForm::mnuHelpInfo_Click},
        {m.mnuHelpTarvek, &MainForm::mnuHelpTarvek_Click},
        {m.mnuHelpAbout, &MainForm::mnuHelpAbout_Click},
    };
    for (const auto& [action, handler] : menus)
        connect(action, &QAction::triggered, this, handler);
}

MainInputs MainForm::Inputs() const {
    MainInputs in;
    inputs_->ReadTexts(in);
    results_->ReadTexts(in);
    in.english = menus_->mnuUnitsEnglish->isChecked();
    return in;
}

void MainForm::SetInputs(const MainInputs& in) {
    inputs_->ShowTexts(in);
    results_->ShowTexts(in);
}

void MainForm::SetMeasuredDataCaption(const QString& caption) {
    menus_->mnuGraphMeasured->setText(caption);
}

bool MainForm::OrbelLaunched() const {
    return startEnd_->OrbelLaunched();
}

void MainForm::SetProgramEnd(std::function<void()> end) {
    ProgramStartEnd::SetProgramEnd(std::move(end));
}

void MainForm::ResetInputs() {
    results_->ResetPower();
    inputs_->ResetDefaults();
    // The defaults are metric texts: the window shows metric units without converting them.
    showUnits(false);
    results_->ResetColours();
    SwitchUnits(false);
}

void MainForm::SwitchUnits(bool english) {
    if (UnitSystem::Instance().IsEnglish() == english)
        return;
    WaitCursor wait;
    QApplication::processEvents();
    // Windows that follow the unit system copy the main window's converted lengths.
    inputs_->ConvertLengths(english);
    showUnits(english);
}

void MainForm::showUnits(bool english) {
    menus_->ShowUnitChecks(english);
    const Units units = english ? Units::English : Units::Metric;
    inputs_->ShowUnitCaptions(units);
    UnitSystem::Instance().Set(units);
}

void MainForm::MarkResultsStale() {
    results_->MarkStale();
}

void MainForm::Form_Load() {
    startEnd_->Load();
}

void MainForm::Form_Unload() {
    startEnd_->Unload();
}

void MainForm::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void MainForm::cmdLossCalc_Click() {
    validateBeforeReading();
    ShownInputs shown = inputs_->Shown();
    shown.powerWatts = GetPowerWatts();
    CalculateOneDistance(shown, *results_, this);
}

void MainForm::cmbareatype_Click() {
    MarkResultsStale();
    inputs_->FollowArea();
}

void MainForm::checkBox(InputBox box) {
    inputs_->CheckBox(box, this);
}

void MainForm::txtPowerUnit_LostFocus() {
    results_->CheckPower();
}
void MainForm::cmbPowerUnit_Click() {
    results_->FollowPowerUnit();
}

bool MainForm::validateBeforeReading() {
    bool told = false;
    if (auto* focused = qobject_cast<QLineEdit*>(focusWidget())) {
        if (const auto box = inputs_->BoxOf(focused))
            told = inputs_->CheckBox(*box, this);
        else if (focused == results_->PowerBox())
            results_->CheckPower();
    }
    return inputs_->CheckLengths(this) || told;
}

void MainForm::showRange(ModelIndex model) {
    // A message box takes the button's release, which would leave the range shown.
    if (validateBeforeReading())
        return;
    if (const RangeDisplay* display = RangeDisplayOf(model))
        inputs_->ShowRange(*display);
}

void MainForm::endRange() {
    inputs_->EndRange();
}

void MainForm::mnuFileExit_Click() {
    const int answer = msgbox::MsgBox(QStringLiteral("This Concludes the Loss Calculation Program"),
                                      msgbox::vbOKCancel, QStringLiteral("Loss Calculation Program"), this);
    if (answer == msgbox::vbOK)
        close();
}

// The Units items show the state in force; Qt toggles a checkable item before its handler runs.
void MainForm::chooseUnits(bool english) {
    SwitchUnits(english);
    menus_->ShowUnitChecks(UnitSystem::Instance().IsEnglish());
}

void MainForm::mnuCalculationLog_Click() {
    ReportLog().Show();
}
void MainForm::mnuCalculationLogDist_Click() {
    validateBeforeReading();
    frmLogDistRange dialog(*this);
    dialog.exec();
}
void MainForm::mnuHideShow_Click() {
    program::OutOfRangeColour =
        menus_->ToggleHideShow() ? program::kOutOfRangeShown : program::kOutOfRangeHidden;
}

void MainForm::mnuGraphdBloss_Click() {
    GraphForm window;
    window.Form_Load();
    window.exec();
}
// The field-strength window reads the model when it opens.
void MainForm::openFieldStrength(long graphModel) {
    program::GraphModel = graphModel;
    FrmOkumFieldStrength window;
    window.Form_Load();
    window.exec();
}

void MainForm::mnuGraphMeasured_Click() {
    program::ShowMeasuredData = menus_->ToggleMeasured() ? -1 : 0;
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
    // One text: the log takes the whole dump or, past its limit, none of it, told once.
    QString dump;
    for (const std::string& piece : MeasuredDump(MeasuredData))
        dump += QString::fromStdString(piece);
    ReportInsertText(dump);
}
