#pragma once
// "Introduction": what the package is, which model serves which frequency band and distance or
// height class, and a check box whose state is kept in the settings store under "InfoScreen".

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

class frmInfoScreen : public QDialog {
    Q_OBJECT
public:
    explicit frmInfoScreen(QWidget* owner = nullptr);

    void chkShowNext_Click();
    void cmdOK_Click();

    // The introduction paragraph shown in lblInfo.
    static QString IntroductionText();

    // The stored choice: true unless the store holds "NoScreen".
    static bool ShowNextTime();

private:
    void Form_Load();

    QLabel* lblInfo_ = nullptr;
    QCheckBox* chkShowNext_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};
