#include "frmLogDistRange.h"

#include "AutoSave.h"
#include "ContextIDs.h"
#include "frmLogDistRangeLogic.h"
#include "FrmReport.h"
#include "Help.h"
#include "InputValidation.h"
#include "LostFocusFilter.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ModCalculations.h"
#include "NamedControls.h"
#include "NumberText.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "ReportLogText.h"
#include "RLogClass.h"
#include "SizeText.h"
#include "WaitCursor.h"

#include <array>
#include <cmath>
#include <ctime>
#include <optional>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kBeginCaption = QStringLiteral("Begin Sending Distance Range to Log");
const QString kRestartCaption = QStringLiteral("Restart Sending Distance Range to Log");

double leadingNumber(const QLineEdit* box) {
    return numtext::Val(box->text().toStdString());
}

QString rangeText(double value) {
    return QString::fromStdString(numtext::Format(value, "####0.00"));
}

// Appends a line's pieces, switching the underline only where it changes.
void appendLine(RLogClass& log, const std::vector<ReportPiece>& pieces, bool& underline) {
    for (const ReportPiece& piece : JoinPieces(pieces)) {
        if (piece.underline != underline) {
            underline = piece.underline;
            log.Underline(underline);
        }
        log.Add(QString::fromStdString(piece.text));
    }
}

// The bytes one line of the run takes in the log's file, with room for a longer distance text.
qsizetype RangeLineBytes(const ShownInputs& inputs, double distanceKm) {
    ReportLogText text;
    const qsizetype empty = text.RtfFileSize();
    for (const ReportPiece& piece : JoinPieces(RangeReportLine(inputs, distanceKm, numtext::LocalNow())))
        text.Append(QString::fromStdString(piece.text), {false, false, piece.underline});
    return text.RtfFileSize() - empty + 16;
}

} // namespace

struct frmLogDistRange::Controls {
    QLabel* lblStart = nullptr;
    QLabel* lblEnd = nullptr;
    QLabel* lblStep = nullptr;
    QLineEdit* txtStart = nullptr;
    QLineEdit* txtEnd = nullptr;
    QLineEdit* txtStep = nullptr;
    std::array<QLabel*, 3> lblKm{};
    QFrame* shpClearLog = nullptr;
    QCheckBox* chkClearLog = nullptr;
    QPushButton* cmdLogDistRange = nullptr;
    QPushButton* cmdExitCalc = nullptr;
    QProgressBar* pgbDist = nullptr;
    QLabel* lblDist = nullptr;
};

frmLogDistRange::frmLogDistRange(MainForm& main)
    : frmLogDistRange(
          &main, [&main] { return main.Inputs(); }, ReportLog(), program::TempLogName) {}

frmLogDistRange::frmLogDistRange(QWidget* owner, InputSource source, RLogClass& log,
                                 const QString& tempLogName)
    : QDialog(owner), owner_(owner), inputs_(std::move(source)), log_(log), tempLogName_(tempLogName),
      ui_(std::make_unique<Controls>()) {
    setWindowTitle(QStringLiteral("Report Distance Range"));
    setModal(true);
    Controls& u = *ui_;
    u.lblStart = Named(new QLabel(QStringLiteral("Start"), this), "lblStart");
    u.lblEnd = Named(new QLabel(QStringLiteral("End"), this), "lblEnd");
    u.lblStep = Named(new QLabel(QStringLiteral("Step"), this), "lblStep");
    u.txtStart = Named(new QLineEdit(QStringLiteral("1.0"), this), "txtStart");
    u.txtEnd = Named(new QLineEdit(QStringLiteral("100.0"), this), "txtEnd");
    u.txtStep = Named(new QLineEdit(QStringLiteral("1.0"), this), "txtStep");
    for (auto& km : u.lblKm)
        km = Named(new QLabel(QStringLiteral("Km"), this), "lblKm");
    u.shpClearLog = Named(new QFrame(this), "shpClearLog");
    u.shpClearLog->setFrameShape(QFrame::Box);
    u.chkClearLog =
        Named(new QCheckBox(QStringLiteral("Clear Log Before Calculations"), u.shpClearLog), "chkClearLog");
    u.cmdLogDistRange = Named(new QPushButton(kBeginCaption, this), "cmdLogDistRange");
    u.cmdExitCalc = Named(new QPushButton(QStringLiteral("Exit"), this), "cmdExitCalc");
    u.cmdExitCalc->setToolTip(QStringLiteral("Retains Calculations in the Log"));
    u.pgbDist = Named(new QProgressBar(this), "pgbDist");
    u.pgbDist->setTextVisible(false);
    u.lblDist = Named(new QLabel(QString(), this), "lblDist");

    auto* inputs = new QGridLayout;
    const std::array<QLabel*, 3> captions{u.lblStart, u.lblEnd, u.lblStep};
    const std::array<QLineEdit*, 3> boxes{u.txtStart, u.txtEnd, u.txtStep};
    for (int row = 0; row < 3; ++row) {
        inputs->addWidget(captions[row], row, 0);
        inputs->addWidget(boxes[row], row, 1);
        inputs->addWidget(u.lblKm[row], row, 2);
    }
    auto* frame = new QVBoxLayout(u.shpClearLog);
    frame->addWidget(u.chkClearLog);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(u.lblDist);
    layout->addWidget(u.shpClearLog);
    layout->addWidget(u.cmdLogDistRange);
    layout->addWidget(u.cmdExitCalc);
    layout->addWidget(u.pgbDist);

    connect(u.cmdLogDistRange, &QPushButton::clicked, this, &frmLogDistRange::cmdLogDistRange_Click);
    connect(u.cmdExitCalc, &QPushButton::clicked, this, &frmLogDistRange::cmdExitCalc_Click);
    auto* lostFocus = new LostFocusFilter(this);
    lostFocus->Watch(u.txtStart, [this] { txtStart_LostFocus(); });
    lostFocus->Watch(u.txtEnd, [this] { txtEnd_LostFocus(); });
    lostFocus->Watch(u.txtStep, [this] { txtStep_LostFocus(); });
    InstallHelpKey(this, HelpDistanceRange);
    Form_Load();
}

frmLogDistRange::~frmLogDistRange() = default;

void frmLogDistRange::Form_Load() {
    rangeSent_ = false;
    Controls& u = *ui_;
    u.cmdExitCalc->setText(QStringLiteral("Exit"));
    u.pgbDist->setValue(u.pgbDist->minimum());
    u.chkClearLog->setChecked(true);
    showRunningLook(false);
}

void frmLogDistRange::showRunningLook(bool running) {
    Controls& u = *ui_;
    for (QWidget* w : std::array<QWidget*, 9>{u.lblStart, u.lblEnd, u.lblStep, u.txtStart, u.txtEnd,
                                              u.txtStep, u.lblKm[0], u.lblKm[1], u.lblKm[2]}) {
        w->setVisible(!running);
        w->setEnabled(!running);
    }
    u.lblDist->setVisible(running);
    u.lblDist->setEnabled(running);
    if (running)
        u.cmdExitCalc->setText(QStringLiteral("Exit Calculations"));
    u.cmdExitCalc->setVisible(running);
    u.cmdExitCalc->setEnabled(running);
    u.shpClearLog->setVisible(!running);
    u.chkClearLog->setVisible(!running);
    u.chkClearLog->setEnabled(!running);
    u.cmdLogDistRange->setText(running ? kRestartCaption : kBeginCaption);
}

void frmLogDistRange::boxLostFocus(QLineEdit* box, const char* message, const char* replacement) {
    // Boxes are hidden while a run goes on; hiding one is no edit of the user's.
    if (running_ || numtext::StrictNumber(box->text().toStdString()))
        return;
    msgbox::MsgBox(QString::fromLatin1(message), msgbox::vbOKOnly, QStringLiteral("Warning"), this);
    box->setText(QString::fromLatin1(replacement));
}

void frmLogDistRange::txtStart_LostFocus() {
    boxLostFocus(ui_->txtStart, "Start Value Must be Numeric", "0.1");
}
void frmLogDistRange::txtEnd_LostFocus() {
    boxLostFocus(ui_->txtEnd, "End Value Must be Numeric", "300");
}
void frmLogDistRange::txtStep_LostFocus() {
    boxLostFocus(ui_->txtStep, "StStep Value Must be Numeric", "0.1");
}

bool frmLogDistRange::ValidateRange() {
    Controls& u = *ui_;
    const CheckedRange checked =
        CorrectRange({leadingNumber(u.txtStart), leadingNumber(u.txtEnd), leadingNumber(u.txtStep)});
    if (checked.startCorrected)
        u.txtStart->setText(rangeText(checked.range.start));
    if (checked.endCorrected)
        u.txtEnd->setText(rangeText(checked.range.end));
    if (checked.stepCorrected)
        u.txtStep->setText(rangeText(checked.range.step));
    return checked.AnyCorrected();
}

bool frmLogDistRange::readMainInputs(ShownInputs& in) {
    const MainInputs main = inputs_();
    struct NumberBox {
        const QString* text;
        InputBox box;
        double* value;
    };
    // The models take logarithms of these: each must be a positive number.
    for (const NumberBox& n : {NumberBox{&main.freq, InputBox::Frequency, &in.freqMHz},
                               NumberBox{&main.hb, InputBox::BaseHeight, &in.hbShown},
                               NumberBox{&main.hm, InputBox::MobileHeight, &in.hmShown}}) {
        const std::optional<double> v = numtext::StrictNumber(n.text->toStdString());
        if (!v || !std::isfinite(*v) || *v <= 0) {
            msgbox::MsgBox(QString::fromStdString(RangeMessage(n.box)), msgbox::vbOKOnly, QString(), this);
            return false;
        }
        *n.value = *v;
    }
    in.pctTime = numtext::Val(main.pctTime.toStdString());
    in.pctLoc = numtext::Val(main.pctLoc.toStdString());
    in.area = main.area.toStdString();
    in.city = main.city.toStdString();
    in.english = main.english;
    in.powerWatts = GetPowerWatts();
    return true;
}

// The log has a size limit: a run that would pass it is refused before it starts, with what it
// would take, so the user can choose a larger step or a shorter range.
bool frmLogDistRange::rangeFitsTheLog(const ShownInputs& inputs) {
    const Controls& u = *ui_;
    const DistanceRange range{leadingNumber(u.txtStart), leadingNumber(u.txtEnd), leadingNumber(u.txtStep)};
    const long long count = DistanceCount(range);
    lineBytes_ = RangeLineBytes(inputs, range.start);
    const qsizetype used =
        u.chkClearLog->isChecked() ? ReportLogText().RtfFileSize() : log_.Form().Text().RtfFileSize();
    const qsizetype room = std::max<qsizetype>(0, ReportLogText::kMaxRtfBytes - used - RLogClass::kLineRoom);
    if (count <= room / lineBytes_)
        return true;
    msgbox::MsgBox(QStringLiteral("This range gives %1 lines, about %2 of the output log, which has room for "
                                  "%3 more lines (%4 of its limit of %5 MB). Choose a larger step or a "
                                  "shorter range%6.")
                       .arg(count)
                       .arg(SizeText(qint64(double(count) * double(lineBytes_))))
                       .arg(room / lineBytes_)
                       .arg(SizeText(room))
                       .arg(ReportLogText::kMaxRtfMegabytes)
                       .arg(u.chkClearLog->isChecked() ? QString()
                                                       : QStringLiteral(", or clear the log before the run")),
                   msgbox::vbExclamation | msgbox::vbOKOnly, QStringLiteral("Warning"), this);
    return false;
}

void frmLogDistRange::cmdLogDistRange_Click() {
    if (running_) {
        requestStop(true);
        return;
    }
    if (ValidateRange()) {
        msgbox::MsgBox(QStringLiteral("Invalid Range Entered"), msgbox::vbOKOnly, QStringLiteral("ERROR"),
                       this);
        return;
    }
    ShownInputs inputs;
    if (!readMainInputs(inputs) || !rangeFitsTheLog(inputs))
        return;

    // Window events run inside the loop and may destroy this dialog: from here on, members are
    // touched only while `self` says the dialog is alive.
    QPointer<frmLogDistRange> self(this);
    RLogClass& log = log_;
    const QString tempLogName = tempLogName_;
    const QPointer<QWidget> owner = owner_;
    WaitCursor wait;
    closeRequested_ = false;
    running_ = true;
    showRunningLook(true);
    RunEnd end = RunEnd::Finished;
    for (;;) {
        stopRequested_ = false;
        restartRequested_ = false;
        if (ui_->chkClearLog->isChecked())
            log.Clear();
        rangeSent_ = true;
        end = runRange(inputs);
        log.Add(QStringLiteral("\r\n")); // an empty line closes the table
        if (end != RunEnd::Stopped || !restartRequested_)
            break;
    }
    SaveLogToTempFile(log, tempLogName, self ? self.data() : owner.data());
    if (end == RunEnd::Destroyed || !self)
        return;
    running_ = false;
    showRunningLook(false);
    done(closeRequested_ ? QDialog::Rejected : QDialog::Accepted);
}

frmLogDistRange::RunEnd frmLogDistRange::runRange(const ShownInputs& inputs) {
    QPointer<frmLogDistRange> self(this);
    RLogClass& log = log_;
    Controls& u = *ui_;
    const DistanceRange range{leadingNumber(u.txtStart), leadingNumber(u.txtEnd), leadingNumber(u.txtStep)};
    const ProgressScale scale = MakeProgressScale(range.start, range.end);
    u.pgbDist->setRange(scale.minimum, scale.maximum);
    u.pgbDist->setValue(scale.minimum);
    const long long count = DistanceCount(range);
    linesSent_ = 0;
    bool underline = false;
    log.Underline(false);
    for (long long i = 0; i < count; ++i) {
        QCoreApplication::processEvents();
        if (!self)
            return RunEnd::Destroyed;
        if (stopRequested_)
            return RunEnd::Stopped;
        // The check before the run allows for this; a log that grew otherwise stops the run.
        if (!log.HasRoomFor(lineBytes_ + RLogClass::kLineRoom)) {
            msgbox::MsgBox(RLogClass::FullMessage(), msgbox::vbExclamation | msgbox::vbOKOnly,
                           QStringLiteral("Output Log"), this);
            return RunEnd::Stopped;
        }
        const double d = DistanceAt(range, i);
        u.pgbDist->setValue(scale.ValueAt(d));
        u.lblDist->setText(QString::fromStdString(numtext::Format(d, "####.0")) + QStringLiteral(" Km"));
        appendLine(log, RangeReportLine(inputs, d, numtext::LocalNow()), underline);
        ++linesSent_;
    }
    if (underline)
        log.Underline(false);
    return RunEnd::Finished;
}

void frmLogDistRange::requestStop(bool restart) {
    stopRequested_ = true;
    if (!restart)
        closeRequested_ = true;
    // Closing wins over a restart asked for in the same moment.
    restartRequested_ = restart && !closeRequested_;
}

void frmLogDistRange::cmdExitCalc_Click() {
    if (running_) {
        requestStop(false);
        return;
    }
    if (rangeSent_)
        SaveLogToTempFile(log_, tempLogName_, this);
    done(QDialog::Accepted);
}

void frmLogDistRange::closeEvent(QCloseEvent* event) {
    if (running_) {
        requestStop(false);
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmLogDistRange::reject() {
    if (running_) {
        requestStop(false);
        return;
    }
    QDialog::reject();
}
