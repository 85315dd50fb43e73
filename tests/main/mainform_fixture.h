#pragma once
// An offscreen main window over a settings folder and a temporary folder of its own. A test
// starts the program (Start), ends it (Exit, answering "Retain Output Log?") and may start it
// again over the same folders, as a user's next run would.

#include "HeadlessRun.h"
#include "MainForm.h"
#include "MessageBox.h"

#include <gtest/gtest.h>
#include <memory>
#include <QString>

#include <ostream>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
class QWidget;

// The main window's controls that the tests reach, found by the names the program gives them.
struct MainControls {
    QLineEdit* txtFreq = nullptr;
    QLineEdit* txtDist = nullptr;
    QLineEdit* txthb = nullptr;
    QLineEdit* txthm = nullptr;
    QComboBox* cmbareatype = nullptr;
    QComboBox* cmbcitysize = nullptr;
    QLineEdit* txtPctTime = nullptr;
    QLineEdit* txtPctLoc = nullptr;
    QPushButton* cmdLossCalc = nullptr;
    QLabel* lblHelpRange = nullptr;
    QComboBox* cmbPowerUnit = nullptr;
    QLineEdit* txtPowerUnit = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* lblLITU529[2] = {}; // by the labels' Index
    QLabel* lblLDavidson[2] = {};
    QLabel* lblLCost231[2] = {};
    QLabel* lblcost231 = nullptr;
    QLabel* lblFITU529 = nullptr;
    QLabel* lblOH529dBLoss = nullptr;
    QLabel* lblFCost231 = nullptr;
    QLabel* lblDavidson = nullptr;
    QLabel* lblOkumHatDavFS = nullptr;
    QAction* mnuUnitsMetric = nullptr;
    QAction* mnuUnitsEnglish = nullptr;
    QAction* mnuCalculationLog = nullptr;
    QAction* mnuCalculationLogDist = nullptr;
    QAction* mnuHideShow = nullptr;
    QAction* mnuGraphdBloss = nullptr;
    QAction* mnuOkumGraphFieldStrength = nullptr;
    QAction* mnuOkum529GraphFieldStrength = nullptr;
    QAction* mnuGraphCost231FieldStrength = nullptr;
    QAction* mnuGraphCompare = nullptr;
    QAction* mnuGraphMeasured = nullptr;
    QAction* mnuHelpInfo = nullptr;
    QAction* mnuHelpAbout = nullptr;
};

// Finds every control of the window by its name; a missing one fails the test.
MainControls FindMainControls(QWidget& window);

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    MainForm& Start();
    // Ends the run through the window's close; retain answers "Retain Output Log?".
    void Exit(bool retain);
    // The window and the log go, as at the end of the process.
    void EndWindow();

    MainControls& ui() { return controls_; }
    MainForm& form() { return *form_; }

    // The program's own keys and the suite's.
    static QString Stored(const char* key);
    static void Store(const char* key, const QString& value);
    static QString Suite(const char* key);
    static void StoreSuite(const char* key, const QString& value);

    // Messages shown since the last call, without the measured-data warning.
    std::vector<std::string> Messages();
    static QString LogText();
    // The underlined characters of one line of the log as '_' (others ' ').
    static std::string UnderlineOf(int line);
    // A lost focus as a Tab to the next control gives it.
    static void LeaveBox(QWidget* box);

    QString tempDir() const { return home_.path(); }

    int retainAnswer_ = msgbox::vbYes;
    int exitAnswer_ = msgbox::vbOK;

private:
    testsupport::TemporaryHome home_{testsupport::TemporaryHome::SettingsAndTemp};
    std::unique_ptr<MainForm> form_;
    MainControls controls_;
    bool ended_ = false;
};
