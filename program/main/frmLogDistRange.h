#pragma once
// "Report Distance Range": writes one report line per distance, from a start to an end distance in
// fixed steps, into the report log, with the six model results of the single-distance calculation.
// The other inputs come from the main window, as one value, when a run starts. A run lets window events
// through once per distance, so it can be stopped (exit button, close box, Esc) or restarted while it runs;
// whatever it wrote is saved to the temporary log file.

#include "MainInputs.h"

#include <functional>
#include <memory>
#include <QDialog>
#include <QPointer>
#include <QString>

class MainForm;
class RLogClass;
class QLineEdit;
struct ShownInputs;

class frmLogDistRange : public QDialog {
    Q_OBJECT
public:
    // Where a run reads the main window's inputs.
    using InputSource = std::function<MainInputs()>;

    // Over the main window, the program's report log and temporary log file.
    explicit frmLogDistRange(MainForm& main);
    // owner owns the dialog; inputs gives the main window's inputs; log receives the table and is
    // saved to tempLogName whenever a run ends.
    frmLogDistRange(QWidget* owner, InputSource inputs, RLogClass& log, const QString& tempLogName);
    ~frmLogDistRange() override;

    // Event handlers, public so tests can drive them like a user.
    void cmdLogDistRange_Click();
    void cmdExitCalc_Click();
    void txtStart_LostFocus();
    void txtEnd_LostFocus();
    void txtStep_LostFocus();

    // Esc: stops a run (which then closes the dialog), else closes it.
    void reject() override;

    bool IsRunning() const { return running_; }
    // Lines the current or last run appended (a restarted run counts from 0 again).
    long long LinesSent() const { return linesSent_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Controls;
    enum class RunEnd { Finished, Stopped, Destroyed };

    void Form_Load();
    bool ValidateRange();
    void boxLostFocus(QLineEdit* box, const char* message, const char* replacement);
    bool readMainInputs(ShownInputs& inputs);
    bool rangeFitsTheLog(const ShownInputs& inputs);
    void showRunningLook(bool running);
    RunEnd runRange(const ShownInputs& inputs);
    void requestStop(bool restart);

    QPointer<QWidget> owner_;
    InputSource inputs_;
    RLogClass& log_;
    QString tempLogName_;
    std::unique_ptr<Controls> ui_; // the widgets themselves belong to the dialog
    bool rangeSent_ = false;
    bool running_ = false;
    bool stopRequested_ = false;
    bool restartRequested_ = false;
    bool closeRequested_ = false;
    long long linesSent_ = 0;
    long long lineBytes_ = 256; // of the log's file, per line of the run
};
