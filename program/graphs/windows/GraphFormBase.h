#pragma once
// What the path-loss and field-strength graph windows share: their input boxes and lists, the
// embedded chart control, the update button whose picture marks a stale chart, the box checks,
// metafile saving, printing, copying the chart into the report log, the archive action and
// following the program's unit system. The windows add their own menus and the build.

#include "ClassFactory.h"
#include "GraphInputs.h"
#include "GraphValidation.h"
#include "StoredCharts.h"
#include "UnitSystem.h"
#include "Variant.h"

#include <ctime>
#include <functional>
#include <optional>
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QString>
#include <vector>

class LostFocusFilter;
class MainForm;
class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace automation {
class IDispatch;
}

class GraphFormBase : public QDialog {
    Q_OBJECT
public:
    struct Controls {
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

    // Where a file question of the windows goes; tests answer it without a dialog. The answer
    // is the chosen file name, empty when cancelled.
    enum class FileQuestion { SaveMetafile, ArchiveDatabase };
    using FileChooser = std::function<QString(FileQuestion, QWidget* owner)>;
    static void SetFileChooserForTest(FileChooser chooser);
    // The archive comment; nothing when the user cancels.
    using CommentAsker = std::function<std::optional<QString>(QWidget* owner)>;
    static void SetCommentAskerForTest(CommentAsker asker);

    ~GraphFormBase() override;

    Controls& ui() { return ui_; }
    // The chart control's automation interface; null when the control could not be created.
    automation::IDispatch* chart() const { return chart_.dispatch; }
    bool IsStale() const { return stale_; }
    double MaxDistanceKm() const { return maxDistanceKm_; }
    QIcon GoodButtonPicture() const { return good_; }
    QIcon BadButtonPicture() const { return bad_; }
    // The window's own picture, drawn behind its controls: the chart last copied to the report log.
    QImage BackgroundPicture() const { return background_; }

    // The inputs as the boxes show them.
    GraphInputs Inputs() const;

    // Hands the inputs back to the main window; runs once, however the window closes.
    virtual void Form_Unload() = 0;

    // The handlers both windows have.
    void mnuFileSave_Click();
    void mnuFilePrint_Click();
    void mnuFilePrintSetup_Click();
    void cmdPrintGraph_Click();
    void cmbareatype_Click();
    void MarkStale();
    void txtFreq_LostFocus();
    void txthb_LostFocus();
    void txthm_LostFocus();
    void txtPctTime_LostFocus();
    void txtPctLoc_LostFocus();
    // Makes the archive button visible and enabled (no handler of the windows uses it).
    void ShowArchiveButton();

protected:
    GraphFormBase(const char* objectName, const char* archiveButtonName, QWidget* parent);

    // Builds the boxes into grid rows starting at row 0, the buttons and the chart; returns the
    // grid for the window's own rows.
    QGridLayout* BuildCommon(const QString& caption, const char* chartName);
    QMenu* AddMenu(const char* name, const char* caption);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool checkable = false);
    void AddUnitsMenu();
    // Connects the shared handlers; called once the window is fully constructed, because the lost
    // focus filter ties its handlers to the window's final type.
    void ConnectCommon();
    LostFocusFilter& lostFocus() { return *lostFocus_; }

    // Loads the chart state stored with the window into the chart control, as a container loads a
    // control from its stored description.
    void LoadStoredChart(const StoredChart& state);
    void LoadButtonPictures();
    void MarkCurrent();
    void SetMaxDistance(double km) { maxDistanceKm_ = km; }

    // Copies the seven inputs and the unit checks from the main window (in) or back (out).
    void CopyInputsFrom(MainForm& main);
    void CopyInputsTo(MainForm& main) const;

    // The archive action: the database file (asked once per run), the comment, the run.
    void AddToArchive(bool fieldStrength);
    // Copies the chart's picture into the report log.
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
    void paintEvent(QPaintEvent* event) override;

    static std::tm Now();

private:
    void ValidateBox(QLineEdit* box, InputBox kind);
    void FollowUnits(Units units);
    QString AskFile(FileQuestion question);

    Controls ui_;
    automation::ControlInstance chart_;
    LostFocusFilter* lostFocus_ = nullptr;
    QLabel* toggleLabel_ = nullptr;
    QIcon good_;
    QIcon bad_;
    QImage background_;
    bool stale_ = false;
    double maxDistanceKm_ = 100;
};
