#pragma once
// "Introduction": what the package is, which model serves which frequency band and distance or
// height class, and a check box whose state is written to the settings store under "InfoScreen"
// at every click. The box starts ticked at every opening: nothing reads the stored value.

#include <array>
#include <memory>
#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class Registry;

class frmInfoScreen : public QDialog {
    Q_OBJECT
public:
    explicit frmInfoScreen(QWidget* owner = nullptr);
    ~frmInfoScreen() override;

    void chkShowNext_Click();
    void cmdOK_Click();

    // The introduction paragraph shown in lblInfo.
    static QString IntroductionText();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    // Puts each underlined "<" mark over its "<" sign of a heading, turning it into "less or equal".
    void placeMarks();

    struct Mark {
        QLabel* mark = nullptr;
        QLabel* heading = nullptr;
        int occurrence = 0; // which "<" of the heading's text
    };
    std::array<Mark, 8> marks_{};
    std::unique_ptr<Registry> registry_; // made at the first click
    QLabel* lblInfo_ = nullptr;
    QCheckBox* chkShowNext_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};
