#pragma once
// Start and end of the program: what the main window prepares before the user's first action
// (defaults, the suite's or the program's own saved inputs, the units, the report log, the
// measured data) and what it keeps for the next run at the end.

#include <functional>
#include <memory>
#include <QString>
#include <QStringList>

class MainForm;
class MainInputPanel;
class Registry;
class TempLogLock;

class ProgramStartEnd {
public:
    ProgramStartEnd(MainForm& form, MainInputPanel& inputs);
    ~ProgramStartEnd();

    // Form_Load.
    void Load();
    // Form_Unload: runs once, however the window closes, and ends the program.
    void Unload();

    bool OrbelLaunched() const { return orbelLaunched_; }
    // What ends the program after Unload; quits the event loop unless a test replaces it.
    static void SetProgramEnd(std::function<void()> end);

private:
    void restoreOwnInputs();
    void restoreSuiteInputs();
    void restoreLog();
    bool openLog(const QString& stored, QStringList& notes);
    void joinEndedCopiesLogs(QStringList& notes);
    void startNewLog(bool storeName, QStringList& notes);
    void tellLog(const QStringList& notes);
    QString keptLogName();
    bool writeSuiteValues();
    Registry& registry();

    MainForm& form_;
    MainInputPanel& inputs_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<TempLogLock> logLock_; // this copy's log, while the program runs
    bool orbelLaunched_ = false;
    bool unloaded_ = false;
};
