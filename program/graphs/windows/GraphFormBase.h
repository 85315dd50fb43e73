#pragma once
// What the path-loss and field-strength graph windows share: the input panel, the embedded chart,
// the update button that marks a stale chart, the outputs of the chart, the menus' helpers and
// following the program's unit system. Each handler keeps the name of its control and event and
// hands the work to the part that does it; the windows add their own menus and the build.

#include "ChartHost.h"
#include "GraphControls.h"
#include "GraphInputPanel.h"
#include "GraphOutputs.h"
#include "NamedControls.h"
#include "StaleMark.h"
#include "StoredCharts.h"
#include "UnitSystem.h"

#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QString>

class LostFocusFilter;
class MainForm;
class QAction;
class QGridLayout;
class QLabel;
class QMenu;

namespace automation {
class IDispatch;
}

class GraphFormBase : public QDialog {
    Q_OBJECT
public:
    using Controls = GraphControls;

    ~GraphFormBase() override;

    Controls& ui() { return ui_; }
    // The chart control's automation interface; null when the control could not be created.
    automation::IDispatch* chart() const { return chart_.Dispatch(); }
    bool IsStale() const { return stale_.IsStale(); }
    double MaxDistanceKm() const { return maxDistanceKm_; }
    QIcon GoodButtonPicture() const { return stale_.Good(); }
    QIcon BadButtonPicture() const { return stale_.Bad(); }
    // The window's own picture, drawn behind its controls: the chart last copied to the report log.
    QImage BackgroundPicture() const { return background_; }

    // The inputs as the boxes show them.
    GraphInputs Inputs() const { return inputs_.Read(maxDistanceKm_); }

    // Hands the inputs back to the main window; runs once, however the window closes.
    virtual void Form_Unload() = 0;

    // The handlers both windows have.
    void mnuFileSave_Click() { outputs_.SaveMetafile(chart()); }
    void mnuFilePrint_Click() { cmdPrintGraph_Click(); }
    void mnuFilePrintSetup_Click() { outputs_.PrinterSetup(chart()); }
    void cmdPrintGraph_Click() { outputs_.Print(chart()); }
    void cmbareatype_Click();
    void MarkStale() { stale_.MarkStale(); }
    void txtFreq_LostFocus() { CheckBox(InputBox::Frequency); }
    void txthb_LostFocus() { CheckBox(InputBox::BaseHeight); }
    void txthm_LostFocus() { CheckBox(InputBox::MobileHeight); }
    void txtPctTime_LostFocus() { CheckBox(InputBox::PctTime); }
    void txtPctLoc_LostFocus() { CheckBox(InputBox::PctLoc); }
    // Makes the archive button visible and enabled (no handler of the windows uses it).
    void ShowArchiveButton();

protected:
    GraphFormBase(const char* objectName, const char* archiveButtonName, QWidget* parent);

    // Builds the boxes into grid rows starting at row 0, the buttons and the chart; returns the
    // grid for the window's own rows.
    QGridLayout* BuildCommon(const QString& caption, const char* chartName);
    QMenu* AddMenu(const char* name, const char* caption);
    void AddUnitsMenu();
    // Connects the shared handlers; called once the window is fully constructed, because the lost
    // focus filter ties its handlers to the window's final type.
    void ConnectCommon();
    LostFocusFilter& lostFocus() { return *lostFocus_; }

    // Loads the chart state stored with the window into the chart control, as a container loads a
    // control from its stored description.
    void LoadStoredChart(const StoredChart& state) { chart_.Load(state); }
    void LoadButtonPictures() { stale_.LoadPictures(); }
    void MarkCurrent() { stale_.MarkCurrent(); }
    void SetMaxDistance(double km) { maxDistanceKm_ = km; }

    // Copies the seven inputs and the unit checks from the main window (in) or back (out).
    void CopyInputsFrom(MainForm& main);
    void CopyInputsTo(MainForm& main) const;

    // The archive action: the database file (asked once per run), the comment, the run.
    void AddToArchive(bool fieldStrength);
    // Copies the chart's picture into the report log; the window keeps it as its own picture.
    void CopyToReportLog();

    // A menu command does not take the focus from the box being edited, so its check has not
    // run: run it now, and check every box that does not hold a number.
    void ValidateBeforeReading();
    // A click on the label shows or hides the archive button.
    void ToggleOnClick(QLabel* label);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every way of closing (menu, close box, Escape) unloads the window.
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CheckBox(InputBox box);
    void FollowUnits(Units units);
    // The inputs of the grid, row by row, then the buttons and the chart.
    void OrderTabs();

    Controls ui_;
    GraphInputPanel inputs_{ui_};
    ChartHost chart_;
    StaleMark stale_;
    GraphOutputs outputs_{*this};
    LostFocusFilter* lostFocus_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QLabel* toggleLabel_ = nullptr;
    QImage background_;
    double maxDistanceKm_ = 100;
};
