#pragma once
// "Input Parameters": the main window's eight inputs with the unit captions of the lengths, the
// Calculate button and the range display line. The panel checks each box against its bounds,
// keeps the length texts across unit switches and reads its values as shown.

#include "LossCalculation.h"
#include "MainInputs.h"
#include "UnitSystem.h"
#include "UnitText.h"
#include "ValidityBounds.h"

#include <array>
#include <optional>
#include <QGroupBox>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class MainInputPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit MainInputPanel(QWidget* parent = nullptr);

    QLineEdit* Box(InputBox box) const;
    QComboBox* AreaList() const { return area_; }
    QComboBox* CityList() const { return city_; }
    QPushButton* CalculateButton() const { return calculate_; }
    // Which box a widget is; nothing for any other widget.
    std::optional<InputBox> BoxOf(const QWidget* widget) const;

    // Checks a box as it loses the focus: a refused value gets its message (over owner) and the
    // box its default. True when a message was shown.
    bool CheckBox(InputBox box, QWidget* owner);
    // Checks every length box that does not hold a number; true when a message was shown.
    bool CheckLengths(QWidget* owner);
    // The city list is for urban areas only: elsewhere it shows "Small/Medium" and is disabled.
    void FollowArea();

    // The range display of a model: the length and frequency boxes outside its bounds in the
    // out-of-range colour, its line of text; EndRange takes both back.
    void ShowRange(const RangeDisplay& display);
    void EndRange();

    void ReadTexts(MainInputs& inputs) const;
    // Writes the texts that differ from the boxes' and lists' (area before city).
    void ShowTexts(const MainInputs& inputs);
    // The numbers as shown (0 for a box holding none), the list texts and the unit system; the
    // power is left to the caller.
    ShownInputs Shown() const;
    // The design defaults of the boxes and lists; the lengths forget their texts in other units.
    void ResetDefaults();

    void ShowUnitCaptions(Units units);
    // Rewrites the three lengths in the other unit system.
    void ConvertLengths(bool toEnglish);
    // A length shown in English units for the metric text `original` (the suite's values).
    void RememberLength(InputBox box, const std::string& original, const std::string& shown);
    // The metric text the length box's English text was converted from; "" when edited since.
    std::string OriginalLength(InputBox box) const;

private:
    // The texts of the three lengths across unit switches: base height, mobile height, distance.
    static int MemoryIndex(InputBox box);

    QLineEdit* freq_ = nullptr;
    QLineEdit* dist_ = nullptr;
    QLineEdit* hb_ = nullptr;
    QLineEdit* hm_ = nullptr;
    QLineEdit* pctTime_ = nullptr;
    QLineEdit* pctLoc_ = nullptr;
    QComboBox* area_ = nullptr;
    QComboBox* city_ = nullptr;
    QLabel* hbUnit_ = nullptr;   // Label10
    QLabel* hmUnit_ = nullptr;   // Label11
    QLabel* distUnit_ = nullptr; // Label12
    QPushButton* calculate_ = nullptr;
    QLabel* helpRange_ = nullptr;
    std::array<UnitText, 3> lengthTexts_;
};
