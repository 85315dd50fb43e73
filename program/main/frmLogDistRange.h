#pragma once
// "Report Distance Range": writes one report line per distance, from a start to an end distance in
// fixed steps, into the report log, with the six model results of the single-distance calculation.
// The other inputs come from the main window's controls, found by their object names, when a run
// starts. A run lets window events through once per distance, so it can be stopped (exit button,
// close box, Esc) or restarted while it runs; whatever it wrote is saved to the temporary log file.

#include <memory>
#include <QDialog>
#include <QPointer>
#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class RLogClass;

class frmLogDistRange : public QDialog {
    Q_OBJECT
public:
    // mainWindow owns the dialog and holds the input controls; log receives the table and is saved
    // to tempLogName whenever a run ends.
    frmLogDistRange(QWidget* mainWindow, RLogClass& log, const QString& tempLogName);
    ~frmLogDistRange() override;

    // Event handlers, public so the windows' tests can drive them like a user.
    void cmdLogDistRange_Click();
    void cmdExitCalc_Click();
    void txtStart_LostFocus();
    void txtEnd_LostFocus();
    void txtStep_LostFocus();

    bool IsRunning() const { return running_; }
    // Lines the last (or current) run appended.
    int LinesSent() const { return linesSent_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Controls;
    struct RunInputs;

    void Form_Load();
    bool ValidateRange();
    void boxLostFocus(QLineEdit* box);
    bool readMainInputs(RunInputs& inputs);
    void showRunningLook(bool running);
    void setupProgress(double start, double end);
    void showProgress(double d);
    enum class RunEnd { Finished, Stopped, Destroyed };
    RunEnd runOnce(const RunInputs& inputs);
    void requestStop(bool closeAfter);
    void saveLog();

    QPointer<QWidget> mainWindow_;
    RLogClass& log_;
    QString tempLogName_;
    std::unique_ptr<Controls> ui_; // the widgets themselves belong to the dialog
    bool rangeSent_ = false;
    bool running_ = false;
    bool stopRequested_ = false;
    bool restartRequested_ = false;
    bool closeRequested_ = false;
    bool inLostFocus_ = false;
    int linesSent_ = 0;
    bool descending_ = false;
};
