#pragma once
// The controls both graph windows have, by the names the program knows them by (also their
// objectName).

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;

struct GraphControls {
    QLineEdit* txtFreq = nullptr;
    QLineEdit* txthb = nullptr;
    QLineEdit* txthm = nullptr;
    QLineEdit* txtPctTime = nullptr;
    QLineEdit* txtPctLoc = nullptr;
    QComboBox* cmbareatype = nullptr;
    QComboBox* cmbcitysize = nullptr;
    QLabel* lblBaseAntenna = nullptr;
    QLabel* Label10 = nullptr; // unit of the base antenna height
    QLabel* Label11 = nullptr; // unit of the mobile antenna height
    QPushButton* cmdUpdateGraph = nullptr;
    QPushButton* cmdPrintGraph = nullptr;
    QPushButton* archiveButton = nullptr; // cmdArchiveData or cmdAddToArchive
    QMenuBar* menuBar = nullptr;
    QAction* mnuUnitsMetric = nullptr;
    QAction* mnuUnitsEnglish = nullptr;
    QWidget* chartWidget = nullptr;
};
