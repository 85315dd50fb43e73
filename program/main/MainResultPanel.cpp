#include "MainResultPanel.h"

#include "ControlColour.h"
#include "InputValidation.h"
#include "ModCalculations.h"
#include "NamedControls.h"
#include "NumberText.h"
#include "ProgramState.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

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

// One element of a model-name label array (loss row and field-strength row share the name).
QLabel* ModelName(const char* name, const char* text, int index) {
    auto* label = Named(new QLabel(QString::fromLatin1(text)), name);
    label->setProperty("Index", index);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

struct ModelRow {
    ModelIndex model;
    const char* name;
    const char* text;
    ResultColumn loss;
    ResultColumn field;
};

// In the order of the panel's rows.
const ModelRow kRows[] = {
    {ModelP529, "lblLITU529", "Okumura-Hata ITU 529", H529Ls, H529FS},
    {ModelHataDavidson, "lblLDavidson", "Okumura-Hata Davidson", OHDavLs, HDAVFS},
    {ModelCost231, "lblLCost231", "Cost 231", C231Ls, C231FS},
};

const char* const kResultNames[ResultColumnCount] = {"lblDavidson", "lblcost231",      "lblOH529dBLoss",
                                                     "lblFITU529",  "lblOkumHatDavFS", "lblFCost231"};

} // namespace

MainResultPanel::MainResultPanel(QWidget* parent) : QGroupBox(QStringLiteral("Calculated Values"), parent) {
    setObjectName(QStringLiteral("fraResults"));
    powerUnit_ = Named(new QComboBox, "cmbPowerUnit");
    const char* units[] = {"W e.r.p.", "kW e.r.p.", "dBm", "dBw"};
    for (int i = 0; i < 4; ++i)
        powerUnit_->addItem(QString::fromLatin1(units[i]), i);
    power_ = NamedTextBox("txtPowerUnit", "1", nullptr);
    fieldStrength_ = Caption(QStringLiteral("Field Strength"), "lblFieldStrength");
    fieldStrength_->installEventFilter(this);
    for (int i = 0; i < ResultColumnCount; ++i)
        results_[i] = ResultLabel(kResultNames[i]);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Caption(QStringLiteral("Power")), 0, 0);
    grid->addWidget(power_, 0, 1);
    grid->addWidget(powerUnit_, 0, 2);
    grid->addWidget(Caption(QStringLiteral("Loss")), 1, 0);
    grid->addWidget(Caption(QStringLiteral("dB")), 1, 2);
    grid->addWidget(fieldStrength_, 1, 3);
    grid->addWidget(Caption(QStringLiteral(" dB µv / m")), 1, 5);
    int row = 2;
    for (const ModelRow& r : kRows) {
        QLabel* names[2] = {ModelName(r.name, r.text, 0), ModelName(r.name, r.text, 1)};
        for (QLabel* name : names) {
            name->setProperty("Model", static_cast<int>(r.model));
            name->installEventFilter(this);
        }
        grid->addWidget(names[0], row, 0);
        grid->addWidget(results_[r.loss], row, 1, 1, 2);
        grid->addWidget(names[1], row, 3);
        grid->addWidget(results_[r.field], row, 4, 1, 2);
        ++row;
    }
}

void MainResultPanel::ShowResults(const LossResults& results) {
    for (int i = 0; i < ResultColumnCount; ++i) {
        results_[i]->setText(QString::fromStdString(numtext::Format(results.values[i], "###0.00")));
        SetBackColor(results_[i], results.inRange[i] ? QColor(255, 255, 255) : program::OutOfRangeColour);
    }
}

void MainResultPanel::MarkStale() {
    for (ResultColumn column : {C231Ls, H529FS, H529Ls, C231FS, OHDavLs, HDAVFS})
        SetBackColor(results_[column], QColor(50, 50, 50));
}

void MainResultPanel::ResetColours() {
    for (ResultColumn column : {C231Ls, H529FS, C231FS})
        SetBackColor(results_[column], QColor(0, 0, 0));
}

void MainResultPanel::FollowPowerUnit() {
    PowerUnit = powerUnit_->currentData().toInt();
    if (PowerUnit < 0 || PowerUnit > 3)
        return;
    power_->setText(QString::fromStdString(PowerText(PowerWatts, PowerUnit)));
}

void MainResultPanel::CheckPower() {
    const ValidatedPower result = ValidatePower(power_->text().toStdString(), PowerUnit, PowerWatts);
    power_->setText(QString::fromStdString(result.text));
    PowerWatts = result.watts;
}

void MainResultPanel::ResetPower() {
    PowerUnit = 1;
    const int index = powerUnit_->findText(QStringLiteral("kW e.r.p."));
    if (index >= 0)
        powerUnit_->setCurrentIndex(index);
    PowerUnit = 1;
    PowerWatts = 1000;
    power_->setText(QStringLiteral("1"));
}

void MainResultPanel::ReadTexts(MainInputs& in) const {
    in.power = power_->text();
    in.powerUnit = powerUnit_->currentIndex();
}

void MainResultPanel::ShowTexts(const MainInputs& in) {
    {
        const QSignalBlocker quiet(powerUnit_);
        powerUnit_->setCurrentIndex(in.powerUnit);
    }
    if (power_->text() != in.power)
        power_->setText(in.power);
}

bool MainResultPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == fieldStrength_) {
        if (type == QEvent::MouseButtonDblClick)
            emit fieldStrengthDoubleClicked();
        return false;
    }
    const QVariant model = watched->property("Model");
    if (model.isValid()) {
        if (type == QEvent::MouseButtonPress)
            emit modelNamePressed(static_cast<ModelIndex>(model.toInt()));
        else if (type == QEvent::MouseButtonRelease)
            emit modelNameReleased(static_cast<ModelIndex>(model.toInt()));
    }
    return QGroupBox::eventFilter(watched, event);
}
