// The single-distance calculation: six results for the main window's inputs, one report line,
// the result labels, and the log saved to the temporary file.

#include "AutoSave.h"
#include "ControlColour.h"
#include "InputValidation.h"
#include "LossCalculation.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ModCalculations.h"
#include "NumberText.h"
#include "ProgramState.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "UnitSystem.h"

#include <ctime>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

double BoxNumber(const QLineEdit* box) {
    return numtext::StrictNumber(box->text().toStdString()).value_or(0);
}

std::tm Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

void MainForm::cmdLossCalc_Click() {
    validateBeforeReading();
    const bool english = UnitSystem::Instance().IsEnglish();
    const std::string area = ui_.cmbareatype->currentText().toStdString();
    const std::string city = ui_.cmbcitysize->currentText().toStdString();
    ModelInputs in;
    in.f__mhz = BoxNumber(ui_.txtFreq);
    in.d__km = ToMetric(InputBox::Distance, BoxNumber(ui_.txtDist), english);
    in.h_b__meter = ToMetric(InputBox::BaseHeight, BoxNumber(ui_.txthb), english);
    in.h_m__meter = ToMetric(InputBox::MobileHeight, BoxNumber(ui_.txthm), english);
    in.area = ParseAreaType(area);
    in.city = ParseCitySize(city);
    in.time__percent = numtext::Val(ui_.txtPctTime->text().toStdString());
    in.location__percent = numtext::Val(ui_.txtPctLoc->text().toStdString());
    if (const auto refused = CheckLossInputs(in)) {
        msgbox::MsgBox(QString::fromStdString(*refused), msgbox::vbOKOnly, QString(), this);
        return;
    }
    const LossResults results = CalculateLosses(in);

    ReportLineValues line;
    line.dist = BoxNumber(ui_.txtDist);
    line.freq = in.f__mhz;
    line.hb = BoxNumber(ui_.txthb);
    line.hm = BoxNumber(ui_.txthm);
    line.area = area;
    line.city = city;
    line.results = results.values;
    line.inRange = results.inRange;
    line.pctTime = in.time__percent;
    line.pctLoc = in.location__percent;
    line.english = english;
    line.powerWatts = GetPowerWatts();
    line.when = Now();
    RLogClass& log = ReportLog();
    for (const ReportPiece& piece : ReportLogLine(line)) {
        log.Underline(piece.underline);
        log.Add(QString::fromStdString(piece.text));
    }
    log.Underline(false);

    QLabel* labels[ResultColumnCount] = {ui_.lblDavidson, ui_.lblcost231,      ui_.lblOH529dBLoss,
                                         ui_.lblFITU529,  ui_.lblOkumHatDavFS, ui_.lblFCost231};
    for (int i = 0; i < ResultColumnCount; ++i) {
        labels[i]->setText(QString::fromStdString(numtext::Format(results.values[i], "###0.00")));
        SetBackColor(labels[i], results.inRange[i] ? QColor(255, 255, 255) : program::OutOfRangeColour);
    }
    QApplication::processEvents();
    SaveLogToTempFile(log, program::TempLogName, this);
}
