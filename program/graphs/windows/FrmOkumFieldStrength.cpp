#include "FrmOkumFieldStrength.h"

#include "ChartConstants.h"
#include "InputValidation.h"
#include "LostFocusFilter.h"
#include "MainForm.h"
#include "Measured.h"
#include "ModCalculations.h"
#include "NumberText.h"
#include "ProgramState.h"
#include "WaitCursor.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <iterator>

namespace {

const QString kHideMeasured = QStringLiteral("&Hide Measured Data");
const QString kShowMeasured = QStringLiteral("&Show Measured Data");

struct ModelItemText {
    const char* name;
    const char* caption;
};
constexpr ModelItemText kModelItems[] = {
    {"mnuModelBrindelFS", "Field Strength (&Okum-Hata Davidson)"},
    {"mnuModelOkum529FS", "Field Strength (ITU-R P.&529 Okum-Hata)"},
    {"mnuModelCost231", "Field Strength (&Cost 231)"},
    {"mnuModelCompare", "Compare &Models"},
};

} // namespace

FrmOkumFieldStrength::FrmOkumFieldStrength(QWidget* parent)
    : GraphFormBase("FrmOkumFieldStrength", "cmdAddToArchive", parent) {
    QGridLayout* grid = BuildCommon(QStringLiteral("Field Strength Plot"), "ZENTfs");
    extra_.lblPower = new QLabel(QStringLiteral("Power"));
    extra_.lblPower->setObjectName(QStringLiteral("lblPower"));
    extra_.txtPowerUnit = new QLineEdit(QStringLiteral("1"));
    extra_.txtPowerUnit->setObjectName(QStringLiteral("txtPowerUnit"));
    extra_.txtPowerUnit->setMaximumWidth(110);
    extra_.cmbPowerUnit = new QComboBox;
    extra_.cmbPowerUnit->setObjectName(QStringLiteral("cmbPowerUnit"));
    const char* const units[] = {"W e.r.p. ", "kW e.r.p.", "dBm", "dBw"};
    for (int i = 0; i < 4; ++i)
        extra_.cmbPowerUnit->addItem(QString::fromLatin1(units[i]), i);
    const int row = grid->rowCount();
    grid->addWidget(extra_.lblPower, row, 0);
    grid->addWidget(extra_.txtPowerUnit, row, 1);
    grid->addWidget(extra_.cmbPowerUnit, row + 1, 1);

    QMenu* file = AddMenu("mnuFile", "&File");
    extra_.mnuFileSave = NamedItem(file, "mnuFileSave", "&Save Meta File");
    extra_.mnuFilePrint = NamedItem(file, "mnuFilePrint", "Print");
    extra_.mnuFilePrinterSetup = NamedItem(file, "mnuFilePrinterSetup", "Printer Setup");
    extra_.mnuFileExit = NamedItem(file, "mnuFileExit", "&Close");
    AddUnitsMenu();
    QMenu* model = AddMenu("mnuModel", "&Model");
    for (std::size_t i = 0; i < std::size(kModelItems); ++i)
        extra_.modelItems[i] = NamedItem(model, kModelItems[i].name, kModelItems[i].caption, true);
    model->addSeparator()->setObjectName(QStringLiteral("mnuGraphSep"));
    extra_.mnuGraphMeasured = NamedItem(model, "mnuGraphMeasured", "&Show Measured Data");
    QMenu* dist = model->addMenu(QStringLiteral("Max &Distance"));
    dist->setObjectName(QStringLiteral("mnuModelDist"));
    extra_.mnuModelDist100 = NamedItem(dist, "mnuModelDist100", "&100 Km", true);
    extra_.mnuModelDist300 = NamedItem(dist, "mnuModelDist300", "&300 Km", true);

    LoadStoredChart(FieldStrengthChart());
    ConnectCommon();
    ToggleOnClick(extra_.lblPower);
    const std::pair<QAction*, void (FrmOkumFieldStrength::*)()> items[] = {
        {extra_.mnuFileSave, &FrmOkumFieldStrength::mnuFileSave_Click},
        {extra_.mnuFilePrint, &FrmOkumFieldStrength::mnuFilePrint_Click},
        {extra_.mnuFilePrinterSetup, &FrmOkumFieldStrength::mnuFilePrintSetup_Click},
        {extra_.mnuFileExit, &FrmOkumFieldStrength::mnuFileExit_Click},
        {extra_.mnuGraphMeasured, &FrmOkumFieldStrength::mnuGraphMeasured_Click},
        {extra_.mnuModelDist100, &FrmOkumFieldStrength::mnuModelDist100_Click},
        {extra_.mnuModelDist300, &FrmOkumFieldStrength::mnuModelDist300_Click},
    };
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, handler);
    for (std::size_t i = 0; i < kModelMenuItems.size(); ++i) {
        const ModelMenuItem which = kModelMenuItems[i];
        connect(extra_.modelItems[i], &QAction::triggered, this, [this, which] { ModelItem_Click(which); });
    }
    connect(ui().cmdUpdateGraph, &QPushButton::clicked, this, &FrmOkumFieldStrength::cmdUpdateGraph_Click);
    connect(ui().archiveButton, &QPushButton::clicked, this, &FrmOkumFieldStrength::cmdAddToArchive_Click);
    connect(extra_.cmbPowerUnit, &QComboBox::currentIndexChanged, this,
            &FrmOkumFieldStrength::cmbPowerUnit_Click);
    lostFocus().Watch(extra_.txtPowerUnit, [this] { txtPowerUnit_LostFocus(); });
}

void FrmOkumFieldStrength::Form_Load() {
    ui().archiveButton->hide();
    ui().txthb->setEnabled(BaseHeightEditable(program::GraphModel));
    SetMaxDistance(100);
    extra_.mnuModelDist100->setChecked(true);
    extra_.mnuModelDist300->setChecked(false);
    extra_.mnuGraphMeasured->setText(program::ShowMeasuredData ? kHideMeasured : kShowMeasured);
    LoadButtonPictures();
    if (MainForm* main = MainForm::Instance()) {
        CopyInputsFrom(*main);
        // The power text already stands for PowerWatts in this unit: nothing to recompute.
        const MainInputs m = main->Inputs();
        const QSignalBlocker quiet(extra_.cmbPowerUnit);
        extra_.txtPowerUnit->setText(m.power);
        extra_.cmbPowerUnit->setCurrentIndex(m.powerUnit);
    }
    UpdateModelMenuChecks();
    BuildFieldStrengthGraph(false);
    MarkCurrent();
}

void FrmOkumFieldStrength::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (MainForm* main = MainForm::Instance()) {
        CopyInputsTo(*main);
        main->SetMeasuredDataCaption(extra_.mnuGraphMeasured->text());
    }
}

void FrmOkumFieldStrength::mnuFileExit_Click() {
    close();
}

void FrmOkumFieldStrength::BuildFieldStrengthGraph(bool clearOld) {
    if (!chart())
        return;
    FieldStrengthInputs inputs;
    inputs.graph = Inputs();
    inputs.graphModel = program::GraphModel;
    inputs.showMeasuredData = program::ShowMeasuredData != 0;
    inputs.measured = &MeasuredData;
    builder_.Build(*chart(), inputs, clearOld, numtext::LocalNow());
}

void FrmOkumFieldStrength::cmdUpdateGraph_Click() {
    MarkCurrent();
    ValidateBeforeReading();
    WaitCursor wait;
    BuildFieldStrengthGraph(true);
    MarkCurrent();
}

void FrmOkumFieldStrength::ModelItem_Click(ModelMenuItem item) {
    ValidateBeforeReading();
    WaitCursor wait;
    program::GraphModel = GraphModelOf(item);
    UpdateModelMenuChecks();
    BuildFieldStrengthGraph(true);
    // The chart now shows every input, the box just checked included.
    MarkCurrent();
    ui().txthb->setEnabled(BaseHeightEditable(program::GraphModel));
}

void FrmOkumFieldStrength::UpdateModelMenuChecks() {
    const auto checks = ModelMenuChecks(program::GraphModel);
    if (!checks) {
        // Qt ticked or unticked the chosen item already; the marks stay as they were.
        for (std::size_t i = 0; i < extra_.modelItems.size(); ++i)
            extra_.modelItems[i]->setChecked(extra_.modelItems[i]->property("checkShown").toBool());
        return;
    }
    for (std::size_t i = 0; i < extra_.modelItems.size(); ++i) {
        extra_.modelItems[i]->setChecked((*checks)[i]);
        extra_.modelItems[i]->setProperty("checkShown", (*checks)[i]);
    }
}

void FrmOkumFieldStrength::ChooseMaxDistance(double km) {
    // Qt has toggled the item already; the marks follow the distance in force.
    const bool change = MaxDistanceKm() != km;
    if (change) {
        SetMaxDistance(km);
        MarkStale();
    }
    extra_.mnuModelDist100->setChecked(MaxDistanceKm() == 100);
    extra_.mnuModelDist300->setChecked(MaxDistanceKm() == 300);
}

void FrmOkumFieldStrength::mnuModelDist100_Click() {
    ChooseMaxDistance(100);
}

void FrmOkumFieldStrength::mnuModelDist300_Click() {
    ChooseMaxDistance(300);
}

void FrmOkumFieldStrength::mnuGraphMeasured_Click() {
    const bool hideNow = extra_.mnuGraphMeasured->text() == kHideMeasured;
    extra_.mnuGraphMeasured->setText(hideNow ? kShowMeasured : kHideMeasured);
    program::ShowMeasuredData = hideNow ? 0 : -1;
}

void FrmOkumFieldStrength::HandPowerToMain() {
    MainForm* main = MainForm::Instance();
    if (!main)
        return;
    MainInputs m = main->Inputs();
    m.powerUnit = extra_.cmbPowerUnit->currentIndex();
    m.power = extra_.txtPowerUnit->text();
    main->SetInputs(m);
}

void FrmOkumFieldStrength::cmbPowerUnit_Click() {
    const int unit = extra_.cmbPowerUnit->currentData().toInt();
    if (unit < 0 || unit > 3)
        return;
    PowerUnit = unit;
    extra_.txtPowerUnit->setText(QString::fromStdString(PowerText(PowerWatts, PowerUnit)));
    HandPowerToMain();
}

void FrmOkumFieldStrength::txtPowerUnit_LostFocus() {
    // The main window's rule, without a message; this window writes a number that is not negative
    // with a blank in front of it.
    const ValidatedPower result =
        ValidatePower(extra_.txtPowerUnit->text().toStdString(), PowerUnit, PowerWatts);
    const bool negative = !result.text.empty() && result.text.front() == '-';
    extra_.txtPowerUnit->setText(QString::fromStdString(negative ? result.text : " " + result.text));
    PowerWatts = result.watts;
    HandPowerToMain();
    MarkStale();
}

void FrmOkumFieldStrength::cmdAddToArchive_Click() {
    AddToArchive(true);
}
