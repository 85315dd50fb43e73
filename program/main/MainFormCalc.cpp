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
    ShownInputs shown;
    shown.distShown = BoxNumber(ui_.txtDist);
    shown.freqMHz = BoxNumber(ui_.txtFreq);
    shown.hbShown = BoxNumber(ui_.txthb);
    shown.hmShown = BoxNumber(ui_.txthm);
    shown.area = ui_.cmbareatype->currentText().toStdString();
    shown.city = ui_.cmbcitysize->currentText().toStdString();
    shown.pctTime = numtext::Val(ui_.txtPctTime->text().toStdString());
    shown.pctLoc = numtext::Val(ui_.txtPctLoc->text().toStdString());
    shown.english = UnitSystem::Instance().IsEnglish();
    shown.powerWatts = GetPowerWatts();
    const ModelInputs in = MetricInputs(shown, ToMetric(InputBox::Distance, shown.distShown, shown.english));
    if (const auto refused = CheckLossInputs(in)) {
        msgbox::MsgBox(QString::fromStdString(*refused), msgbox::vbOKOnly, QString(), this);
        return;
    }
    const LossResults results = CalculateLosses(in);
    const ReportLineValues line = ReportLineOf(shown, results, Now());
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
