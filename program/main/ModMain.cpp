#include "ModMain.h"

#include "ControlColour.h"
#include "MainForm.h"
#include "ModCalculations.h"
#include "UnitSystem.h"
#include "WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

void SelectText(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    if (index >= 0)
        list->setCurrentIndex(index);
}

// Rewrites the three length boxes in the other unit system.
void ConvertLengths(MainForm::Controls& u, bool toEnglish) {
    const std::pair<QLineEdit*, std::pair<UnitText*, double>> boxes[] = {
        {u.txthb, {&u.hbText, kMetresPerFoot}},
        {u.txthm, {&u.hmText, kMetresPerFoot}},
        {u.txtDist, {&u.distText, kKmPerMile}},
    };
    for (const auto& [box, memory] : boxes) {
        const std::string text = memory.first->Convert(box->text().toStdString(), memory.second, toEnglish);
        box->setText(QString::fromStdString(text));
    }
}

void SwitchUnits(bool english) {
    MainForm* form = MainForm::Instance();
    if (!form || UnitSystem::Instance().IsEnglish() == english)
        return;
    WaitCursor wait;
    QApplication::processEvents();
    // Windows that follow the unit system copy the main window's converted lengths.
    ConvertLengths(form->ui(), english);
    ShowUnits(english);
}

} // namespace

void ShowUnits(bool english) {
    MainForm* form = MainForm::Instance();
    if (!form)
        return;
    auto& u = form->ui();
    u.mnuUnitsMetric->setChecked(!english);
    u.mnuUnitsEnglish->setChecked(english);
    const Units units = english ? Units::English : Units::Metric;
    u.Label10->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    u.Label11->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    u.Label12->setText(QString::fromLatin1(UnitSystem::DistanceCaption(units)));
    UnitSystem::Instance().Set(units);
}

void SetMetricUnits() {
    SwitchUnits(false);
}

void SetEnglishUnits() {
    SwitchUnits(true);
}

void ResetMainInputs() {
    MainForm* form = MainForm::Instance();
    if (!form)
        return;
    auto& u = form->ui();
    PowerUnit = 1;
    SelectText(u.cmbPowerUnit, QStringLiteral("kW e.r.p."));
    PowerUnit = 1;
    PowerWatts = 1000;
    u.txtPowerUnit->setText(QStringLiteral("1"));
    u.txtFreq->setText(QStringLiteral("450.0"));
    u.txtDist->setText(QStringLiteral("10.0"));
    u.txthb->setText(QStringLiteral("100.0"));
    u.txthm->setText(QStringLiteral("1.5"));
    for (UnitText* memory : {&u.distText, &u.hbText, &u.hmText})
        memory->Forget();
    SelectText(u.cmbareatype, QStringLiteral("Urban"));
    SelectText(u.cmbcitysize, QStringLiteral("Small/Medium"));
    // The defaults are metric texts: the window shows metric units without converting them.
    ShowUnits(false);
    for (QLabel* label : {u.lblcost231, u.lblFITU529, u.lblFCost231})
        SetBackColor(label, QColor(0, 0, 0));
    SetMetricUnits();
}

void MarkResultsStale() {
    MainForm* form = MainForm::Instance();
    if (!form)
        return;
    auto& u = form->ui();
    for (QLabel* label :
         {u.lblcost231, u.lblFITU529, u.lblOH529dBLoss, u.lblFCost231, u.lblDavidson, u.lblOkumHatDavFS})
        SetBackColor(label, QColor(50, 50, 50));
}
