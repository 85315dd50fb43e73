#include "ChartMouse.h"

#include "ChartModel.h"
#include "ChartView.h"
#include "ControlEvents.h"
#include "StockEvents.h"
#include "ZENTModuleState.h"
#include "Zoom.h"

#include <algorithm>
#include <cmath>
#include <QLabel>
#include <QMouseEvent>

namespace zent {

namespace {

constexpr int kZoomDragPixels = 8;

} // namespace

ChartMouse::ChartMouse(QWidget& widget, CZENTCtrl* control, chart::CChartModel& model, ChartView& view,
                       ControlEvents& events, std::function<void()> showPropertyFrame)
    : widget_(widget), control_(control), model_(model), view_(view), events_(events),
      showPropertyFrame_(std::move(showPropertyFrame)) {}

ChartMouse::~ChartMouse() {
    delete dataTip_.data();
}

void ChartMouse::ZoomReset() {
    BindEngine();
    chart::ZoomResetScales(model_);
    view_.RebuildGraph();
}

QLabel* ChartMouse::DataTip() const {
    return dataTip_.data();
}

void ChartMouse::ReleaseDataTip() {
    delete dataTip_.data();
    dataTip_ = nullptr;
}

void ChartMouse::ShowDataValue(int x, int y) {
    double vx = 0.0, vy = 0.0;
    chart::MouseWorldPosition(model_, vx, vy);
    model_.ReleaseGraphics();
    auto* tip = new QLabel(chart::DataValueText(vx, vy), &widget_);
    QPalette colors = tip->palette();
    colors.setColor(QPalette::Window, QColor(255, 255, 0));
    colors.setColor(QPalette::WindowText, Qt::black);
    tip->setPalette(colors);
    tip->setAutoFillBackground(true);
    QFont font = tip->font();
    font.setPointSize(6);
    tip->setFont(font);
    tip->setGeometry(x + 4, y + 4, 66, 26);
    tip->show();
    dataTip_ = tip;
}

bool ChartMouse::Codes(Qt::MouseButton button, ButtonCodes& codes) {
    if (button == Qt::LeftButton) {
        codes = {513, 515, 1};
        return true;
    }
    if (button == Qt::RightButton) {
        codes = {516, 518, 2};
        return true;
    }
    return false;
}

// The engine follows every move, not only drags: GetMousePos reads the last position.
void ChartMouse::Track(const QMouseEvent& event) {
    BindEngine();
    const QPoint at = event.position().toPoint();
    EngineSetMousePosition(std::clamp(at.x(), 0, 0xFFFF), std::clamp(at.y(), 0, 0xFFFF));
    SetMouseControl(control_);
}

void ChartMouse::Moved(const QMouseEvent& event) {
    Track(event);
    events_.FireMouse(kMouseMove, ButtonMask(event.buttons()), event);
}

void ChartMouse::Pressed(const QMouseEvent& event) {
    Track(event);
    ButtonCodes codes{};
    if (Codes(event.button(), codes)) {
        ButtonDown(codes, event);
    } else {
        events_.FireMouse(kMouseDown, ButtonMask(event.button()), event);
    }
}

void ChartMouse::Released(const QMouseEvent& event) {
    Track(event);
    ButtonCodes codes{};
    if (Codes(event.button(), codes)) {
        ButtonUp(codes, event);
    } else {
        events_.FireMouse(kMouseUp, ButtonMask(event.button()), event);
    }
}

void ChartMouse::DoubleClicked(const QMouseEvent& event) {
    Track(event);
    ButtonCodes codes{};
    if (Codes(event.button(), codes)) {
        ButtonDoubleClick(codes);
    }
}

void ChartMouse::ButtonDown(const ButtonCodes& codes, const QMouseEvent& event) {
    chart::CChartModel& m = model_;
    const EngineHandle graph = m.GraphHandle;
    if (m.EventZoom == codes.down) {
        zoomStart_ = event.position().toPoint();
        EngineBeginRubberBand(graph, 0, 0, codes.down, 0);
        m.Zooming = 1;
    } else if (m.EventRetrieveDataValue == codes.readOut) {
        EngineBeginDataCursorDrag(graph, 0, 0, codes.down, m.EventDataCursorType - 1, 0);
        m.ReadingOut = 1;
    } else {
        events_.FireMouse(kMouseDown, ButtonMask(event.button()), event);
    }
}

void ChartMouse::ButtonUp(const ButtonCodes& codes, const QMouseEvent& event) {
    chart::CChartModel& m = model_;
    EngineEndMouseDrag(m.GraphHandle);
    const QPoint at = event.position().toPoint();
    if (m.EventZoom == codes.down && m.Zooming != 0) {
        const QPoint d = at - zoomStart_;
        const double distance = std::sqrt(double(d.x()) * d.x() + double(d.y()) * d.y());
        if (distance > kZoomDragPixels && chart::ZoomToRubberBand(m)) {
            view_.RebuildGraph();
        }
    } else if (m.EventRetrieveDataValue == codes.readOut && m.ReadingOut != 0) {
        ShowDataValue(at.x(), at.y());
    } else {
        events_.FireMouse(kMouseUp, ButtonMask(event.button()), event);
        if (codes.readOut == 1 && widget_.rect().contains(at)) {
            SetCurrentControl(control_);
            events_.Fire(kClick);
        }
    }
}

void ChartMouse::ButtonDoubleClick(const ButtonCodes& codes) {
    chart::CChartModel& m = model_;
    m.Zooming = 0;
    if (m.EventZoomReset == codes.doubleClick) {
        if (chart::MouseInsideScales(m)) {
            ZoomReset();
        }
    } else if (m.EventRetrieveDataValue == codes.readOut && m.ReadingOut != 0) {
        m.ReleaseGraphics();
    } else if (m.EventShowPropPage == codes.doubleClick) {
        showPropertyFrame_();
    } else {
        events_.Fire(kDblClick);
    }
}

} // namespace zent
