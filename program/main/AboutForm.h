#pragma once
// "About dB Loss Calculation": what the program is and who made it.

#include <QDialog>

class QPushButton;

class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

    void cmdOK_Click();

private:
    QPushButton* cmdOK_ = nullptr;
};
