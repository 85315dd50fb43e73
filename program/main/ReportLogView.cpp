#include "ReportLogView.h"

#include "ReportLogCopy.h"

#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QtMath>
#include <utility>

namespace {

// Decoded pictures kept for drawing: those of a screen or two.
constexpr std::size_t kKeptPixmaps = 12;

int AttributeIndex(const ReportLogText::Attributes& a) {
    return (a.bold ? 1 : 0) | (a.italic ? 2 : 0) | (a.underline ? 4 : 0);
}

// The word, or the run of other characters, that holds the character at a column.
std::pair<int, int> WordAround(QStringView line, int column) {
    if (line.isEmpty())
        return {0, 0};
    column = std::clamp(column, 0, static_cast<int>(line.size()) - 1);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, line.data(), line.size());
    finder.setPosition(column);
    const qsizetype begin = finder.isAtBoundary() ? column : finder.toPreviousBoundary();
    finder.setPosition(column);
    const qsizetype end = finder.toNextBoundary();
    return {static_cast<int>(std::max<qsizetype>(begin, 0)), static_cast<int>(end < 0 ? line.size() : end)};
}

// Where Ctrl+Right and Ctrl+Left go within a line: the start of the next or the previous word, or
// the line's end or start.
int NextWordStart(QStringView line, int column) {
    if (column >= line.size())
        return static_cast<int>(line.size());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, line.data(), line.size());
    finder.setPosition(column);
    for (qsizetype p = finder.toNextBoundary(); p >= 0; p = finder.toNextBoundary()) {
        if (p == line.size() || (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            return static_cast<int>(p);
    }
    return static_cast<int>(line.size());
}

int PreviousWordStart(QStringView line, int column) {
    if (column <= 0 || line.isEmpty())
        return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, line.data(), line.size());
    finder.setPosition(std::min<qsizetype>(column, line.size()));
    for (qsizetype p = finder.toPreviousBoundary(); p >= 0; p = finder.toPreviousBoundary()) {
        if (p == 0 || (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            return static_cast<int>(p);
    }
    return 0;
}

} // namespace

ReportLogView::ReportLogView(const ReportLogText& text, QWidget* parent)
    : QAbstractScrollArea(parent), m_text(text) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    measureFont();
    TextChanged();
}

void ReportLogView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureFont();
        TextReset();
    }
}

void ReportLogView::measureFont() {
    for (int i = 0; i < 8; ++i) {
        m_fonts[i] = font();
        m_fonts[i].setBold(i & 1);
        m_fonts[i].setItalic(i & 2);
        m_fonts[i].setUnderline(i & 4);
    }
    const QFontMetrics metrics(font());
    m_lineHeight = std::max(1, metrics.height());
    m_ascent = metrics.ascent();
    // A fixed-pitch face's advance is rarely a whole pixel: columns are placed at their exact
    // positions, as the text is drawn.
    m_columnWidth = std::max(1.0, QFontMetricsF(font()).horizontalAdvance(QLatin1Char('M')));
}

const QFont& ReportLogView::fontFor(const ReportLogText::Attributes& a) const {
    return m_fonts[AttributeIndex(a)];
}

void ReportLogView::TextReset() {
    m_measured = ~quint64(0);
    m_tall.clear();
    m_pictureCount = 0;
    m_widestPictureLine = 0;
    m_pixmaps.clear();
    m_anchor = m_caret = Place();
    TextChanged();
}

// Only lines with pictures differ from the face's height; they are measured once, as they come.
void ReportLogView::measure() {
    if (m_measured == m_text.Revision())
        return;
    m_measured = m_text.Revision();
    const auto& pictures = m_text.Pictures();
    if (pictures.size() < m_pictureCount) {
        m_tall.clear();
        m_pictureCount = 0;
        m_widestPictureLine = 0;
    }
    for (; m_pictureCount < pictures.size(); ++m_pictureCount) {
        const ReportLogText::PictureAt& at = pictures[m_pictureCount];
        const int line = m_text.LineOf(at.position);
        const int height = at.picture->shown.height() + (m_lineHeight - m_ascent);
        const int extra = std::max(0, height - m_lineHeight);
        if (!m_tall.empty() && m_tall.back().line == line) {
            m_tall.back().extra = std::max(m_tall.back().extra, extra);
        } else {
            const qint64 above = m_tall.empty() ? 0 : m_tall.back().extraAbove + m_tall.back().extra;
            m_tall.push_back(TallLine{line, extra, above});
        }
        m_widestPictureLine = std::max(m_widestPictureLine, lineWidth(line));
    }
    // Text goes on after a picture on its line ("[Clip Board Image]").
    if (!m_tall.empty())
        m_widestPictureLine = std::max(m_widestPictureLine, lineWidth(m_tall.back().line));
}

qint64 ReportLogView::LineTop(int line) const {
    const auto it = std::lower_bound(m_tall.begin(), m_tall.end(), line,
                                     [](const TallLine& t, int l) { return t.line < l; });
    const qint64 extra = it == m_tall.begin() ? 0 : std::prev(it)->extraAbove + std::prev(it)->extra;
    return qint64(line) * m_lineHeight + extra;
}

int ReportLogView::LineHeight(int line) const {
    const auto it = std::lower_bound(m_tall.begin(), m_tall.end(), line,
                                     [](const TallLine& t, int l) { return t.line < l; });
    return m_lineHeight + (it != m_tall.end() && it->line == line ? it->extra : 0);
}

int ReportLogView::lineAt(qint64 y) const {
    int low = 0;
    int high = m_text.LineCount() - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (LineTop(mid) <= y)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

int ReportLogView::columnX(int line, int column) const {
    qreal x = 0;
    for (const ReportLogText::Run& run : m_text.Runs(line)) {
        if (column <= run.begin)
            break;
        if (run.picture != nullptr)
            x += run.picture->shown.width();
        else
            x += (std::min(column, run.end) - run.begin) * m_columnWidth;
    }
    return qRound(x);
}

int ReportLogView::lineWidth(int line) const {
    return columnX(line, static_cast<int>(m_text.Line(line).size()));
}

void ReportLogView::TextChanged() {
    measure();
    updateScrollBars();
    viewport()->update();
}

void ReportLogView::updateScrollBars() {
    const qint64 total = LineTop(m_text.LineCount() - 1) + LineHeight(m_text.LineCount() - 1);
    const int page = viewport()->height();
    verticalScrollBar()->setRange(0, static_cast<int>(std::clamp<qint64>(total - page, 0, INT_MAX)));
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(m_lineHeight);
    const int width =
        std::max(qCeil(m_text.LongestLine() * m_columnWidth), m_widestPictureLine) + ColumnWidth();
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(ColumnWidth());
}

void ReportLogView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

int ReportLogView::FirstVisibleLine() const {
    return lineAt(verticalScrollBar()->value());
}

void ReportLogView::ScrollToLine(int line) {
    measure();
    updateScrollBars();
    line = std::clamp(line, 0, m_text.LineCount() - 1);
    verticalScrollBar()->setValue(static_cast<int>(std::min<qint64>(LineTop(line), INT_MAX)));
}

ReportLogView::Place ReportLogView::endPlace() const {
    const int last = m_text.LineCount() - 1;
    return Place{last, static_cast<int>(m_text.Line(last).size())};
}

void ReportLogView::MoveCaretToEnd() {
    if (HasSelection())
        viewport()->update();
    m_anchor = m_caret = endPlace();
    m_selecting = false;
    m_goalX = -1;
}

void ReportLogView::FollowCaret() {
    if (isVisible())
        ensureCaretVisible();
}

void ReportLogView::Select(Place from, Place to) {
    const Place end = endPlace();
    for (Place* p : {&from, &to}) {
        p->line = std::clamp(p->line, 0, end.line);
        p->column = std::clamp(p->column, 0, static_cast<int>(m_text.Line(p->line).size()));
    }
    m_anchor = from;
    m_caret = to;
    m_goalX = -1;
    restartBlink();
    ensureCaretVisible();
    viewport()->update();
}

void ReportLogView::SelectAll() {
    Select(Place(), endPlace());
}

QString ReportLogView::SelectedText() const {
    const Place from = std::min(m_anchor, m_caret);
    const Place to = std::max(m_anchor, m_caret);
    if (from == to)
        return QString();
    return m_text.PlainText(from.line, from.column, to.line, to.column);
}

void ReportLogView::Copy() {
    if (!HasSelection())
        return;
    const Place from = std::min(m_anchor, m_caret);
    const Place to = std::max(m_anchor, m_caret);
    // The clipboard takes the data over.
    QGuiApplication::clipboard()->setMimeData(
        CopiedData(m_text, from.line, from.column, to.line, to.column).release());
}

QRect ReportLogView::CaretRect() const {
    const qint64 top = LineTop(m_caret.line) - verticalScrollBar()->value();
    const int x = columnX(m_caret.line, m_caret.column) - horizontalScrollBar()->value();
    const int width = std::max(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    const int height = LineHeight(m_caret.line);
    return QRect(x, static_cast<int>(std::clamp<qint64>(top, -height, viewport()->height())), width, height);
}

void ReportLogView::restartBlink() {
    m_caretOn = true;
    const int flash = QApplication::cursorFlashTime();
    if (flash >= 2 && hasFocus())
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
}

void ReportLogView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_blink.timerId())
        return QAbstractScrollArea::timerEvent(event);
    m_caretOn = !m_caretOn;
    viewport()->update(CaretRect());
}

void ReportLogView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void ReportLogView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    viewport()->update();
}

void ReportLogView::ensureCaretVisible() {
    measure();
    updateScrollBars();
    const qint64 top = LineTop(m_caret.line);
    const int height = LineHeight(m_caret.line);
    QScrollBar* v = verticalScrollBar();
    if (top < v->value())
        v->setValue(static_cast<int>(std::min<qint64>(top, INT_MAX)));
    else if (top + height > qint64(v->value()) + viewport()->height())
        v->setValue(static_cast<int>(std::min<qint64>(top + height - viewport()->height(), INT_MAX)));
    const int x = columnX(m_caret.line, m_caret.column);
    QScrollBar* h = horizontalScrollBar();
    if (x < h->value())
        h->setValue(x);
    else if (x + ColumnWidth() > h->value() + viewport()->width())
        h->setValue(x + ColumnWidth() - viewport()->width());
}

ReportLogView::Place ReportLogView::placeAt(const QPoint& point, bool nearest) const {
    const qint64 y = qint64(verticalScrollBar()->value()) + std::max(0, point.y());
    const int line = lineAt(y);
    return Place{line, columnAt(line, horizontalScrollBar()->value() + std::max(0, point.x()), nearest)};
}

int ReportLogView::columnAt(int line, int x, bool nearest) const {
    qreal left = 0;
    for (const ReportLogText::Run& run : m_text.Runs(line)) {
        if (run.picture != nullptr) {
            const int w = run.picture->shown.width();
            if (x < left + w)
                return nearest && x >= left + w / 2 ? run.end : run.begin;
            left += w;
            continue;
        }
        const qreal w = (run.end - run.begin) * m_columnWidth;
        if (x < left + w)
            return run.begin + int((x - left + (nearest ? m_columnWidth / 2 : 0)) / m_columnWidth);
        left += w;
    }
    return static_cast<int>(m_text.Line(line).size());
}

const QPixmap& ReportLogView::pixmapOf(const LogPicture& picture) {
    const auto it = std::find_if(m_pixmaps.begin(), m_pixmaps.end(),
                                 [&picture](const auto& p) { return p.first == &picture; });
    if (it != m_pixmaps.end()) {
        std::rotate(it, it + 1, m_pixmaps.end());
        return m_pixmaps.back().second;
    }
    if (m_pixmaps.size() >= kKeptPixmaps)
        m_pixmaps.erase(m_pixmaps.begin());
    QPixmap pixmap;
    pixmap.loadFromData(picture.encoded);
    m_pixmaps.emplace_back(&picture, std::move(pixmap));
    return m_pixmaps.back().second;
}

void ReportLogView::drawLine(QPainter& painter, int line, int top, const QColor& pen) {
    const QStringView text = m_text.Line(line);
    const int height = LineHeight(line);
    const int baseline = top + height - (m_lineHeight - m_ascent);
    qreal x = -horizontalScrollBar()->value();
    const int right = viewport()->width();
    painter.setPen(pen);
    for (const ReportLogText::Run& run : m_text.Runs(line)) {
        if (x > right)
            break;
        if (run.picture != nullptr) {
            const QSize shown = run.picture->shown;
            if (x + shown.width() >= 0)
                painter.drawPixmap(QRect(QPoint(qRound(x), baseline - shown.height()), shown),
                                   pixmapOf(*run.picture));
            x += shown.width();
            continue;
        }
        const qreal width = (run.end - run.begin) * m_columnWidth;
        if (x + width >= 0) {
            // Only the columns in view: a pasted text may make one line very long.
            const int first = std::max(0, int(-x / m_columnWidth) - 1);
            const int last = std::min(run.end - run.begin, int((right - x) / m_columnWidth) + 2);
            painter.setFont(fontFor(run.attributes));
            painter.drawText(QPointF(x + first * m_columnWidth, baseline),
                             text.sliced(run.begin + first, last - first).toString());
        }
        x += width;
    }
}

void ReportLogView::paintEvent(QPaintEvent*) {
    measure();
    QPainter painter(viewport());
    const qint64 scroll = verticalScrollBar()->value();
    const int height = viewport()->height();
    const Place from = std::min(m_anchor, m_caret);
    const Place to = std::max(m_anchor, m_caret);
    const QColor text = palette().color(QPalette::Text);
    const QColor highlighted = palette().color(QPalette::HighlightedText);
    for (int line = lineAt(scroll); line < m_text.LineCount(); ++line) {
        const qint64 top = LineTop(line) - scroll;
        if (top >= height)
            break;
        const int y = static_cast<int>(top);
        drawLine(painter, line, y, text);
        if (from == to || line < from.line || line > to.line)
            continue;
        // The selected part of the line, its end included when the selection goes on below.
        const int begin = line == from.line ? columnX(line, from.column) : 0;
        int end = line == to.line ? columnX(line, to.column) : lineWidth(line) + ColumnWidth();
        const int offset = horizontalScrollBar()->value();
        const QRect selected(begin - offset, y, end - begin, LineHeight(line));
        if (selected.width() <= 0)
            continue;
        painter.fillRect(selected, palette().brush(QPalette::Highlight));
        painter.save();
        painter.setClipRect(selected);
        drawLine(painter, line, y, highlighted);
        painter.restore();
    }
    if (hasFocus() && m_caretOn)
        painter.fillRect(CaretRect(), text);
}

void ReportLogView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    const Place place = placeAt(event->position().toPoint());
    m_caret = place;
    if (!(event->modifiers() & Qt::ShiftModifier))
        m_anchor = place;
    m_selecting = true;
    m_goalX = -1;
    restartBlink();
    viewport()->update();
}

void ReportLogView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return QAbstractScrollArea::mouseMoveEvent(event);
    m_caret = placeAt(event->position().toPoint());
    ensureCaretVisible();
    viewport()->update();
}

void ReportLogView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseDoubleClickEvent(event);
    const Place at = placeAt(event->position().toPoint(), false);
    const auto [begin, end] = WordAround(m_text.Line(at.line), at.column);
    m_selecting = false;
    m_goalX = -1;
    Select(Place{at.line, begin}, Place{at.line, end});
}

void ReportLogView::keyPressEvent(QKeyEvent* event) {
    static const struct {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        Move how;
    } keys[] = {
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Move::PreviousChar},
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Move::NextChar},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Move::PreviousWord},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Move::NextWord},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Move::PreviousLine},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Move::NextLine},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Move::PreviousPage},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Move::NextPage},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Move::StartOfLine},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Move::EndOfLine},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Move::StartOfDocument},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Move::EndOfDocument},
    };
    if (event->matches(QKeySequence::Copy))
        return Copy();
    if (event->matches(QKeySequence::SelectAll))
        return SelectAll();
    for (const auto& key : keys) {
        const bool extend = event->matches(key.select);
        if (extend || event->matches(key.move))
            return moveCaret(moved(key.how, extend), extend);
    }
    QAbstractScrollArea::keyPressEvent(event);
}

ReportLogView::Place ReportLogView::moved(Move how, bool extend) {
    measure();
    const Place end = endPlace();
    const Place at = m_caret;
    const auto size = [this](int line) { return static_cast<int>(m_text.Line(line).size()); };
    const bool vertical = how == Move::PreviousLine || how == Move::NextLine || how == Move::PreviousPage ||
                          how == Move::NextPage;
    if (!vertical)
        m_goalX = -1;
    switch (how) {
    case Move::PreviousChar:
        // An arrow without Shift leaves a selection at its edge.
        if (!extend && HasSelection())
            return std::min(m_anchor, m_caret);
        if (at.column > 0)
            return Place{at.line, at.column - 1};
        return at.line > 0 ? Place{at.line - 1, size(at.line - 1)} : at;
    case Move::NextChar:
        if (!extend && HasSelection())
            return std::max(m_anchor, m_caret);
        if (at.column < size(at.line))
            return Place{at.line, at.column + 1};
        return at.line < end.line ? Place{at.line + 1, 0} : at;
    case Move::PreviousWord:
        if (at.column == 0)
            return at.line > 0 ? Place{at.line - 1, size(at.line - 1)} : at;
        return Place{at.line, PreviousWordStart(m_text.Line(at.line), at.column)};
    case Move::NextWord:
        if (at.column >= size(at.line))
            return at.line < end.line ? Place{at.line + 1, 0} : at;
        return Place{at.line, NextWordStart(m_text.Line(at.line), at.column)};
    case Move::StartOfLine:
        return Place{at.line, 0};
    case Move::EndOfLine:
        return Place{at.line, size(at.line)};
    case Move::StartOfDocument:
        return Place();
    case Move::EndOfDocument:
        return end;
    default:
        break;
    }
    if (m_goalX < 0)
        m_goalX = columnX(at.line, at.column);
    int line = at.line;
    if (how == Move::PreviousLine) {
        line = std::max(0, at.line - 1);
    } else if (how == Move::NextLine) {
        line = std::min(end.line, at.line + 1);
    } else {
        // A page is the view's height: the view scrolls by as much, so the caret keeps its place in it.
        const int step = how == Move::NextPage ? viewport()->height() : -viewport()->height();
        verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
        line = lineAt(std::max<qint64>(0, LineTop(at.line) + step));
    }
    return Place{line, columnAt(line, m_goalX, true)};
}

void ReportLogView::moveCaret(Place to, bool extend) {
    m_caret = to;
    if (!extend)
        m_anchor = to;
    restartBlink();
    ensureCaretVisible();
    viewport()->update();
}

void ReportLogView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("&Copy"), this, &ReportLogView::Copy);
    copy->setEnabled(HasSelection());
    menu.addAction(QStringLiteral("Select &All"), this, &ReportLogView::SelectAll);
    menu.exec(event->globalPos());
}
