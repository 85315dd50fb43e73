#pragma once
// The report window's text area: shows a ReportLogText of any size by laying out and drawing only
// the lines in view. Lines are one line of the log's fixed-pitch face each, or taller where a
// picture stands; pictures are decoded when they come into view and a few are kept.
//
// The user reads, scrolls, selects and copies, as in a read-only rich-text box: a blinking caret
// that the arrow, Page, Home and End keys move (Ctrl+Home/End to the ends of the log), Shift with
// any of them or with a click extends the selection, a double-click selects a word. The text only
// changes through the log. After every append the caret goes to the end of the log, and the view
// follows it there while it is shown.

#include "ReportLogText.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QPixmap>
#include <QtMath>
#include <vector>

class ReportLogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ReportLogView(const ReportLogText& text, QWidget* parent = nullptr);

    // The log changed: the view measures the new lines and redraws.
    void TextChanged();
    // The log was emptied or replaced: pictures kept for drawing go too.
    void TextReset();

    // A line and column of the log.
    struct Place {
        int line = 0;
        int column = 0;
        bool operator==(const Place& o) const { return line == o.line && column == o.column; }
        bool operator!=(const Place& o) const { return !(*this == o); }
        bool operator<(const Place& o) const {
            return line < o.line || (line == o.line && column < o.column);
        }
    };
    Place Caret() const { return m_caret; }
    bool CaretAtEnd() const { return m_caret == endPlace(); }
    bool HasSelection() const { return m_anchor != m_caret; }
    // Selects from one place to the other (the caret at `to`); the view follows the caret.
    void Select(Place from, Place to);
    void SelectAll();
    // No selection, the caret at the end of the log.
    void MoveCaretToEnd();
    // Scrolls a shown view to the caret.
    void FollowCaret();
    QString SelectedText() const;
    // Puts the selection on the clipboard as its text, its rich text and its first picture.
    void Copy();
    // Where the caret is drawn, in the viewport's coordinates.
    QRect CaretRect() const;

    // The first line at least partly in view, and scrolling a line to the top of the view.
    int FirstVisibleLine() const;
    void ScrollToLine(int line);
    // The top of a line in the whole log, in pixels, and its height.
    qint64 LineTop(int line) const;
    int LineHeight(int line) const;
    // Width of one column of the log's face.
    int ColumnWidth() const { return qCeil(m_columnWidth); }

    QFont LogFont() const { return font(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A line taller than the face's because of its pictures.
    struct TallLine {
        int line = 0;
        int extra = 0;         // pixels beyond the face's line height
        qint64 extraAbove = 0; // extra pixels of the tall lines before it
    };

    enum class Move {
        PreviousChar,
        NextChar,
        PreviousWord,
        NextWord,
        PreviousLine,
        NextLine,
        PreviousPage,
        NextPage,
        StartOfLine,
        EndOfLine,
        StartOfDocument,
        EndOfDocument,
    };
    // Where a key's move takes the caret.
    Place moved(Move how, bool extend);
    // The caret to a place, the selection from the anchor to it when extended.
    void moveCaret(Place to, bool extend);
    void restartBlink();

    void measureFont();
    void measure();
    void updateScrollBars();
    void ensureCaretVisible();
    Place endPlace() const;
    // The caret place nearest to a point, or the character under it (`nearest` false).
    Place placeAt(const QPoint& viewportPoint, bool nearest = true) const;
    int columnAt(int line, int x, bool nearest) const;
    int lineAt(qint64 y) const;
    int columnX(int line, int column) const;
    int lineWidth(int line) const;
    const QPixmap& pixmapOf(const LogPicture& picture);
    void drawLine(QPainter& painter, int line, int top, const QColor& pen);
    const QFont& fontFor(const ReportLogText::Attributes& a) const;

    const ReportLogText& m_text;
    QFont m_fonts[8];
    int m_lineHeight = 14;
    int m_ascent = 11;
    qreal m_columnWidth = 7;
    std::vector<TallLine> m_tall;
    std::size_t m_pictureCount = 0; // pictures of the log already measured
    int m_widestPictureLine = 0;
    quint64 m_measured = ~quint64(0);
    Place m_anchor;
    Place m_caret;
    bool m_selecting = false;
    // Up, Down and the Page keys keep the caret at the column it came from.
    int m_goalX = -1;
    QBasicTimer m_blink;
    bool m_caretOn = true;
    std::vector<std::pair<const LogPicture*, QPixmap>> m_pixmaps; // most recently drawn last
};
