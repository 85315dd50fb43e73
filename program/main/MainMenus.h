#pragma once
// The main window's menu bar: File, Units, Calculation, Graph and Help, each item under the name
// the program knows it by. The items that flip between two captions keep their state in the
// caption, as the window always has.

class QAction;
class QMenu;
class QMenuBar;

struct MainMenus {
    // Builds the menus into the bar.
    explicit MainMenus(QMenuBar* bar);

    // The Units items show the unit system in force.
    void ShowUnitChecks(bool english);
    // "Hide Out of Range Values" / "Show ...": flips the caption; true when out-of-range values
    // are now shown (the caption offers to hide them).
    bool ToggleHideShow();
    // "Show Measured Data" / "Hide ...": flips the caption; true when measured data is now shown.
    bool ToggleMeasured();

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
};
