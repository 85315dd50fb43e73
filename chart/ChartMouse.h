#pragma once
// The mouse over a control's chart. The settings EventZoom, EventRetrieveDataValue,
// EventZoomReset and EventShowPropPage decide what a button does: drag a zoom band, read out the
// value under the pointer in a tip, reset the zoom, open the property frame; anything they leave
// goes to the container as a stock mouse event.

#include <functional>
#include <QPoint>
#include <QPointer>

class CZENTCtrl;
class QLabel;
class QMouseEvent;
class QWidget;

namespace chart {
class CChartModel;
}

namespace zent {

class ChartView;
class ControlEvents;

class ChartMouse {
public:
    // `control` is only the identity the module remembers as the current and the mouse control.
    ChartMouse(QWidget& widget, CZENTCtrl* control, chart::CChartModel& model, ChartView& view,
               ControlEvents& events, std::function<void()> showPropertyFrame);
    ~ChartMouse();
    ChartMouse(const ChartMouse&) = delete;
    ChartMouse& operator=(const ChartMouse&) = delete;

    void Pressed(const QMouseEvent& event);
    void Released(const QMouseEvent& event);
    void DoubleClicked(const QMouseEvent& event);
    void Moved(const QMouseEvent& event);

    // Axes 0 and 1 back to the reset box, and a new graph.
    void ZoomReset();
    // The read-out tip, or null.
    QLabel* DataTip() const;
    void ShowDataValue(int x, int y);
    void ReleaseDataTip();

private:
    // Button codes: down (513 / 516), double click (515 / 518), read-out (1 / 2).
    struct ButtonCodes {
        int down;
        int doubleClick;
        int readOut;
    };
    static bool Codes(Qt::MouseButton button, ButtonCodes& codes);
    void ButtonDown(const ButtonCodes& codes, const QMouseEvent& event);
    void ButtonUp(const ButtonCodes& codes, const QMouseEvent& event);
    void ButtonDoubleClick(const ButtonCodes& codes);
    void Track(const QMouseEvent& event);

    QWidget& widget_;
    CZENTCtrl* control_;
    chart::CChartModel& model_;
    ChartView& view_;
    ControlEvents& events_;
    std::function<void()> showPropertyFrame_;
    QPoint zoomStart_;
    QPointer<QLabel> dataTip_;
};

} // namespace zent
