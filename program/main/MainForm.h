#pragma once
// "Okumura-Hata Field Strength / Loss Calculations": the program's window. It holds the input
// panel, the result panel and the menus, and routes each control's event to the handler of the
// control's name; the handlers hand the work to the panel, the calculation, the start and end of
// the program, or the window a menu opens. Other windows exchange the inputs with it as one value.

#include "MainInputs.h"
#include "ModelInputs.h"
#include "ModelNumbering.h"
#include "ValidityBounds.h"

#include <functional>
#include <memory>
#include <QMainWindow>

class LostFocusFilter;
class MainInputPanel;
class MainResultPanel;
class ProgramStartEnd;
struct MainMenus;

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // The program's main window while one exists.
    static MainForm* Instance();

    // The inputs as shown, and showing others: texts that differ are written (area before city,
    // the power unit without converting the power box); the unit system stays as it is.
    MainInputs Inputs() const;
    void SetInputs(const MainInputs& inputs);
    // The caption of Graph > Show/Hide Measured Data, which the field-strength window also flips.
    void SetMeasuredDataCaption(const QString& caption);

    bool OrbelLaunched() const;
    // What ends the program after Form_Unload; quits the event loop unless a test replaces it.
    static void SetProgramEnd(std::function<void()> end);

    // What the program-wide helpers (ModMain) do to this window: the design defaults, the unit
    // system with the lengths converted, and the stale mark of the results.
    void ResetInputs();
    void SwitchUnits(bool english);
    void MarkResultsStale();

    void Form_Load();
    void Form_Unload();

    // The handlers, by control and event.
    void cmdLossCalc_Click();
    void txtFreq_Change() { MarkResultsStale(); }
    void txtDist_Change() { MarkResultsStale(); }
    void txthb_Change() { MarkResultsStale(); }
    void txthm_Change() { MarkResultsStale(); }
    void cmbcitysize_Click() { MarkResultsStale(); }
    void cmbareatype_Click();
    void txtFreq_LostFocus() { checkBox(InputBox::Frequency); }
    void txthb_LostFocus() { checkBox(InputBox::BaseHeight); }
    void txtDist_LostFocus() { checkBox(InputBox::Distance); }
    void txthm_LostFocus() { checkBox(InputBox::MobileHeight); }
    void txtPctLoc_LostFocus() { checkBox(InputBox::PctLoc); }
    void txtPctTime_LostFocus() { checkBox(InputBox::PctTime); }
    void txtPowerUnit_LostFocus();
    void cmbPowerUnit_Click();
    void lblLITU529_MouseDown() { showRange(ModelP529); }
    void lblLCost231_MouseDown() { showRange(ModelCost231); }
    void lblLDavidson_MouseDown() { showRange(ModelHataDavidson); }
    void lblLITU529_MouseUp() { endRange(); }
    void lblLCost231_MouseUp() { endRange(); }
    void lblLDavidson_MouseUp() { endRange(); }
    void lblFieldStrength_DblClick();

    void mnuFileNew_Click() { ResetInputs(); }
    void mnuFileExit_Click();
    void mnuUnitsMetric_Click() { chooseUnits(false); }
    void mnuUnitsEnglish_Click() { chooseUnits(true); }
    void mnuCalculationLog_Click();
    void mnuCalculationCalculate_Click() { cmdLossCalc_Click(); }
    void mnuCalculationLogDist_Click();
    void mnuHideShow_Click();
    void mnuGraphdBloss_Click();
    void mnuOkumGraphFieldStrength_Click() { openFieldStrength(GraphDavidson); }
    void mnuOkum529GraphFieldStrength_Click() { openFieldStrength(GraphP529); }
    void mnuGraphCost231FieldStrength_Click() { openFieldStrength(GraphCost231); }
    void mnuGraphCompare_Click() { openFieldStrength(GraphComparison); }
    void mnuGraphMeasured_Click();
    void mnuHelpInfo_Click();
    void mnuHelpTarvek_Click();
    void mnuHelpAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void checkBox(InputBox box);
    void chooseUnits(bool english);
    void openFieldStrength(long graphModel);
    // A menu command or a click on a model name does not take the focus from the box being edited,
    // so its check has not run: run it now, and make sure every length box holds a number. True
    // when a message was shown.
    bool validateBeforeReading();
    // Switches the unit state, captions and check marks without converting any text.
    void showUnits(bool english);
    void showRange(ModelIndex model);
    void endRange();

    MainInputPanel* inputs_ = nullptr;
    MainResultPanel* results_ = nullptr;
    std::unique_ptr<MainMenus> menus_;
    LostFocusFilter* lostFocus_ = nullptr;
    std::unique_ptr<ProgramStartEnd> startEnd_;
};
