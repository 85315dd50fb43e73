#include "CZENTCtrl.h"

#include "ChartDispatch.h"
#include "ControlPageHooks.h"
#include "CPropertyFrame.h"
#include "ZENTAboutBox.h"
#include "ZENTIdentifiers.h"
#include "ZENTModuleState.h"
#include "Zoom.h"

#include <EngineCodes.h>

#include <new>

namespace {

std::function<void(CZENTCtrl&)>& PropertyFrameHook() {
    static std::function<void(CZENTCtrl&)> hook;
    return hook;
}

} // namespace

// The parts are made in the body, so the holder's tip release finds the mouse part null, never
// unmade, while the model is being set up.
CZENTCtrl::CZENTCtrl(QWidget* parent) : QWidget(parent) {
    events_ = std::make_unique<zent::ControlEvents>();
    holder_ = std::make_unique<CGraphHolder>(this, [this] {
        if (mouse_) {
            mouse_->ReleaseDataTip();
        }
    });
    view_ = std::make_unique<zent::ChartView>(*this, *holder_, *events_);
    mouse_ = std::make_unique<zent::ChartMouse>(*this, this, Model(), *view_, *events_,
                                                [this] { ShowPropertyFrame(); });
    output_ = std::make_unique<zent::ChartOutput>(
        *this, *holder_, *view_,
        chart::ChartFileHooks{[this] { RebuildGraph(); }, [this] { RefreshOpenPages(); }});
    persistence_ = std::make_unique<zent::ControlPersistence>(*this, Model(), *events_);
    parts_ = std::make_unique<zent::ControlParts>(
        zent::ControlParts{Model(), *view_, *mouse_, *output_,
                           [this](const QString& text) { FireError(kOutOfMemoryError, text); }});
    resize(200, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click activates the control, so its keys reach it as the platform's controls' do.
    setFocusPolicy(Qt::ClickFocus);
    // The engine follows every move, not only drags: GetMousePos reads the last position.
    setMouseTracking(true);
    zent::SetCurrentControl(this);
    zent::CountObject(this);
    pages::ExchangeHooks hooks = pages::HooksForControl(*this);
    hooks.readBackZoomedScale = [this] { chart::ReadBackZoomedScale(Model()); };
    hooks.reportRefusal = [this](const QString& text) { FireError(kOutOfMemoryError, text); };
    pageTarget_ = std::make_shared<pages::CModelExchangeTarget>(Model(), std::move(hooks));
}

CZENTCtrl::~CZENTCtrl() {
    // Pages a container keeps open beyond this control stop trading before anything goes.
    pageTarget_.reset();
    zent::BindEngine();
    // The engine keeps the holder as the page's callback object: the page goes first.
    view_->DeletePage();
    holder_.reset();
    mouse_->ReleaseDataTip();
    zent::ForgetControl(this);
}

automation::HRESULT CZENTCtrl::Invoke(automation::DISPID member, automation::InvokeKind kind,
                                      const std::vector<automation::Variant>& args,
                                      automation::Variant* result) {
    try {
        if (const zent::Method* method = zent::FindMethod(member)) {
            if (kind != automation::InvokeKind::Method) {
                return automation::DISP_E_MEMBERNOTFOUND;
            }
            const automation::HRESULT hr = zent::InvokeMethod(*parts_, *method, args, result);
            return EngineFailureOfCall(member, hr, result);
        }
        return chart::InvokeProperty(Model(), member, kind, args, result);
    } catch (const chart::ChartTooLarge& refused) {
        return RefuseCall(member, QString::fromUtf8(refused.what()), result);
    } catch (const std::bad_alloc&) {
        return RefuseCall(member, OutOfMemoryText(), result);
    } catch (const chart::InvalidCount& refused) {
        FireError(kInvalidValueError, QString::fromUtf8(refused.what()));
        return automation::DISP_E_OVERFLOW;
    } catch (const std::exception&) {
        // A failure inside the control is the caller's error code, never the container's crash.
        return automation::DISP_E_EXCEPTION;
    }
}

// A call the chart cannot hold (beyond its limits, or more memory than there is) changes nothing:
// the containers get the Error event, a BOOL method returns FALSE and anything else an error.
automation::HRESULT CZENTCtrl::RefuseCall(automation::DISPID member, const QString& text,
                                          automation::Variant* result) {
    EngineHandleError(); // whatever the engine recorded belongs to this call
    FireError(kOutOfMemoryError, text);
    if (zent::ReturnsBool(member)) {
        if (result != nullptr) {
            *result = automation::Variant::Bool(false);
        }
        return automation::S_OK;
    }
    return automation::E_OUTOFMEMORY;
}

// A method the engine could not carry out for memory is refused like any other; its other failures
// go to the containers, except a file it could not write, which the method's FALSE tells.
automation::HRESULT CZENTCtrl::EngineFailureOfCall(automation::DISPID member, automation::HRESULT hr,
                                                   automation::Variant* result) {
    const int code = zent::ChartView::TakeEngineError();
    if (code == kestran::codes::ErrorOutOfMemory) {
        return RefuseCall(member, OutOfMemoryText(), result);
    }
    if (code != 0 && code != kestran::codes::ErrorFileWrite) {
        FireError(code, zent::ChartView::EngineErrorText(code));
    }
    return hr;
}

QString CZENTCtrl::OutOfMemoryText() {
    return QStringLiteral("There is not enough memory for this chart: the call was refused and the chart is "
                          "unchanged.");
}

bool CZENTCtrl::Refusable(const std::function<bool()>& action) {
    try {
        return action();
    } catch (const chart::ChartTooLarge& refused) {
        FireError(kOutOfMemoryError, QString::fromUtf8(refused.what()));
    } catch (const std::bad_alloc&) {
        FireError(kOutOfMemoryError, OutOfMemoryText());
    }
    return false;
}

bool CZENTCtrl::LoadFromFile(const QString& path) {
    return Refusable([&] { return output_->LoadFromFile(path); });
}

bool CZENTCtrl::SaveToFile(const QString& path) {
    return Refusable([&] { return output_->SaveToFile(path); });
}

// The Print page's button: a metafile that could not be written is told to the user.
void CZENTCtrl::SavePageMetaDefault() {
    Refusable([&] { return SavePageMeta(1, QString()); });
    view_->ReportEngineError(false);
}

void CZENTCtrl::PrintPage() {
    Refusable([&] {
        output_->PrintPage();
        return true;
    });
    // What the engine recorded (a print refused for memory) is this print's, not the next call's.
    view_->ReportEngineError(false);
}

void CZENTCtrl::AboutBox() {
    zent::ShowAboutBox();
}

std::vector<std::string> CZENTCtrl::GetPropPageIDs() {
    return std::vector<std::string>(zent::kPropertyPageIds.begin(), zent::kPropertyPageIds.end());
}

automation::HRESULT CZENTCtrl::Load(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr && size != 0) {
        return automation::E_INVALIDARG;
    }
    return Refusable([&] { return LoadProperties(data, size); }) ? automation::S_OK : automation::E_FAIL;
}

automation::HRESULT CZENTCtrl::Save(std::vector<std::uint8_t>& stream) {
    const bool saved = Refusable([&] {
        stream = SaveProperties();
        return true;
    });
    return saved ? automation::S_OK : automation::E_OUTOFMEMORY;
}

automation::HRESULT CZENTCtrl::InitNew() {
    ResetProperties();
    return automation::S_OK;
}

// ---- Property pages ----------------------------------------------------------------------------

pages::CPageExchangeTarget& CZENTCtrl::PageTarget() {
    return *pageTarget_;
}

std::weak_ptr<pages::CPageExchangeTarget> CZENTCtrl::PageTargetRef() const {
    return std::shared_ptr<pages::CPageExchangeTarget>(pageTarget_);
}

void CZENTCtrl::RefreshOpenPages() {
    if (pageTarget_) {
        pageTarget_->RefreshOpenPages();
    }
    if (refreshPages_) {
        refreshPages_();
    }
}

void CZENTCtrl::SetPropertyFrameHook(std::function<void(CZENTCtrl&)> hook) {
    PropertyFrameHook() = std::move(hook);
}

void CZENTCtrl::ShowPropertyFrame() {
    if (PropertyFrameHook()) {
        PropertyFrameHook()(*this);
        return;
    }
    // Every page loads its values as the frame opens: a chart too large for the memory left shows
    // no frame rather than pages with part of their values.
    try {
        pages::ShowPropertyFrame(*pageTarget_, this);
    } catch (const std::bad_alloc&) {
        FireError(kOutOfMemoryError, QStringLiteral("There is not enough memory to show the properties of "
                                                    "this chart: the chart is unchanged."));
    }
}
