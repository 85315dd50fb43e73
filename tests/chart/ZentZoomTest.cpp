#include "CZENTCtrl.h"
#include "StockEvents.h"
#include "ZENTModuleState.h"
#include "ZentTestChart.h"
#include "Zoom.h"

#include <MessageBox.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Drag(QWidget& widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(widget, QEvent::MouseMove, from, Qt::NoButton);
    Mouse(widget, QEvent::MouseButtonPress, from, button);
    Mouse(widget, QEvent::MouseMove, to, Qt::NoButton);
    Mouse(widget, QEvent::MouseButtonRelease, to, button);
}

void DoubleClick(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(widget, QEvent::MouseMove, at, Qt::NoButton);
    Mouse(widget, QEvent::MouseButtonDblClick, at, button);
    Mouse(widget, QEvent::MouseButtonRelease, at, button);
}

class ZentZoom : public ::testing::Test {
protected:
    ZentZoom() {
        control.resize(400, 400);
        zenttest::DefineLine(control, 0x0000FF);
        chart::CChartModel& m = control.Model();
        m.EventZoom = 513;
        m.EventZoomX = 1;
        m.EventZoomY = 1;
        m.EventZoomReset = 515;
        m.EventZoomResetMinX = m.EventZoomResetMinY = 0.0;
        m.EventZoomResetMaxX = m.EventZoomResetMaxY = 10.0;
        control.grab();
    }
    ~ZentZoom() override { CZENTCtrl::SetPropertyFrameHook({}); }

    chart::CChartModel& M() { return control.Model(); }

    CZENTCtrl control;
};

TEST_F(ZentZoom, RubberBandRescalesBothAxes) {
    // Plot area 80..320 in both directions: the band covers about 2.5..7.5.
    Drag(control, QPoint(140, 140), QPoint(260, 260));
    control.grab();
    EXPECT_GT(M().AxisMin[0], 1.0);
    EXPECT_LT(M().AxisMax[0], 9.0);
    EXPECT_GT(M().AxisMin[1], 1.0);
    EXPECT_LT(M().AxisMax[1], 9.0);
    EXPECT_EQ(M().Zooming, 0);
}

TEST_F(ZentZoom, OnlyTheEnabledAxisZooms) {
    M().EventZoomY = 0;
    Drag(control, QPoint(140, 140), QPoint(260, 260));
    EXPECT_GT(M().AxisMin[0], 1.0);
    EXPECT_EQ(M().AxisMin[1], 0.0);
    EXPECT_EQ(M().AxisMax[1], 10.0);
}

TEST_F(ZentZoom, ShortDragChangesNothing) {
    Drag(control, QPoint(140, 140), QPoint(145, 146));
    EXPECT_EQ(M().AxisMin[0], 0.0);
    EXPECT_EQ(M().AxisMax[0], 10.0);
    EXPECT_EQ(M().Zooming, 1);
}

TEST_F(ZentZoom, ResetRestoresTheBoxScale) {
    Drag(control, QPoint(140, 140), QPoint(260, 260));
    control.grab();
    automation::Variant result;
    ASSERT_EQ(control.Invoke(77, automation::InvokeKind::Method, {}, &result), automation::S_OK);
    control.grab();
    EXPECT_LE(M().AxisMin[0], 0.5);
    EXPECT_GE(M().AxisMax[0], 9.5);
    EXPECT_LE(M().AxisMax[0] - M().AxisMin[0], 12.0);
}

TEST_F(ZentZoom, DoubleClickInsideTheScaleResets) {
    Drag(control, QPoint(140, 140), QPoint(260, 260));
    control.grab();
    DoubleClick(control, QPoint(200, 200));
    control.grab();
    EXPECT_LE(M().AxisMin[0], 0.5);
    EXPECT_GE(M().AxisMax[0], 9.5);
}

TEST_F(ZentZoom, DoubleClickOutsideTheScaleDoesNothingElse) {
    int frames = 0;
    CZENTCtrl::SetPropertyFrameHook([&frames](CZENTCtrl&) { ++frames; });
    M().EventShowPropPage = 515;
    DoubleClick(control, QPoint(10, 10));
    EXPECT_EQ(frames, 0);
    M().EventZoomReset = 0;
    DoubleClick(control, QPoint(10, 10));
    EXPECT_EQ(frames, 1);
}

TEST_F(ZentZoom, ReadOutShowsTheValueTipUntilADoubleClick) {
    M().EventZoom = 516; // the right button zooms, the left reads out
    M().EventZoomReset = 0;
    M().EventRetrieveDataValue = 1;
    M().EventDataCursorType = 1;
    Drag(control, QPoint(200, 200), QPoint(200, 200));
    ASSERT_NE(control.DataTip(), nullptr);
    EXPECT_TRUE(control.DataTip()->text().startsWith(QStringLiteral("X=")));
    EXPECT_EQ(control.DataTip()->geometry(), QRect(204, 204, 66, 26));
    Mouse(control, QEvent::MouseButtonPress, QPoint(200, 200), Qt::LeftButton);
    DoubleClick(control, QPoint(200, 200));
    EXPECT_EQ(control.DataTip(), nullptr);
}

TEST_F(ZentZoom, BandSmallAgainstTheResetBoxIsIgnored) {
    M().EventZoomResetMaxX = M().EventZoomResetMaxY = 1e6;
    Drag(control, QPoint(140, 140), QPoint(260, 260));
    EXPECT_EQ(M().AxisMin[0], 0.0);
    EXPECT_EQ(M().AxisMax[0], 10.0);
}

TEST_F(ZentZoom, ZoomWinsOverReadOutOnTheSameButton) {
    M().EventRetrieveDataValue = 1;
    Drag(control, QPoint(140, 140), QPoint(260, 260));
    EXPECT_GT(M().AxisMin[0], 1.0);
    EXPECT_EQ(control.DataTip(), nullptr);
}

class MouseSink : public automation::IEventSink {
public:
    void OnEvent(automation::DISPID event, const std::vector<automation::Variant>& args) override {
        events.push_back(event);
        std::vector<std::string> values;
        for (const automation::Variant& a : args) {
            values.push_back(automation::Describe(a.Dereferenced()));
        }
        arguments.push_back(values);
        if (event == zent::kError && cancelErrors) {
            args.back().StoreThrough(automation::Variant::Bool(true));
        }
    }
    std::vector<automation::DISPID> events;
    std::vector<std::vector<std::string>> arguments;
    bool cancelErrors = false;
};

TEST_F(ZentZoom, RightButtonSettingsLeaveTheLeftButtonToTheContainer) {
    M().EventZoom = 516;
    M().EventRetrieveDataValue = 2;
    MouseSink sink;
    control.Advise(&sink);
    Drag(control, QPoint(140, 140), QPoint(260, 260));
    control.Unadvise(&sink);
    EXPECT_EQ(M().AxisMin[0], 0.0);
    EXPECT_EQ(sink.events, (std::vector<automation::DISPID>{zent::kMouseMove, zent::kMouseDown,
                                                            zent::kMouseMove, zent::kMouseUp, zent::kClick}));
}

TEST_F(ZentZoom, MovesAndKeysFireTheirStockEvents) {
    MouseSink sink;
    control.Advise(&sink);
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 40), control.mapToGlobal(QPointF(30, 40)), Qt::NoButton,
                     Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier);
    QApplication::sendEvent(&control, &move);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), true);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::ControlModifier);
    for (QKeyEvent* key : {&down, &repeat, &up, &f2}) {
        QApplication::sendEvent(&control, key);
    }
    control.Unadvise(&sink);
    EXPECT_EQ(sink.events, (std::vector<automation::DISPID>{zent::kMouseMove, zent::kKeyDown, zent::kKeyPress,
                                                            zent::kKeyUp, zent::kKeyDown}));
    using Args = std::vector<std::string>;
    EXPECT_EQ(sink.arguments[0], (Args{"I2 3", "I2 1", "I4 30", "I4 40"}));
    EXPECT_EQ(sink.arguments[1], (Args{"I2 65", "I2 1"}));
    EXPECT_EQ(sink.arguments[2], (Args{"I2 65"}));
    EXPECT_EQ(sink.arguments[3], (Args{"I2 65", "I2 1"}));
    EXPECT_EQ(sink.arguments[4], (Args{"I2 113", "I2 2"}));
}

TEST_F(ZentZoom, EngineFailureInAPaintFiresErrorAndShowsItUnlessCancelled) {
    MouseSink sink;
    control.Advise(&sink);
    msgbox::ClearShownBoxes();
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    for (bool cancel : {true, false}) {
        sink.cancelErrors = cancel;
        sink.events.clear();
        msgbox::ClearShownBoxes();
        EngineReportError(65, 0, 0);
        control.grab();
        QApplication::processEvents();
        EXPECT_EQ(sink.events, std::vector<automation::DISPID>{zent::kError}) << cancel;
        ASSERT_EQ(sink.arguments.back().size(), 7u);
        EXPECT_EQ(sink.arguments.back()[0], "I2 65");
        EXPECT_EQ(msgbox::ShownBoxes().size(), cancel ? 0u : 1u);
    }
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt,
              QStringLiteral("The graph was lost while the chart was built; nothing was drawn."));
    msgbox::SetTestAnswerer({});
    control.Unadvise(&sink);
    EXPECT_EQ(zent::EngineContextBlock().errorFlag, 0);
}

TEST(ZentReadyState, CompleteOnceThePersistedStateIsLoadedOrReset) {
    CZENTCtrl control;
    MouseSink sink;
    control.Advise(&sink);
    EXPECT_EQ(control.ReadyState(), 1);
    const std::vector<std::uint8_t> stream = control.SaveProperties();
    EXPECT_FALSE(control.LoadProperties(stream.data(), 10));
    EXPECT_TRUE(sink.events.empty());
    ASSERT_TRUE(control.LoadProperties(stream.data(), stream.size()));
    control.ResetProperties();
    control.Unadvise(&sink);
    EXPECT_EQ(sink.events, std::vector<automation::DISPID>{zent::kReadyStateChange});
    EXPECT_EQ(sink.arguments[0], std::vector<std::string>{"I4 4"});
    EXPECT_EQ(control.ReadyState(), 4);
}

TEST_F(ZentZoom, ResizingTakesTheValueTipAway) {
    M().EventZoom = 0;
    M().EventRetrieveDataValue = 1;
    Drag(control, QPoint(200, 200), QPoint(200, 200));
    ASSERT_NE(control.DataTip(), nullptr);
    control.resize(420, 400);
    control.grab();
    EXPECT_EQ(control.DataTip(), nullptr);
}

TEST_F(ZentZoom, MousePositionInAxisUnits) {
    Mouse(control, QEvent::MouseMove, QPoint(200, 200), Qt::NoButton);
    double x = -1, y = -1;
    automation::Variant result;
    ASSERT_EQ(control.Invoke(
                  81, automation::InvokeKind::Method,
                  {automation::Variant::I2(0), automation::Variant::RefR8(x), automation::Variant::RefR8(y)},
                  &result),
              automation::S_OK);
    EXPECT_EQ(result, automation::Variant::Bool(true));
    EXPECT_NEAR(x, 5.0, 0.2);
    EXPECT_NEAR(y, 5.0, 0.2);
}

TEST(ZentDataValue, TextIsSixSignificantDigitsInAnyLocale) {
    EXPECT_EQ(chart::DataValueText(1.5, 2.0), QStringLiteral("X=1.5\nY=2"));
    EXPECT_EQ(chart::DataValueText(1234567.0, 0.000123456789),
              QStringLiteral("X=1.23457e+06\nY=0.000123457"));
}

} // namespace
