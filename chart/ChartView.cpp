#include "ChartView.h"

#include "ControlEvents.h"
#include "DibImage.h"
#include "GraphHolder.h"
#include "ZENTModuleState.h"

#include <cmath>
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
    OnDraw(widget_.rect());
    QPainter painter(&widget_);
    if (page_ == 0 || EnginePaintPage(page_, painter) == 0) {
        painter.fillRect(event.rect(), widget_.palette().window());
    }
    ReportEngineError();
}

// An engine failure inside the paint has no automation call to report it to: the Error event goes
// out once the paint is over, so a sink or the message box never runs inside it.
void ChartView::ReportEngineError() {
    EngineContext& context = EngineContextBlock();
    if (context.errorFlag == 0) {
        return;
    }
    const int code = context.lastError;
    EngineHandleError();
    QTimer::singleShot(0, &widget_, [this, code] {
        events_.FireError(code, QStringLiteral("Charting engine error %1").arg(code), &widget_);
    });
}

void ChartView::OnDraw(const QRect& bounds) {
    BindEngine();
    if (firstDrawPending_) {
        firstDrawPending_ = false;
        width_ = bounds.width();
        height_ = bounds.height();
        DeletePage();
        page_ = CreateGraphWindow(bounds);
        events_.Fire(kDrawReady);
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
    if (firstDrawPending_) {
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
    firstDrawPending_ = true;
    widget_.update();
}

} // namespace zent
