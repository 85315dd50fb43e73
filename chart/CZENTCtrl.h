#pragma once
// The chart control: a widget over one engine page, driven through its automation interface. The
// shell holds the parts and hands each request to the part that does it: the view paints the
// engine's page and rebuilds the graph, the mouse zooms and reads out values, the output writes
// files, prints and copies, the persistence keeps the container's property stream, and the event
// source tells the containers. Any change of the model shows after RebuildGraph.

#include "ChartModel.h"
#include "ChartMouse.h"
#include "ChartOutput.h"
#include "ChartView.h"
#include "ControlEvents.h"
#include "ControlPersistence.h"
#include "GraphHolder.h"
#include "ZENTMethods.h"

#include <ClassFactory.h>
#include <Dispatch.h>
#include <Kestran.h>

#include <functional>
#include <memory>
#include <QWidget>
#include <string>
#include <vector>

namespace pages {
class CModelExchangeTarget;
class CPageExchangeTarget;
} // namespace pages

class QLabel;

class CZENTCtrl : public QWidget,
                  public automation::IDispatch,
                  public automation::IEventSource,
                  public automation::IPersistStreamInit {
public:
    static constexpr automation::DISPID kDrawReady = zent::kDrawReady;
    static constexpr automation::DISPID kAboutBox = -552;
    // The Error event's number for a call refused for its size or for memory ("Out of memory").
    static constexpr int kOutOfMemoryError = 7;
    // The Error event's number for a count no chart takes ("Invalid property value").
    static constexpr int kInvalidValueError = 380;

    explicit CZENTCtrl(QWidget* parent = nullptr);
    ~CZENTCtrl() override;

    chart::CChartModel& Model() { return holder_->Model(); }
    CGraphHolder& Holder() { return *holder_; }
    EngineHandle Page() const { return view_->Page(); }
    bool FirstDrawPending() const { return view_->FirstDrawPending(); }
    bool IsModified() const { return view_->IsModified(); }
    void SetModifiedFlag(bool modified) { view_->SetModifiedFlag(modified); }

    // --- Automation -------------------------------------------------------------------------
    automation::HRESULT Invoke(automation::DISPID member, automation::InvokeKind kind,
                               const std::vector<automation::Variant>& args,
                               automation::Variant* result) override;
    void Advise(automation::IEventSink* sink) override { events_->Advise(sink); }
    void Unadvise(automation::IEventSink* sink) override { events_->Unadvise(sink); }
    void FireEvent(automation::DISPID event, const std::vector<automation::Variant>& args = {}) {
        events_->Fire(event, args);
    }
    // The stock Error event for a failure outside any automation call; unless a sink cancels the
    // display, the description is shown in a message box.
    void FireError(int number, const QString& description) { events_->FireError(number, description, this); }
    int ReadyState() const { return persistence_->ReadyState(); }

    // --- Drawing ----------------------------------------------------------------------------
    void RebuildGraph() { view_->RebuildGraph(); }
    void OnDrawMetafile(QPainter& painter, const QRect& bounds) { view_->DrawInto(painter, bounds); }
    void RefreshOpenPages();
    // What property pages made for this control trade their values through.
    pages::CPageExchangeTarget& PageTarget();
    // The same target for a page that may outlive this control: it expires when the control goes.
    std::weak_ptr<pages::CPageExchangeTarget> PageTargetRef() const;

    // --- Methods the interface and the pages share ------------------------------------------
    void UpdateGraph() { view_->RebuildGraph(); }
    bool SavePageMeta(int type, const QString& fileName) { return output_->SavePageMeta(type, fileName); }
    void SavePageMetaDefault();
    bool CopyToClipboard() { return output_->CopyToClipboard(); }
    void PrintPage();
    void PrinterSetup() { output_->PrinterSetup(); }
    void GraphZoomReset() { mouse_->ZoomReset(); }
    // The chart files of the pages; a chart too large or out of memory is refused with the Error
    // event and FALSE.
    bool LoadFromFile(const QString& path);
    bool SaveToFile(const QString& path);
    void AboutBox();
    static std::vector<std::string> GetPropPageIDs();

    // --- Container persistence --------------------------------------------------------------
    std::vector<std::uint8_t> SaveProperties() const { return persistence_->Save(); }
    bool LoadProperties(const std::uint8_t* data, std::size_t size) { return persistence_->Load(data, size); }
    void ResetProperties() { persistence_->Reset(); }
    automation::HRESULT Load(const std::uint8_t* data, std::size_t size) override;
    automation::HRESULT Save(std::vector<std::uint8_t>& stream) override;
    automation::HRESULT InitNew() override;

    // --- Mouse ------------------------------------------------------------------------------
    // Opens the property frame; until property pages exist a hook may stand in (tests, containers).
    void ShowPropertyFrame();
    static void SetPropertyFrameHook(std::function<void(CZENTCtrl&)> hook);
    QLabel* DataTip() const { return mouse_->DataTip(); }
    void ShowDataValue(int x, int y) { mouse_->ShowDataValue(x, y); }
    void ReleaseDataTip() { mouse_->ReleaseDataTip(); }
    // Where a container's page refresh is asked for after a chart file was loaded.
    void SetRefreshPagesHook(std::function<void()> hook) { refreshPages_ = std::move(hook); }

protected:
    void paintEvent(QPaintEvent* event) override { view_->Paint(*event); }
    void mousePressEvent(QMouseEvent* event) override { mouse_->Pressed(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override { mouse_->Released(*event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { mouse_->DoubleClicked(*event); }
    void mouseMoveEvent(QMouseEvent* event) override { mouse_->Moved(*event); }
    void keyPressEvent(QKeyEvent* event) override { events_->KeyPressed(*event); }
    void keyReleaseEvent(QKeyEvent* event) override { events_->KeyReleased(*event); }

private:
    automation::HRESULT RefuseCall(automation::DISPID member, const QString& text,
                                   automation::Variant* result);
    automation::HRESULT EngineFailureOfCall(automation::DISPID member, automation::HRESULT hr,
                                            automation::Variant* result);
    static QString OutOfMemoryText();
    bool Refusable(const std::function<bool()>& action);

    std::unique_ptr<zent::ControlEvents> events_;
    std::unique_ptr<CGraphHolder> holder_;
    std::unique_ptr<zent::ChartView> view_;
    std::unique_ptr<zent::ChartMouse> mouse_;
    std::unique_ptr<zent::ChartOutput> output_;
    std::unique_ptr<zent::ControlPersistence> persistence_;
    std::unique_ptr<zent::ControlParts> parts_;
    std::function<void()> refreshPages_;
    // What the property pages trade their working copies through; it keeps the open pages. Shared
    // only so pages can tell it is gone; this control holds the one owning reference.
    std::shared_ptr<pages::CModelExchangeTarget> pageTarget_;
};
