#include "SingleDistanceCalculation.h"

#include "AutoSave.h"
#include "MainResultPanel.h"
#include "MessageBox.h"
#include "ProgramState.h"
#include "ReportLine.h"
#include "ReportLog.h"
#include "RLogClass.h"

#include "NumberText.h"

#include <QApplication>

void CalculateOneDistance(const ShownInputs& shown, MainResultPanel& results, QWidget* owner) {
    const ModelInputs in = MetricInputs(shown, ToMetric(InputBox::Distance, shown.distShown, shown.english));
    if (const auto refused = CheckLossInputs(in)) {
        msgbox::MsgBox(QString::fromStdString(*refused), msgbox::vbOKOnly, QString(), owner);
        return;
    }
    const LossResults values = CalculateLosses(in);
    RLogClass& log = ReportLog();
    for (const ReportPiece& piece : ReportLogLine({shown, values, numtext::LocalNow()})) {
        log.Underline(piece.underline);
        log.Add(QString::fromStdString(piece.text));
    }
    log.Underline(false);
    results.ShowResults(values);
    QApplication::processEvents();
    SaveLogToTempFile(log, program::TempLogName, owner);
}
