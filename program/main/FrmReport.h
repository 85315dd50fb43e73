#pragma once
// "Calculation Log": the report window that holds the log's text area rtbLog and lets the user
// clear, save, print and close the log. It belongs to the report log object (RLogClass), is
// created hidden with it and only ever hidden again, so its text lasts for the whole run.
//
// The log's content is a ReportLogText, which the text area rtbLog (a ReportLogView) shows by
// drawing only the lines in view, so the window opens at once whatever the log's size. The text
// area is read-only for the user; text only enters through the log: appends at the end with the
// attributes set by SetBold/SetItalic/SetUnderline, the clipboard paste and file loads.

#include "ReportLogText.h"
#include "TempLogSaves.h"

#include <functional>
#include <memory>
#include <QDialog>
#include <QFont>
#include <QString>
#include <QTextCharFormat>

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QTextDocument;
class ReportLogView;

class FrmReport : public QDialog {
    Q_OBJECT
public:
    explicit FrmReport(QWidget* parent = nullptr);
    ~FrmReport() override;

    // The log's face and size.
    static constexpr const char* kLogFontFace = "Courier New";
    static constexpr double kLogFontPoints = 8.25;

    // The title written by "Clear Log" and the log's AddTitle; not displayed.
    QString LogTitle() const { return m_title; }
    void SetLogTitle(const QString& title) { m_title = title; }

    // Kept for callers that set it; the text area never wraps whatever its value.
    int RightMargin() const { return m_rightMargin; }
    void SetRightMargin(int twips) { m_rightMargin = twips; }

    // Attributes for the text appended next; they stay until set again.
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    ReportLogText::Attributes CurrentAttributes() const { return m_attributes; }

    // Appends at the end of the log (a CR LF or LF starts a new line) and leaves the caret at the
    // end with nothing selected. A shown view follows when the event loop next runs, or at Flush().
    void AppendText(const QString& text);
    void Flush();
    // The log's content.
    const ReportLogText& Text() const { return m_text; }
    // The whole log as a document, made when asked for (it costs a document of every line).
    QTextDocument& Document();
    // Empties the log, attributes included.
    void ClearText();
    // Whether the log holds no text.
    bool IsEmpty();
    // Appends the clipboard's text or picture at the end, unless the log's file would pass
    // maxFileBytes then (false, nothing added).
    bool PasteClipboard(qsizetype maxFileBytes = ReportLogText::kMaxRtfBytes);

    // Whole-log files. LoadRtf replaces the log (false and the log untouched when the file is
    // missing, unreadable or not RTF), with what saves to the temporary file left in its tail,
    // and turns bold, italic and underline off. Both save
    // functions write atomically: a failure leaves an existing file as it was. Saving as RTF
    // writes the log's body as it was made while the log grew: its cost is that of the bytes.
    bool LoadRtf(const QString& path);
    // Saves to the temporary log file, only what was added since the last save unless `whole`.
    bool SaveTempLog(const QString& path, bool whole);
    // What the last save to the temporary file could not write, and what the last load found.
    const TempLogSaves& TempSaves() const { return m_tempSaves; }
    bool SaveRtf(const QString& path);
    bool SavePlainText(const QString& path);

    // "Print" sends the log's plain text page by page (ReportLogPrint.h) in the printer's face, at a
    // size at which a whole report line fits across the page. A print that lasts longer than this
    // shows its progress, with a button that cancels it.
    static QFont PrintedFont();
    static constexpr int kPrintProgressAfterMs = 500;
    // The width of the window that shows a whole report line, limited to the screen.
    int WidthForWholeLines() const;
    // Report lines are this many columns wide.
    static constexpr int kReportColumns = 147;

    // The save dialog's state, kept while the window lives (the last chosen name comes back).
    struct SaveDialogState {
        QString fileName;
        int filterIndex = 2; // 1 All Files, 2 Text Files, 3 Rich Text
    };
    const SaveDialogState& SaveDialog() const { return m_cmdlg; }
    // Tests choose the file instead of the dialog: the chooser fills the state and returns false
    // for a cancelled dialog. An empty function goes back to the real dialog.
    using FileChooser = std::function<bool(SaveDialogState&)>;
    static void SetTestFileChooser(FileChooser chooser);

    // Event handlers, public so tests can drive them like a user.
    void cmdClear_Click();
    void cmdFile_Click();
    void cmdPrint_Click();
    void cmdClose_Click();
    void mnuFileClearLog_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrinterSetup_Click();
    void mnuFilePrint_Click();
    void mnuFileClose_Click();

    ReportLogView* rtbLog = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdFile = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFileClearLog = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFilePrinterSetup = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void textChanged();
    void updateView();
    QTextCharFormat baseFormat() const;
    bool chooseSaveFile();

    ReportLogText m_text;
    TempLogSaves m_tempSaves;
    ReportLogText::Attributes m_attributes;
    bool m_viewBehind = false; // the view has not yet seen the last change
    std::unique_ptr<QTextDocument> m_document;
    quint64 m_documentRevision = 0;
    QString m_title;
    int m_rightMargin = 0;
    SaveDialogState m_cmdlg;
};
