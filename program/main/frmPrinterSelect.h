#pragma once
// "Printer Selection": picks the program-wide printer from the platform's printer list. The
// combo box starts with the current printer's name; "Select Printer" takes the first printer of
// that name and closes the window. A name the list no longer has leaves the printer as it was.

#include <QDialog>

class QComboBox;
class QPushButton;

class frmPrinterSelect : public QDialog {
    Q_OBJECT
public:
    explicit frmPrinterSelect(QWidget* parent = nullptr);

    void Form_Load();
    void cmdSelect_Click();
    // The size the window opens at.
    QSize FittingSize() const;

    QComboBox* cboPrinterNames = nullptr;
    QPushButton* cmdSelect = nullptr;
};
