#pragma once
// "Calculated Values": the power with its unit, the six results of the last calculation with
// their validity colours, and the model names whose press shows the model's range.

#include "LossCalculation.h"
#include "MainInputs.h"
#include "ModelInputs.h"

#include <QGroupBox>

class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;

class MainResultPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit MainResultPanel(QWidget* parent = nullptr);

    QLineEdit* PowerBox() const { return power_; }
    QComboBox* PowerUnitList() const { return powerUnit_; }

    void ShowResults(const LossResults& results);
    // Results no longer of the inputs shown: every result on a dark ground.
    void MarkStale();
    // The field strengths back to black, as a new start shows them.
    void ResetColours();

    // The unit list chose a unit: the program's power unit and the box's text in it.
    void FollowPowerUnit();
    // The power box lost the focus: its value in the unit becomes the program's power.
    void CheckPower();
    // 1 kW e.r.p.
    void ResetPower();

    void ReadTexts(MainInputs& inputs) const;
    // The unit list takes the unit without converting the box, which already stands for it.
    void ShowTexts(const MainInputs& inputs);

signals:
    void modelNamePressed(ModelIndex model);
    void modelNameReleased(ModelIndex model);
    void fieldStrengthDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* power_ = nullptr;
    QComboBox* powerUnit_ = nullptr;
    QLabel* fieldStrength_ = nullptr;
    // In the order of the report's columns.
    QLabel* results_[ResultColumnCount] = {};
};
