#include "MainForm.h"

#include "ContextIDs.h"
#include "Help.h"
#include "LostFocusFilter.h"
#include "ProgramState.h"
#include "Registry.h"
#include "ValidityBounds.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

MainForm* g_instance = nullptr;

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* TextBox(const char* name, const char* text, const char* tip) {
    auto* box = Named(new QLineEdit(QString::fromLatin1(text)), name);
    box->setMaximumWidth(110);
    if (tip)
        box->setToolTip(QString::fromLatin1(tip));
    return box;
}

QComboBox* List(const char* name, const QStringList& items, const char* tip) {
    auto* list = Named(new QComboBox, name);
    list->addItems(items);
    if (tip)
        list->setToolTip(QString::fromLatin1(tip));
    return list;
}

QLabel* Caption(const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A result label: a number on a coloured field.
QLabel* ResultLabel(const char* name) {
    auto* label = Named(new QLabel, name);
    label->setFixedWidth(80);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    return label;
}

// One element of a model-name label array; pressing the mouse on it shows the model's range.
QLabel* ModelName(const char* name, const char* text, int index) {
    auto* label = Named(new QLabel(QString::fromLatin1(text)), name);
    label->setProperty("Index", index);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

MainForm* MainForm::Instance() {
    return g_instance;
}

MainForm::MainForm(QWidget* parent) : QMainWindow(parent), lostFocus_(new LostFocusFilter(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Okumura-Hata Field Strength / Loss Calculations"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* inputs = new QGroupBox(QStringLiteral("Input Parameters"));
    inputs->setObjectName(QStringLiteral("fraInputs"));
    buildInputs(inputs);
    auto* results = new QGroupBox(QStringLiteral("Calculated Values"));
    results->setObjectName(QStringLiteral("fraResults"));
    buildResults(results);
    layout->addWidget(inputs);
    layout->addWidget(results);
    setCentralWidget(central);
    buildMenus();
    connectHandlers();
    InstallHelpKey(this, HelpInputs);
    g_instance = this;
}

MainForm::~MainForm() {
    if (g_instance == this)
        g_instance = nullptr;
}

void MainForm::buildInputs(QWidget* frame) {
    auto& u = ui_;
    u.txtFreq = TextBox("txtFreq", "150.0", MainBoxBounds(InputBox::Frequency).tooltip);
    u.txtDist = TextBox("txtDist", "1", MainBoxBounds(InputBox::Distance).tooltip);
    u.txthb = TextBox("txthb", "30", MainBoxBounds(InputBox::BaseHeight).tooltip);
    u.txthm = TextBox("txthm", "1", MainBoxBounds(InputBox::MobileHeight).tooltip);
    u.cmbareatype = List("cmbareatype", {"Urban", "Suburban", "Open"}, "Select From List");
    u.cmbcitysize = List("cmbcitysize", {"Small/Medium", "Large"}, "Select From List");
    u.txtPctTime = TextBox("txtPctTime", "50", MainBoxBounds(InputBox::PctTime).tooltip);
    u.txtPctLoc = TextBox("txtPctLoc", "50", MainBoxBounds(InputBox::PctLoc).tooltip);
    u.Label12 = Caption("Km", "Label12");
    u.Label10 = Caption("m", "Label10");
    u.Label11 = Caption("m", "Label11");
    u.cmdLossCalc = Named(new QPushButton(QStringLiteral("Calculate")), "cmdLossCalc");
    u.cmdLossCalc->setToolTip(QStringLiteral("Calculate Losses and Field Strengths"));
    u.lblHelpRange = Caption(QString(), "lblHelpRange");
    u.lblHelpRange->setMinimumWidth(560);

    auto* grid = new QGridLayout(frame);
    const struct {
        const char* caption;
        QWidget* control;
        QWidget* unit;
    } rows[] = {
        {"Frequency", u.txtFreq, Caption(QStringLiteral("MHz"))},
        {"Distance", u.txtDist, u.Label12},
        {"Height of Base Station Antenna", u.txthb, u.Label10},
        {"Height of Mobile Antenna", u.txthm, u.Label11},
        {"Area", u.cmbareatype, nullptr},
        {"City Size", u.cmbcitysize, nullptr},
        {"% of time", u.txtPctTime, nullptr},
        {"% of Location", u.txtPctLoc, nullptr},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(Caption(QString::fromLatin1(r.caption)), row, 0);
        grid->addWidget(r.control, row, 1);
        if (r.unit)
            grid->addWidget(r.unit, row, 2);
        ++row;
    }
    grid->addWidget(u.cmdLossCalc, 0, 3, 2, 1);
    grid->addWidget(u.lblHelpRange, row, 0, 1, 4);
}

void MainForm::buildResults(QWidget* frame) {
    auto& u = ui_;
    u.cmbPowerUnit = Named(new QComboBox, "cmbPowerUnit");
    const char* units[] = {"W e.r.p.", "kW e.r.p.", "dBm", "dBw"};
    for (int i = 0; i < 4; ++i)
        u.cmbPowerUnit->addItem(QString::fromLatin1(units[i]), i);
    u.txtPowerUnit = TextBox("txtPowerUnit", "1", nullptr);
    u.lblFieldStrength = Caption(QStringLiteral("Field Strength"), "lblFieldStrength");
    u.lblOH529dBLoss = ResultLabel("lblOH529dBLoss");
    u.lblDavidson = ResultLabel("lblDavidson");
    u.lblcost231 = ResultLabel("lblcost231");
    u.lblFITU529 = ResultLabel("lblFITU529");
    u.lblOkumHatDavFS = ResultLabel("lblOkumHatDavFS");
    u.lblFCost231 = ResultLabel("lblFCost231");
    for (int i = 0; i < 2; ++i) {
        u.lblLITU529[i] = ModelName("lblLITU529", "Okumura-Hata ITU 529", i);
        u.lblLDavidson[i] = ModelName("lblLDavidson", "Okumura-Hata Davidson", i);
        u.lblLCost231[i] = ModelName("lblLCost231", "Cost 231", i);
    }

    auto* grid = new QGridLayout(frame);
    grid->addWidget(Caption(QStringLiteral("Power")), 0, 0);
    grid->addWidget(u.txtPowerUnit, 0, 1);
    grid->addWidget(u.cmbPowerUnit, 0, 2);
    grid->addWidget(Caption(QStringLiteral("Loss")), 1, 0);
    grid->addWidget(Caption(QStringLiteral("dB")), 1, 2);
    grid->addWidget(u.lblFieldStrength, 1, 3);
    grid->addWidget(Caption(QStringLiteral(" dB µv / m")), 1, 5);
    QLabel* loss[] = {u.lblOH529dBLoss, u.lblDavidson, u.lblcost231};
    QLabel* field[] = {u.lblFITU529, u.lblOkumHatDavFS, u.lblFCost231};
    QLabel** names[] = {u.lblLITU529, u.lblLDavidson, u.lblLCost231};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(names[i][0], 2 + i, 0);
        grid->addWidget(loss[i], 2 + i, 1, 1, 2);
        grid->addWidget(names[i][1], 2 + i, 3);
        grid->addWidget(field[i], 2 + i, 4, 1, 2);
    }
}

void MainForm::buildMenus() {
    auto& u = ui_;
    auto menu = [this](const char* name, const char* caption) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [](QMenu* m, const char* name, const char* caption) {
        QAction* a = m->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    u.mnuFile = menu("mnuFile", "&File");
    u.mnuFileNew = item(u.mnuFile, "mnuFileNew", "&New");
    u.mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    u.mnuFileExit = item(u.mnuFile, "mnuFileExit", "&Exit");
    u.mnuUnits = menu("mnuUnits", "&Units");
    u.mnuUnitsMetric = item(u.mnuUnits, "mnuUnitsMetric", "&Metric");
    u.mnuUnitsEnglish = item(u.mnuUnits, "mnuUnitsEnglish", "&English");
    u.mnuUnitsMetric->setCheckable(true);
    u.mnuUnitsEnglish->setCheckable(true);
    u.mnuUnitsMetric->setChecked(true);
    u.mnuCalculation = menu("mnuCalculation", "&Calculation");
    u.mnuCalculationLog = item(u.mnuCalculation, "mnuCalculationLog", "&View Output Report");
    u.mnuCalculationCalculate = item(u.mnuCalculation, "mnuCalculationCalculate", "&Calculate Values");
    u.mnuCalculationLogDist = item(u.mnuCalculation, "mnuCalculationLogDist", "&Report for Distance Range");
    u.mnuHideShow = item(u.mnuCalculation, "mnuHideShow", "&Hide Out of Range Values");
    u.mnuGraph = menu("mnuGraph", "&Graph");
    u.mnuGraphdBloss = item(u.mnuGraph, "mnuGraphdBloss", "&Compare dB loss Models");
    u.mnuOkumGraphFieldStrength =
        item(u.mnuGraph, "mnuOkumGraphFieldStrength", "Field Strength (&Brindel Davidson)");
    u.mnuOkum529GraphFieldStrength =
        item(u.mnuGraph, "mnuOkum529GraphFieldStrength", "Field Strength (ITU-R P.&529 Brindel)");
    u.mnuGraphCost231FieldStrength =
        item(u.mnuGraph, "mnuGraphCost231FieldStrength", "Field Strength (&Cost 231)");
    u.mnuGraphCompare = item(u.mnuGraph, "mnuGraphCompare", "Compare Field Strength  &Models");
    u.mnuGraph->addSeparator()->setObjectName(QStringLiteral("mnuGraphSep"));
    u.mnuGraphMeasured = item(u.mnuGraph, "mnuGraphMeasured", "&Show Measured Data");
    u.mnuHelp = menu("mnuHelp", "&Help");
    u.mnuHelpInfo = item(u.mnuHelp, "mnuHelpInfo", "&Introduction Screen");
    u.mnuHelpTarvek = item(u.mnuHelp, "mnuHelpTarvek", "&Tarvek");
    u.mnuHelpAbout = item(u.mnuHelp, "mnuHelpAbout", "&About Tarvek");
}
