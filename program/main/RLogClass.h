#pragma once
// The report log: the program's results as formatted text, one program-wide instance (see
// ReportLog.h). Every writer goes through it; the text itself lives in the report window
// (FrmReport), which the log creates hidden and keeps for its whole life.
//
// Interface, as the program's windows use it:
//   Show()                 shows the report window modally; returns when the user hides it
//   ReadFile(path)         loads an RTF file, replacing the log; true on success, false (log
//                          unchanged) when the file is missing, unreadable or not RTF; bold,
//                          italic and underline are off afterwards
//   SaveFile(path)         writes the whole log as RTF, atomically; true on success; false and
//                          nothing written when nothing was appended yet
//   Underline(on), Italic(on), Bold(on)
//                          attribute for the text appended next, until set again
//   Title(text), Title()   the log's title (the column-header line), not displayed
//   Clear()                empties the log; no title is written
//   Add(text = "")         appends the text at the end of the log
//   AddLine(text = "")     appends the text and a line end (CR LF)
//   AddTitle()             appends the title in bold underline and a line end
//   PasteClipboard()       appends the clipboard's picture or text
//   HasRoomFor(bytes)      whether the log may grow by that much of its RTF file
//   Form()                 the report window, for the few callers that need it directly
//
// The log grows up to one size limit (ReportLogText::kMaxRtfBytes), so that every log opens at the
// next start: a line that would begin past it, and a pasted picture or text that would pass it,
// are not added, and the user is told at that moment. Writers of many lines (the range report)
// ask HasRoomFor first and stop on their own.
//
// Appended text is in Form().Text() at once; a shown window draws it when the event loop next
// runs (Form().Flush() at once).

#include <memory>
#include <QString>

class FrmReport;

class RLogClass {
public:
    RLogClass();
    ~RLogClass();
    RLogClass(const RLogClass&) = delete;
    RLogClass& operator=(const RLogClass&) = delete;

    void Show();
    bool ReadFile(const QString& path);
    bool SaveFile(const QString& path);
    // SaveFile to the temporary log file: after the first save, only what was added since, unless
    // `whole` (TempLogSaves.h); ReadFile takes what was saved so.
    bool SaveTempFile(const QString& path, bool whole = false);
    void Underline(bool on);
    void Italic(bool on);
    void Bold(bool on);
    void Title(const QString& title);
    QString Title() const;
    void Clear();
    void Add(const QString& text = QString());
    void AddLine(const QString& text = QString());
    void AddTitle();
    // Appends as Add does, within the same limit, without counting as a write for SaveFile.
    void InsertText(const QString& text);
    void PasteClipboard();
    bool HasRoomFor(qsizetype bytes) const;

    FrmReport& Form() { return *m_form; }

    // The right margin of the text area after Clear and AddTitle, in twips.
    static constexpr int kRightMargin = 32000;
    // Room a line needs at its start: a report line takes about 200 bytes of the file.
    static constexpr qsizetype kLineRoom = 4096;
    // What the user is told when the log is full.
    static QString FullMessage();

private:
    std::unique_ptr<FrmReport> m_form;
    // SaveFile writes nothing before the first append.
    bool m_written = false;
    // The rest of a line that could not begin is left out too.
    bool m_refusingLine = false;
    // Whether the text may be appended: false (told once per refused line) when it passes the limit.
    bool admits(const QString& text);
};
