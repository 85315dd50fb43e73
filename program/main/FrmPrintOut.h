#pragma once
// "Print Graph": prints the chart of a graph window, or shows the printer setup, through the
// chart control's own methods. The dialog is made once per run and then only hidden and shown
// again; the printer orientation found at that first showing comes back when the user closes the
// dialog by its close box.

#include <QDialog>

class QPushButton;

namespace automation {
class IDispatch;
}

namespace program {
// The chart the dialog prints: set by a graph window just before it shows the dialog, cleared
// when that window goes.
extern automation::IDispatch* PrintChart;
} // namespace program

class FrmPrintOut : public QDialog {
    Q_OBJECT
public:
    // The program's dialog, made at the first call.
    static FrmPrintOut& Instance();
    // Shows the dialog modally over owner; returns when the user is done.
    static void ShowFor(QWidget* owner);
    // Ends the dialog before the application object goes.
    static void Destroy();

    void Form_Load();
    void Form_Unload();
    void cmdPrint_Click();
    void cmdPrintSetup_Click();
    void cmdOK_Click();

    int SavedOrientation() const { return savedOrientation_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmPrintOut();

    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdPrintSetup_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    int savedOrientation_ = 1;
    bool loaded_ = false;
};
