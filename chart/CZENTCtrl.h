#pragma once
// The chart control: a widget over one engine page, driven through its automation interface. Any
// change of the model shows after RebuildGraph, which makes a new engine graph; the chart is built
// into it at its first draw. The control never draws a chart itself: it paints the engine's page.

#include "ChartModel.h"
#include "GraphHolder.h"
#include "PropExchange.h"

#include <ClassFactory.h>
#include <Dispatch.h>
#include <Kestran.h>

#include <functional>
#include <memory>

namespace pages {
class CModelExchangeTarget;
class CPageExchangeTarget;
} // namespace pages
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

class QLabel;

class CZENTCtrl : public QWidget,
                  public automation::IDispatch,
                  public automation::IEventSource,
                  public automation::IPersistStreamInit {
public:
    static constexpr automation::DISPID kDrawReady = 1;
    static constexpr automation::DISPID kAboutBox = -552;

    explicit CZENTCtrl(QWidget* parent = nullptr);
    ~CZENTCtrl() override;

    chart::CChartModel& Model() { return holder_->Model(); }
    CGraphHolder& Holder() { return *holder_; }
    EngineHandle Page() const { return page_; }
    bool FirstDrawPending() const { return firstDrawPending_; }
    // Set by every rebuild: the container has something new to save.
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified) { modified_ = modified; }

    // --- Automation -------------------------------------------------------------------------
    automation::HRESULT Invoke(automation::DISPID member, automation::InvokeKind kind,
                               const std::vector<automation::Variant>& args,
                               automation::Variant* result) override;
    void Advise(automation::IEventSink* sink) override;
    void Unadvise(automation::IEventSink* sink) override;
    void FireEvent(automation::DISPID event, const std::vector<automation::Variant>& args = {});
    // The stock Error event for a failure outside any automation call; unless a sink cancels the
    // display, the description is shown in a message box.
    void FireError(int number, const QString& description);
    // Loading (1) until the container has loaded or reset the persisted state, then complete (4).
    int ReadyState() const { return readyState_; }

    // --- Drawing ----------------------------------------------------------------------------
    // A new engine graph whose first draw builds the chart from the model; nothing before the
    // control's first draw.
    void RebuildGraph();
    // The chart into a container's device (printing, metafiles, images); the next paint makes a
    // fresh page and fires DrawReady again.
    void OnDrawMetafile(QPainter& painter, const QRect& bounds);
    void RefreshOpenPages();
    // What property pages made for this control trade their values through.
    pages::CPageExchangeTarget& PageTarget();

    // --- Methods the interface and the pages share ------------------------------------------
    void UpdateGraph() { RebuildGraph(); }
    bool SavePageMeta(int type, const QString& fileName);
    void SavePageMetaDefault() { SavePageMeta(1, QString()); }
    bool CopyToClipboard();
    void PrintPage();
    void PrinterSetup();
    void GraphZoomReset();
    bool LoadFromFile(const QString& path);
    bool SaveToFile(const QString& path);
    void AboutBox();
    static std::vector<std::string> GetPropPageIDs();

    // --- Container persistence --------------------------------------------------------------
    std::vector<std::uint8_t> SaveProperties() const;
    // The model only: the chart on screen stays as it is (its engine data sets too) until the
    // first draw or the next UpdateGraph builds the loaded state.
    bool LoadProperties(const std::uint8_t* data, std::size_t size);
    void ResetProperties();
    automation::HRESULT Load(const std::uint8_t* data, std::size_t size) override;
    automation::HRESULT Save(std::vector<std::uint8_t>& stream) override;
    automation::HRESULT InitNew() override;

    // --- Mouse ------------------------------------------------------------------------------
    // Opens the property frame; until property pages exist a hook may stand in (tests, containers).
    void ShowPropertyFrame();
    static void SetPropertyFrameHook(std::function<void(CZENTCtrl&)> hook);
    // The read-out tip, or null.
    QLabel* DataTip() const;
    void ShowDataValue(int x, int y);
    void ReleaseDataTip();
    // Where a container's page refresh is asked for after a chart file was loaded.
    void SetRefreshPagesHook(std::function<void()> hook) { refreshPages_ = std::move(hook); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void OnDraw(const QRect& bounds, const QRect& invalid);
    EngineHandle CreateGraphWindow(const QRect& bounds);
    void DeletePage();
    chart::ControlExtent Extent() const;
    // Button codes: down (513 / 516), double click (515 / 518), read-out (1 / 2).
    struct ButtonCodes {
        int down;
        int doubleClick;
        int readOut;
    };
    static bool Codes(Qt::MouseButton button, ButtonCodes& codes);
    void ButtonDown(const ButtonCodes& codes, QMouseEvent* event);
    void ButtonUp(const ButtonCodes& codes, QMouseEvent* event);
    void ButtonDoubleClick(const ButtonCodes& codes, QMouseEvent* event);
    void TrackMouse(QMouseEvent* event);
    void FireMouseEvent(automation::DISPID event, int buttons, QMouseEvent* mouse);
    void FireKeyEvent(automation::DISPID event, QKeyEvent* key);
    void SetReadyState(int state);

    std::unique_ptr<CGraphHolder> holder_;
    EngineHandle page_ = 0;
    bool firstDrawPending_ = true;
    bool modified_ = false;
    int readyState_ = 1; // loading
    int width_ = 0;
    int height_ = 0;
    QPoint zoomStart_;
    QPointer<QLabel> dataTip_;
    std::vector<automation::IEventSink*> sinks_;
    std::function<void()> refreshPages_;
    // What the property pages trade their working copies through; it keeps the open pages.
    std::unique_ptr<pages::CModelExchangeTarget> pageTarget_;
};
