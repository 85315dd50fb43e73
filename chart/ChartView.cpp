#include "ChartView.h"

#include "ControlEvents.h"
#include "DibImage.h"
#include "GraphHolder.h"
#include "ZENTModuleState.h"

#include <cmath>
#include <new>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace zent {

namespace {

constexpr int kMinimumGraphSize = 50;
constexpr unsigned kChildWindowStyle = 0x40000000u;

} // namespace

ChartView::ChartView(QWidget& widget, CGraphHolder& holder, ControlEvents& events)
    : widget_(widget), holder_(holder), events_(events) {}

void ChartView::Paint(const QPaintEvent& event) {
    const bool firstDraw = firstDrawPending_;
    bool drawn = false;
    // Nothing may leave a paint: a draw out of memory leaves the chart as it is and is told.
    try {
        OnDraw(widget_.rect());
    } catch (const std::bad_alloc&) {
        EngineReportError(kestran::codes::ErrorOutOfMemory, 0, 0);
    }
    {
        QPainter painter(&widget_);
        try {
            drawn = page_ != 0 && EnginePaintPage(page_, painter) != 0;
        } catch (const std::bad_alloc&) {
            EngineReportError(kestran::codes::ErrorOutOfMemory, 0, 0);
        }
        if (!drawn) {
            painter.fillRect(event.rect(), widget_.palette().window());
        }
    }
    ReportEngineError(true);
    // DrawReady ends each first draw, once the chart is on the device; later paints only repaint.
    if (firstDraw && drawn) {
        events_.Fire(kDrawReady);
    }
}

int ChartView::TakeEngineError() {
    EngineContext& context = EngineContextBlock();
    if (context.errorFlag == 0) {
        return 0;
    }
    const int code = context.lastError;
    EngineHandleError();
    return code;
}

void ChartView::ReportEngineError(bool deferred) {
    const int code = TakeEngineError();
    if (code == 0) {
        return;
    }
    if (!deferred) {
        events_.FireError(code, EngineErrorText(code), &widget_);
        return;
    }
    // Inside a paint there is no automation call to report to, and a sink or the message box must
    // never run inside it.
    QTimer::singleShot(0, &widget_,
                       [this, code] { events_.FireError(code, EngineErrorText(code), &widget_); });
}

QString ChartView::EngineErrorText(int code) {
    switch (code) {
    case kestran::codes::ErrorGraphLost:
        return QStringLiteral("The graph was lost while the chart was built; nothing was drawn.");
    case kestran::codes::ErrorOutOfMemory:
        return QStringLiteral("There is not enough memory for the chart: it was not drawn whole.");
    case kestran::codes::ErrorDataSetRefused:
        return QStringLiteral("The charting engine refused a data set: all charts together hold more "
                              "values than it can draw.");
    case kestran::codes::ErrorFileWrite:
        return QStringLiteral("The metafile could not be written.");
    default:
        return QStringLiteral("Charting engine error %1").arg(code);
    }
}

void ChartView::OnDraw(const QRect& bounds) {
    BindEngine();
    if (firstDrawPending_) {
        firstDrawPending_ = false;
        width_ = bounds.width();
        height_ = bounds.height();
        DeletePage();
        page_ = CreateGraphWindow(bounds);
        return;
    }
    if (page_ == 0) {
        return;
    }
    const int dw = width_ - bounds.width();
    const int dh = height_ - bounds.height();
    if (std::abs(dw) > 1 || std::abs(dh) > 1) {
        DeletePage();
        page_ = CreateGraphWindow(bounds);
        width_ = bounds.width();
        height_ = bounds.height();
        holder_.Model().ReleaseGraphics();
    }
    // Otherwise the paint that follows draws the existing graph: asking the engine for a redraw
    // from inside a paint would only schedule the next paint, for ever.
}

EngineHandle ChartView::CreateGraphWindow(const QRect& bounds) {
    const QByteArray name = "ZENT" + QByteArray::number(NextGraphWindowNumber());
    holder_.LargeEnough = bounds.width() >= kMinimumGraphSize && bounds.height() >= kMinimumGraphSize ? 1 : 0;
    if (!EnsureEngineRegistered()) {
        return 0;
    }
    const chart::CChartModel& m = holder_.Model();
    const EngineHandle page = EngineCreatePage(
        name.constData(), &widget_, "First Graph", "PageMenu",
        static_cast<kestran::ColorRef>(m.WindowBackgroundColor) & 0xFFFFFFu, holder_.PageOption,
        kChildWindowStyle, 0, 0, 0, bounds.width(), bounds.height(), &holder_);
    holder_.Page = page;
    if (page != 0) {
        QPointer<QWidget> self(&widget_);
        EngineSetRepaintHandler(page, [self] {
            if (self) {
                self->update();
            }
        });
    }
    return page;
}

void ChartView::DeletePage() {
    if (page_ != 0) {
        EngineDeletePage(page_);
        page_ = 0;
    }
    holder_.Page = 0;
    holder_.Model().PageHandle = 0;
    holder_.Model().GraphHandle = 0;
}

void ChartView::RebuildGraph() {
    if (firstDrawPending_) {
        return;
    }
    BindEngine();
    EngineDeleteGraph(holder_.Model().GraphHandle);
    holder_.CreateGraph();
    SetModifiedFlag(true);
    widget_.update();
}

void ChartView::DrawInto(QPainter& painter, const QRect& bounds) {
    BindEngine();
    const bool firstDraw = firstDrawPending_;
    if (firstDraw) {
        OnDraw(bounds);
    }
    if (page_ != 0) {
        if (bounds.topLeft() == QPoint(0, 0)) {
            EngineDrawPageToDC(painter, page_, QRectF(bounds), 1);
        } else {
            // Any other origin goes through a bitmap of the size the page was made for.
            const QImage dib = chart::BitmapToDib(EngineRenderPageImage(page_));
            chart::PaintDib(painter, QRect(bounds.topLeft(), QSize(width_, height_)), dib,
                            QRect(0, 0, width_, height_));
        }
    }
    // The next paint makes a fresh page over the control and is a first draw again.
    firstDrawPending_ = true;
    ReportEngineError(true);
    if (firstDraw && page_ != 0) {
        events_.Fire(kDrawReady);
    }
    widget_.update();
}

} // namespace zent
