#pragma once
// The engine page a control shows. The page is made at the control's first paint and made again
// when the control's size changes; each paint draws it. A rebuild asks the engine for a new graph,
// which the graph holder builds from the model at its first draw. The view never draws a chart
// itself: it paints the engine's page.

#include <Kestran.h>

#include <QRect>

class CGraphHolder;
class QPaintEvent;
class QPainter;
class QWidget;

namespace zent {

class ControlEvents;

class ChartView {
public:
    ChartView(QWidget& widget, CGraphHolder& holder, ControlEvents& events);
    ChartView(const ChartView&) = delete;
    ChartView& operator=(const ChartView&) = delete;

    EngineHandle Page() const { return page_; }
    bool FirstDrawPending() const { return firstDrawPending_; }
    // Set by every rebuild: the container has something new to save.
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified) { modified_ = modified; }

    // Paints the page; a first draw ends with DrawReady, once the chart is on the device.
    void Paint(const QPaintEvent& event);
    // A new engine graph whose first draw builds the chart from the model; nothing before the
    // first draw.
    void RebuildGraph();
    // The chart into a container's device (printing, metafiles, images); the next paint makes a
    // fresh page and fires DrawReady again.
    void DrawInto(QPainter& painter, const QRect& bounds);
    // The page goes before the holder it calls back.
    void DeletePage();
    // The failure the engine recorded since it was last asked (its code, 0 for none), now cleared.
    static int TakeEngineError();
    // A failure the engine recorded goes to the containers as the Error event: at once, or, from
    // inside a paint, once the paint is over.
    void ReportEngineError(bool deferred);
    // The Error event's text for an engine error code.
    static QString EngineErrorText(int code);

private:
    void OnDraw(const QRect& bounds);
    EngineHandle CreateGraphWindow(const QRect& bounds);

    QWidget& widget_;
    CGraphHolder& holder_;
    ControlEvents& events_;
    EngineHandle page_ = 0;
    bool firstDrawPending_ = true;
    bool modified_ = false;
    int width_ = 0;
    int height_ = 0;
};

} // namespace zent
