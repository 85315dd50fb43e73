// The main window's input handlers: change marks, lost-focus validators, the power unit and the
// range display of a model name.

#include "ControlColour.h"
#include "InputValidation.h"
#include "LostFocusFilter.h"
#include "MainForm.h"
#include "ModCalculations.h"
#include "ModMain.h"
#include "NumberText.h"
#include "ProgramState.h"
#include "UnitSystem.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "MessageBox.h"

namespace {

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

void MainForm::connectHandlers() {
    auto& u = ui_;
    connect(u.txtFreq, &QLineEdit::textChanged, this, &MainForm::txtFreq_Change);
    connect(u.txtDist, &QLineEdit::textChanged, this, &MainForm::txtDist_Change);
    connect(u.txthb, &QLineEdit::textChanged, this, &MainForm::txthb_Change);
    connect(u.txthm, &QLineEdit::textChanged, this, &MainForm::txthm_Change);
    connect(u.cmbcitysize, &QComboBox::currentIndexChanged, this, &MainForm::cmbcitysize_Click);
    connect(u.cmbareatype, &QComboBox::currentIndexChanged, this, &MainForm::cmbareatype_Click);
    connect(u.cmbPowerUnit, &QComboBox::currentIndexChanged, this, &MainForm::cmbPowerUnit_Click);
    connect(u.cmdLossCalc, &QPushButton::clicked, this, &MainForm::cmdLossCalc_Click);
    lostFocus_->Watch(u.txtFreq, [this] { txtFreq_LostFocus(); });
    lostFocus_->Watch(u.txthb, [this] { txthb_LostFocus(); });
    lostFocus_->Watch(u.txtDist, [this] { txtDist_LostFocus(); });
    lostFocus_->Watch(u.txthm, [this] { txthm_LostFocus(); });
    lostFocus_->Watch(u.txtPctLoc, [this] { txtPctLoc_LostFocus(); });
    lostFocus_->Watch(u.txtPctTime, [this] { txtPctTime_LostFocus(); });
    lostFocus_->Watch(u.txtPowerUnit, [this] { txtPowerUnit_LostFocus(); });
    for (int i = 0; i < 2; ++i) {
        u.lblLITU529[i]->installEventFilter(this);
        u.lblLCost231[i]->installEventFilter(this);
        u.lblLDavidson[i]->installEventFilter(this);
    }
    u.lblFieldStrength->installEventFilter(this);

    const std::pair<QAction*, void (MainForm::*)()> menus[] = {
        {u.mnuFileNew, &MainForm::mnuFileNew_Click},
        {u.mnuFileExit, &MainForm::mnuFileExit_Click},
        {u.mnuUnitsMetric, &MainForm::mnuUnitsMetric_Click},
        {u.mnuUnitsEnglish, &MainForm::mnuUnitsEnglish_Click},
        {u.mnuCalculationLog, &MainForm::mnuCalculationLog_Click},
        {u.mnuCalculationCalculate, &MainForm::mnuCalculationCalculate_Click},
        {u.mnuCalculationLogDist, &MainForm::mnuCalculationLogDist_Click},
        {u.mnuHideShow, &MainForm::mnuHideShow_Click},
        {u.mnuGraphdBloss, &MainForm::mnuGraphdBloss_Click},
        {u.mnuOkumGraphFieldStrength, &MainForm::mnuOkumGraphFieldStrength_Click},
        {u.mnuOkum529GraphFieldStrength, &MainForm::mnuOkum529GraphFieldStrength_Click},
        {u.mnuGraphCost231FieldStrength, &MainForm::mnuGraphCost231FieldStrength_Click},
        {u.mnuGraphCompare, &MainForm::mnuGraphCompare_Click},
        {u.mnuGraphMeasured, &MainForm::mnuGraphMeasured_Click},
        {u.mnuHelpInfo, &MainForm::mnuHelpInfo_Click},
        {u.mnuHelpTarvek, &MainForm::mnuHelpTarvek_Click},
        {u.mnuHelpAbout, &MainForm::mnuHelpAbout_Click},
    };
    for (const auto& [action, handler] : menus)
        connect(action, &QAction::triggered, this, handler);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == ui_.lblFieldStrength) {
        if (type == QEvent::MouseButtonDblClick)
            lblFieldStrength_DblClick();
        return false;
    }
    const QString name = watched->objectName();
    static const struct {
        const char* name;
        void (MainForm::*down)();
        void (MainForm::*up)();
    } arrays[] = {
        {"lblLITU529", &MainForm::lblLITU529_MouseDown, &MainForm::lblLITU529_MouseUp},
        {"lblLCost231", &MainForm::lblLCost231_MouseDown, &MainForm::lblLCost231_MouseUp},
        {"lblLDavidson", &MainForm::lblLDavidson_MouseDown, &MainForm::lblLDavidson_MouseUp},
    };
    for (const auto& a : arrays) {
        if (name != QLatin1String(a.name))
            continue;
        if (type == QEvent::MouseButtonPress)
            (this->*a.down)();
        else if (type == QEvent::MouseButtonRelease)
            (this->*a.up)();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::txtFreq_Change() {
    MarkResultsStale();
}
void MainForm::txtDist_Change() {
    MarkResultsStale();
}
void MainForm::txthb_Change() {
    MarkResultsStale();
}
void MainForm::txthm_Change() {
    MarkResultsStale();
}
void MainForm::cmbcitysize_Click() {
    MarkResultsStale();
}

void MainForm::cmbareatype_Click() {
    MarkResultsStale();
    if (ui_.cmbareatype->currentText() == QLatin1String("Urban")) {
        ui_.cmbcitysize->setEnabled(true);
        return;
    }
    ui_.cmbcitysize->setEnabled(false);
    ui_.cmbcitysize->setCurrentIndex(ui_.cmbcitysize->findText(QStringLiteral("Small/Medium")));
}

// Runs the validator of one box: the box's message when its value is refused, then the new text.
// True when a message was shown.
bool MainForm::validateBox(QLineEdit* box) {
    static const std::pair<QLineEdit * Controls::*, InputBox> boxes[] = {
        {&Controls::txtFreq, InputBox::Frequency}, {&Controls::txthb, InputBox::BaseHeight},
        {&Controls::txtDist, InputBox::Distance},  {&Controls::txthm, InputBox::MobileHeight},
        {&Controls::txtPctLoc, InputBox::PctLoc},  {&Controls::txtPctTime, InputBox::PctTime},
    };
    for (const auto& [member, kind] : boxes) {
        if (ui_.*member != box)
            continue;
        const ValidatedText result =
            ValidateInput(kind, Std(box->text()), UnitSystem::Instance().IsEnglish());
        if (!result.message.empty())
            msgbox::MsgBox(QString::fromStdString(result.message), msgbox::vbOKOnly, QString(), this);
        box->setText(QString::fromStdString(result.text));
        return !result.message.empty();
    }
    if (box == ui_.txtPowerUnit)
        validatePower();
    return false;
}

void MainForm::txtFreq_LostFocus() {
    validateBox(ui_.txtFreq);
}
void MainForm::txthb_LostFocus() {
    validateBox(ui_.txthb);
}
void MainForm::txtDist_LostFocus() {
    validateBox(ui_.txtDist);
}
void MainForm::txthm_LostFocus() {
    validateBox(ui_.txthm);
}
void MainForm::txtPctLoc_LostFocus() {
    validateBox(ui_.txtPctLoc);
}
void MainForm::txtPctTime_LostFocus() {
    validateBox(ui_.txtPctTime);
}

void MainForm::txtPowerUnit_LostFocus() {
    validatePower();
}

void MainForm::validatePower() {
    const ValidatedPower result = ValidatePower(Std(ui_.txtPowerUnit->text()), PowerUnit, PowerWatts);
    ui_.txtPowerUnit->setText(QString::fromStdString(result.text));
    PowerWatts = result.watts;
}

void MainForm::cmbPowerUnit_Click() {
    PowerUnit = ui_.cmbPowerUnit->currentData().toInt();
    if (PowerUnit < 0 || PowerUnit > 3)
        return;
    ui_.txtPowerUnit->setText(QString::fromStdString(PowerText(PowerWatts, PowerUnit)));
}

// A menu command or a click on a model name does not take the focus from the box being edited,
// so its validator has not run: run it now, and make sure every length box holds a number.
// True when a message was shown.
bool MainForm::validateBeforeReading() {
    bool told = false;
    if (auto* focused = qobject_cast<QLineEdit*>(focusWidget()))
        told = validateBox(focused);
    for (QLineEdit* box : {ui_.txtFreq, ui_.txthb, ui_.txthm, ui_.txtDist}) {
        if (!numtext::StrictNumber(Std(box->text())))
            told = validateBox(box) || told;
    }
    return told;
}

void MainForm::showRange(ModelIndex model) {
    // A message box takes the button's release, which would leave the range shown.
    if (validateBeforeReading())
        return;
    const bool english = UnitSystem::Instance().IsEnglish();
    auto value = [](QLineEdit* box) { return numtext::StrictNumber(Std(box->text())).value_or(0); };
    const double f = value(ui_.txtFreq);
    const double hb = ToMetric(InputBox::BaseHeight, value(ui_.txthb), english);
    const double hm = ToMetric(InputBox::MobileHeight, value(ui_.txthm), english);
    const double d = ToMetric(InputBox::Distance, value(ui_.txtDist), english);
    const RangeDisplay& r = *RangeDisplayOf(model);
    const std::pair<QLineEdit*, bool> marks[] = {
        {ui_.txtFreq, r.f__mhz.Outside(f)},
        {ui_.txthb, r.h_b__meter.Outside(hb)},
        {ui_.txthm, r.h_m__meter.Outside(hm)},
        {ui_.txtDist, r.d__km.Outside(d)},
    };
    for (const auto& [box, outside] : marks) {
        if (outside)
            SetBackColor(box, program::OutOfRangeColour);
    }
    ui_.lblHelpRange->setText(QString::fromLatin1(r.text));
}

void MainForm::endRange() {
    for (QLineEdit* box : {ui_.txtFreq, ui_.txthb, ui_.txthm, ui_.txtDist})
        SetBackColor(box, QColor(255, 255, 255));
    ui_.lblHelpRange->setText(QString());
}

void MainForm::lblLITU529_MouseDown() {
    showRange(ModelP529);
}
void MainForm::lblLCost231_MouseDown() {
    showRange(ModelCost231);
}
void MainForm::lblLDavidson_MouseDown() {
    showRange(ModelHataDavidson);
}
void MainForm::lblLITU529_MouseUp() {
    endRange();
}
void MainForm::lblLCost231_MouseUp() {
    endRange();
}
void MainForm::lblLDavidson_MouseUp() {
    endRange();
}
