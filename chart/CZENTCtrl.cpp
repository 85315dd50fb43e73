#include "CZENTCtrl.h"

#include "ChartDispatch.h"
#include "ControlPageHooks.h"
#include "CPropertyFrame.h"
#include "DibImage.h"
#include "PropertyStream.h"
#include "SerializedChartFile.h"
#include "StockEvents.h"
#include "ZENTIdentifiers.h"
#include "ZENTMethods.h"
#include "ZENTModuleState.h"
#include "Zoom.h"

#include "MessageBox.h"
#include "PdfFile.h"

#include <algorithm>
#include <cmath>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPrinter>
#include <QTimer>

namespace {

constexpr int kMinimumGraphSize = 50;
constexpr unsigned kChildWindowStyle = 0x40000000u;
constexpr int kZoomDragPixels = 8;

std::function<void(CZENTCtrl&)>& PropertyFrameHook() {
    static std::function<void(CZENTCtrl&)> hook;
    return hook;
}

// Pixels at 96 per inch to HIMETRIC (0.01 mm).
std::int32_t ToHiMetric(int pixels) {
    return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0));
}

} // namespace

CZENTCtrl::CZENTCtrl(QWidget* parent) : QWidget(parent), holder_(std::make_unique<CGraphHolder>(this)) {
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
    pageTarget_ = std::make_unique<pages::CModelExchangeTarget>(Model(), std::move(hooks));
}

CZENTCtrl::~CZENTCtrl() {
    zent::BindEngine();
    // The engine keeps the holder as the page's callback object: the page goes first.
    DeletePage();
    holder_.reset();
    delete dataTip_.data();
    zent::ForgetControl(this);
}

// ---- Automation --------------------------------------------------------------------------------

automation::HRESULT CZENTCtrl::Invoke(automation::DISPID member, automation::InvokeKind kind,
                                      const std::vector<automation::Variant>& args,
                                      automation::Variant* result) {
    try {
        if (const zent::Method* method = zent::FindMethod(member)) {
            if (kind != automation::InvokeKind::Method) {
                return automation::DISP_E_MEMBERNOTFOUND;
            }
            return zent::InvokeMethod(*this, *method, args, result);
        }
        return chart::InvokeProperty(Model(), member, kind, args, result);
    } catch (const std::exception&) {
        // A failure inside the control is the caller's error code, never the container's crash.
        return automation::DISP_E_EXCEPTION;
    }
}

void CZENTCtrl::Advise(automation::IEventSink* sink) {
    if (sink != nullptr && std::find(sinks_.begin(), sinks_.end(), sink) == sinks_.end()) {
        sinks_.push_back(sink);
    }
}

void CZENTCtrl::Unadvise(automation::IEventSink* sink) {
    sinks_.erase(std::remove(sinks_.begin(), sinks_.end(), sink), sinks_.end());
}

void CZENTCtrl::FireEvent(automation::DISPID event, const std::vector<automation::Variant>& args) {
    const std::vector<automation::IEventSink*> sinks = sinks_; // a sink may unadvise itself
    for (automation::IEventSink* sink : sinks) {
        sink->OnEvent(event, args);
    }
}

void CZENTCtrl::FireError(int number, const QString& description) {
    std::string text = description.toStdString();
    bool cancelDisplay = false;
    FireEvent(zent::kError, {automation::Variant::I2(static_cast<std::int16_t>(number)),
                             automation::Variant::RefStr(text), automation::Variant::I4(automation::E_FAIL),
                             automation::Variant::Str(zent::kUserTypeName), automation::Variant::Str({}),
                             automation::Variant::I4(0), automation::Variant::RefBool(cancelDisplay)});
    if (!cancelDisplay) {
        msgbox::MsgBox(QString::fromStdString(text), msgbox::vbExclamation,
                       QString::fromLatin1(zent::kUserTypeName), this);
    }
}

void CZENTCtrl::SetReadyState(int state) {
    if (readyState_ != state) {
        readyState_ = state;
        FireEvent(zent::kReadyStateChange, {automation::Variant::I4(state)});
    }
}

// ---- Drawing -----------------------------------------------------------------------------------

void CZENTCtrl::paintEvent(QPaintEvent* event) {
    OnDraw(rect(), event->rect());
    QPainter painter(this);
    if (page_ == 0 || EnginePaintPage(page_, painter) == 0) {
        painter.fillRect(event->rect(), palette().window());
    }
    // An engine failure inside the paint has no automation call to report it to: the Error event
    // goes out once the paint is over, so a sink or the message box never runs inside it.
    EngineContext& context = zent::EngineContextBlock();
    if (context.errorFlag != 0) {
        const int code = context.lastError;
        EngineHandleError();
        QTimer::singleShot(
            0, this, [this, code] { FireError(code, QStringLiteral("Charting engine error %1").arg(code)); });
    }
}

void CZENTCtrl::OnDraw(const QRect& bounds, const QRect& invalid) {
    zent::BindEngine();
    if (firstDrawPending_) {
        firstDrawPending_ = false;
        width_ = bounds.width();
        height_ = bounds.height();
        DeletePage();
        page_ = CreateGraphWindow(bounds);
        FireEvent(kDrawReady);
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
        Model().ReleaseGraphics();
    }
    // Otherwise the paint that follows draws the existing graph: asking the engine for a redraw
    // from inside a paint would only schedule the next paint, for ever.
    (void)invalid;
}

EngineHandle CZENTCtrl::CreateGraphWindow(const QRect& bounds) {
    const QByteArray name = "ZENT" + QByteArray::number(zent::NextGraphWindowNumber());
    holder_->LargeEnough =
        bounds.width() >= kMinimumGraphSize && bounds.height() >= kMinimumGraphSize ? 1 : 0;
    if (!zent::EnsureEngineRegistered()) {
        return 0;
    }
    const chart::CChartModel& m = Model();
    const EngineHandle page = EngineCreatePage(
        name.constData(), this, "First Graph", "PageMenu",
        static_cast<kestran::ColorRef>(m.WindowBackgroundColor) & 0xFFFFFFu, holder_->PageOption,
        kChildWindowStyle, 0, 0, 0, bounds.width(), bounds.height(), holder_.get());
    holder_->Page = page;
    if (page != 0) {
        QPointer<CZENTCtrl> self(this);
        EngineSetRepaintHandler(page, [self] {
            if (self) {
                self->update();
            }
        });
    }
    return page;
}

void CZENTCtrl::DeletePage() {
    if (page_ != 0) {
        EngineDeletePage(page_);
        page_ = 0;
    }
    holder_->Page = 0;
    Model().PageHandle = 0;
    Model().GraphHandle = 0;
}

void CZENTCtrl::RebuildGraph() {
    if (firstDrawPending_) {
        return;
    }
    zent::BindEngine();
    EngineDeleteGraph(Model().GraphHandle);
    holder_->CreateGraph();
    SetModifiedFlag(true);
    update();
}

void CZENTCtrl::OnDrawMetafile(QPainter& painter, const QRect& bounds) {
    zent::BindEngine();
    if (firstDrawPending_) {
        OnDraw(bounds, bounds);
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
    update();
}

pages::CPageExchangeTarget& CZENTCtrl::PageTarget() {
    return *pageTarget_;
}

void CZENTCtrl::RefreshOpenPages() {
    pageTarget_->RefreshOpenPages();
    if (refreshPages_) {
        refreshPages_();
    }
}

// ---- Output ------------------------------------------------------------------------------------

bool CZENTCtrl::SavePageMeta(int type, const QString& fileName) {
    zent::BindEngine();
    const QByteArray name = QFile::encodeName(fileName);
    return EngineSavePageMetafile(page_, type, name.isEmpty() ? nullptr : name.constData()) != 0;
}

bool CZENTCtrl::CopyToClipboard() {
    return page_ != 0 && EngineIsPageReady(page_) != 0 && EngineCopyPageToClipboard(page_) != 0;
}

// Every print that cannot start or fails is told; a PDF file printer asks for its file first, and a
// cancelled question prints nothing and tells nothing.
void CZENTCtrl::PrintPage() {
    zent::BindEngine();
    QPrinter* printer = EngineGetPrinter();
    if (!printer) {
        msgbox::MsgBox(QStringLiteral("The graph cannot be printed: there is no printer."),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QString(), this);
        return;
    }
    QString file;
    if (printing::IsPdfFilePrinter(*printer) && printer->outputFileName().isEmpty()) {
        file = QString::fromStdString(EngineAskPrintFile(static_cast<QWidget*>(this)));
        if (file.isEmpty())
            return;
        printer->setOutputFileName(file);
    }
    const bool printed = holder_->PrintPage();
    if (!file.isEmpty())
        printer->setOutputFileName(QString());
    if (!printed)
        msgbox::MsgBox(QStringLiteral("The graph could not be printed") +
                           (file.isEmpty() ? QString() : QStringLiteral(" to ") + file) + QLatin1Char('.'),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QString(), this);
}

void CZENTCtrl::PrinterSetup() {
    EnginePrinterSetup(nullptr);
}

void CZENTCtrl::GraphZoomReset() {
    zent::BindEngine();
    chart::ZoomResetScales(Model());
    RebuildGraph();
}

bool CZENTCtrl::LoadFromFile(const QString& path) {
    chart::ControlExtent extent;
    chart::ChartFileHooks hooks;
    hooks.rebuildGraph = [this] { RebuildGraph(); };
    hooks.refreshOpenPages = [this] { RefreshOpenPages(); };
    return chart::LoadFromFile(Model(), path, hooks, &extent);
}

bool CZENTCtrl::SaveToFile(const QString& path) {
    return chart::SaveToFile(Model(), Extent(), path);
}

std::vector<std::string> CZENTCtrl::GetPropPageIDs() {
    return std::vector<std::string>(zent::kPropertyPageIds.begin(), zent::kPropertyPageIds.end());
}

// ---- Container persistence ---------------------------------------------------------------------

chart::ControlExtent CZENTCtrl::Extent() const {
    chart::ControlExtent extent;
    extent.width = ToHiMetric(width());
    extent.height = ToHiMetric(height());
    return extent;
}

std::vector<std::uint8_t> CZENTCtrl::SaveProperties() const {
    return chart::SavePropertyStream(holder_->Model(), Extent());
}

// The control has no asynchronous properties: once its persisted state is loaded or reset it is
// complete.
bool CZENTCtrl::LoadProperties(const std::uint8_t* data, std::size_t size) {
    chart::ControlExtent extent;
    const bool loaded = chart::LoadPropertyStream(Model(), data, size, &extent);
    if (loaded) {
        SetReadyState(zent::kReadyStateComplete);
    }
    return loaded;
}

void CZENTCtrl::ResetProperties() {
    chart::ResetPersistedState(Model());
    SetReadyState(zent::kReadyStateComplete);
}

automation::HRESULT CZENTCtrl::Load(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr && size != 0) {
        return automation::E_INVALIDARG;
    }
    return LoadProperties(data, size) ? automation::S_OK : automation::E_FAIL;
}

automation::HRESULT CZENTCtrl::Save(std::vector<std::uint8_t>& stream) {
    stream = SaveProperties();
    return automation::S_OK;
}

automation::HRESULT CZENTCtrl::InitNew() {
    ResetProperties();
    return automation::S_OK;
}

// ---- Mouse -------------------------------------------------------------------------------------

void CZENTCtrl::SetPropertyFrameHook(std::function<void(CZENTCtrl&)> hook) {
    PropertyFrameHook() = std::move(hook);
}

void CZENTCtrl::ShowPropertyFrame() {
    if (PropertyFrameHook()) {
        PropertyFrameHook()(*this);
        return;
    }
    pages::ShowPropertyFrame(*pageTarget_, this);
}

QLabel* CZENTCtrl::DataTip() const {
    return dataTip_.data();
}

void CZENTCtrl::ReleaseDataTip() {
    delete dataTip_.data();
    dataTip_ = nullptr;
}

void CZENTCtrl::ShowDataValue(int x, int y) {
    chart::CChartModel& m = Model();
    double vx = 0.0, vy = 0.0;
    chart::MouseWorldPosition(m, vx, vy);
    m.ReleaseGraphics();
    auto* tip = new QLabel(chart::DataValueText(vx, vy), this);
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

bool CZENTCtrl::Codes(Qt::MouseButton button, ButtonCodes& codes) {
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

void CZENTCtrl::TrackMouse(QMouseEvent* event) {
    zent::BindEngine();
    const QPoint at = event->position().toPoint();
    EngineSetMousePosition(std::clamp(at.x(), 0, 0xFFFF), std::clamp(at.y(), 0, 0xFFFF));
    zent::SetMouseControl(this);
}

void CZENTCtrl::FireMouseEvent(automation::DISPID id, int buttons, QMouseEvent* mouse) {
    const QPoint at = mouse->position().toPoint();
    FireEvent(id, {automation::Variant::I2(static_cast<std::int16_t>(buttons)),
                   automation::Variant::I2(static_cast<std::int16_t>(zent::ShiftState(mouse->modifiers()))),
                   automation::Variant::I4(at.x()), automation::Variant::I4(at.y())});
}

void CZENTCtrl::mouseMoveEvent(QMouseEvent* event) {
    TrackMouse(event);
    FireMouseEvent(zent::kMouseMove, zent::ButtonMask(event->buttons()), event);
}

void CZENTCtrl::FireKeyEvent(automation::DISPID id, QKeyEvent* key) {
    std::int16_t code = static_cast<std::int16_t>(zent::VirtualKeyCode(key->key()));
    FireEvent(id, {automation::Variant::RefI2(code),
                   automation::Variant::I2(static_cast<std::int16_t>(zent::ShiftState(key->modifiers())))});
}

// A held key repeats its KeyDown and KeyPress, and ends with one KeyUp.
void CZENTCtrl::keyPressEvent(QKeyEvent* event) {
    FireKeyEvent(zent::kKeyDown, event);
    const QString text = event->text();
    for (const QChar c : text) {
        if (c.unicode() < 0x100) {
            std::int16_t ascii = static_cast<std::int16_t>(c.unicode());
            FireEvent(zent::kKeyPress, {automation::Variant::RefI2(ascii)});
        }
    }
}

void CZENTCtrl::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        FireKeyEvent(zent::kKeyUp, event);
    }
}

void CZENTCtrl::mousePressEvent(QMouseEvent* event) {
    TrackMouse(event);
    ButtonCodes codes{};
    if (Codes(event->button(), codes)) {
        ButtonDown(codes, event);
    } else {
        FireMouseEvent(zent::kMouseDown, zent::ButtonMask(event->button()), event);
    }
}

void CZENTCtrl::mouseReleaseEvent(QMouseEvent* event) {
    TrackMouse(event);
    ButtonCodes codes{};
    if (Codes(event->button(), codes)) {
        ButtonUp(codes, event);
    } else {
        FireMouseEvent(zent::kMouseUp, zent::ButtonMask(event->button()), event);
    }
}

void CZENTCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    TrackMouse(event);
    ButtonCodes codes{};
    if (Codes(event->button(), codes)) {
        ButtonDoubleClick(codes, event);
    }
}

void CZENTCtrl::ButtonDown(const ButtonCodes& codes, QMouseEvent* event) {
    chart::CChartModel& m = Model();
    const EngineHandle graph = m.GraphHandle;
    if (m.EventZoom == codes.down) {
        zoomStart_ = event->position().toPoint();
        EngineBeginRubberBand(graph, 0, 0, codes.down, 0);
        m.Zooming = 1;
    } else if (m.EventRetrieveDataValue == codes.readOut) {
        EngineBeginDataCursorDrag(graph, 0, 0, codes.down, m.EventDataCursorType - 1, 0);
        m.ReadingOut = 1;
    } else {
        FireMouseEvent(zent::kMouseDown, zent::ButtonMask(event->button()), event);
    }
}

void CZENTCtrl::ButtonUp(const ButtonCodes& codes, QMouseEvent* event) {
    chart::CChartModel& m = Model();
    EngineEndMouseDrag(m.GraphHandle);
    const QPoint at = event->position().toPoint();
    if (m.EventZoom == codes.down && m.Zooming != 0) {
        const QPoint d = at - zoomStart_;
        const double distance = std::sqrt(double(d.x()) * d.x() + double(d.y()) * d.y());
        if (distance > kZoomDragPixels && chart::ZoomToRubberBand(m)) {
            RebuildGraph();
        }
    } else if (m.EventRetrieveDataValue == codes.readOut && m.ReadingOut != 0) {
        ShowDataValue(at.x(), at.y());
    } else {
        FireMouseEvent(zent::kMouseUp, zent::ButtonMask(event->button()), event);
        if (codes.readOut == 1 && rect().contains(at)) {
            zent::SetCurrentControl(this);
            FireEvent(zent::kClick);
        }
    }
}

void CZENTCtrl::ButtonDoubleClick(const ButtonCodes& codes, QMouseEvent*) {
    chart::CChartModel& m = Model();
    m.Zooming = 0;
    if (m.EventZoomReset == codes.doubleClick) {
        if (chart::MouseInsideScales(m)) {
            GraphZoomReset();
        }
    } else if (m.EventRetrieveDataValue == codes.readOut && m.ReadingOut != 0) {
        m.ReleaseGraphics();
    } else if (m.EventShowPropPage == codes.doubleClick) {
        ShowPropertyFrame();
    } else {
        FireEvent(zent::kDblClick);
    }
}
