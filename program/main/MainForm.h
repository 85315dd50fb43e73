#pragma once
// "Okumura-Hata Field Strength / Loss Calculations": the program's input sheet, its results and
// the menus that reach every other window. Start-up (Form_Load) and the end of the program
// (Form_Unload) belong to it.

#include "ModelInputs.h"
#include "UnitText.h"

#include <functional>
#include <memory>
#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class LostFocusFilter;
class Registry;

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    // The controls, by the names the rest of the program knows them by (also their objectName).
    struct Controls {
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
        QLabel* Label10 = nullptr; // unit of the base antenna height
        QLabel* Label11 = nullptr; // unit of the mobile antenna height
        QLabel* Label12 = nullptr; // unit of the distance
        QLabel* lblFieldStrength = nullptr;
        QLabel* lblLITU529[2] = {};
        QLabel* lblLDavidson[2] = {};
        QLabel* lblLCost231[2] = {};
        QLabel* lblcost231 = nullptr;
        QLabel* lblFITU529 = nullptr;
        QLabel* lblOH529dBLoss = nullptr;
        QLabel* lblFCost231 = nullptr;
        QLabel* lblDavidson = nullptr;
        QLabel* lblOkumHatDavFS = nullptr;

        QMenu* mnuFile = nullptr;
        QAction* mnuFileNew = nullptr;
        QAction* mnuFileExit = nullptr;
        QMenu* mnuUnits = nullptr;
        QAction* mnuUnitsMetric = nullptr;
        QAction* mnuUnitsEnglish = nullptr;
        QMenu* mnuCalculation = nullptr;
        QAction* mnuCalculationLog = nullptr;
        QAction* mnuCalculationCalculate = nullptr;
        QAction* mnuCalculationLogDist = nullptr;
        QAction* mnuHideShow = nullptr;
        QMenu* mnuGraph = nullptr;
        QAction* mnuGraphdBloss = nullptr;
        QAction* mnuOkumGraphFieldStrength = nullptr;
        QAction* mnuOkum529GraphFieldStrength = nullptr;
        QAction* mnuGraphCost231FieldStrength = nullptr;
        QAction* mnuGraphCompare = nullptr;
        QAction* mnuGraphMeasured = nullptr;
        QMenu* mnuHelp = nullptr;
        QAction* mnuHelpInfo = nullptr;
        QAction* mnuHelpTarvek = nullptr;
        QAction* mnuHelpAbout = nullptr;

        // The texts of the length boxes across unit switches.
        UnitText distText;
        UnitText hbText;
        UnitText hmText;
    };

    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // The program's main window while one exists (the windows and helpers reach its controls).
    static MainForm* Instance();

    Controls& ui() { return ui_; }
    bool OrbelLaunched() const { return orbelLaunched_; }

    // What ends the program after Form_Unload; quits the event loop unless a test replaces it.
    static void SetProgramEnd(std::function<void()> end);

    void Form_Load();
    void Form_Unload();

    void cmdLossCalc_Click();
    void txtFreq_Change();
    void txtDist_Change();
    void txthb_Change();
    void txthm_Change();
    void cmbcitysize_Click();
    void cmbareatype_Click();
    void txtFreq_LostFocus();
    void txthb_LostFocus();
    void txtDist_LostFocus();
    void txthm_LostFocus();
    void txtPctLoc_LostFocus();
    void txtPctTime_LostFocus();
    void txtPowerUnit_LostFocus();
    void cmbPowerUnit_Click();
    void lblLITU529_MouseDown();
    void lblLCost231_MouseDown();
    void lblLDavidson_MouseDown();
    void lblLITU529_MouseUp();
    void lblLCost231_MouseUp();
    void lblLDavidson_MouseUp();

    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void mnuUnitsMetric_Click();
    void mnuUnitsEnglish_Click();
    void mnuCalculationLog_Click();
    void mnuCalculationCalculate_Click();
    void mnuCalculationLogDist_Click();
    void mnuHideShow_Click();
    void mnuGraphdBloss_Click();
    void mnuOkumGraphFieldStrength_Click();
    void mnuOkum529GraphFieldStrength_Click();
    void mnuGraphCost231FieldStrength_Click();
    void mnuGraphCompare_Click();
    void mnuGraphMeasured_Click();
    void mnuHelpInfo_Click();
    void mnuHelpTarvek_Click();
    void mnuHelpAbout_Click();
    void lblFieldStrength_DblClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInputs(QWidget* frame);
    void buildResults(QWidget* frame);
    void buildMenus();
    void connectHandlers();
    bool validateBox(QLineEdit* box);
    void validatePower();
    bool validateBeforeReading();
    void showRange(ModelIndex model);
    void endRange();
    void restoreOwnInputs();
    void restoreSuiteInputs();
    void restoreLog();
    bool writeSuiteValues();
    Registry& registry();

    Controls ui_;
    LostFocusFilter* lostFocus_ = nullptr;
    std::unique_ptr<Registry> registry_;
    bool orbelLaunched_ = false;
    bool unloaded_ = false;
};
