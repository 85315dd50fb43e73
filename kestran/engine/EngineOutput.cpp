// Printing, metafiles, the clipboard and images of a page.

#include "canvas/PainterCanvas.h"
#include "canvas/WmfCanvas.h"
#include "engine/EngineState.h"
#include "engine/PrintLayout.h"
#include "MemoryRoom.h"
#include "PdfFile.h"
#include "render/Render.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

using namespace kestran;

namespace {

// Printers, fonts and the clipboard need a GUI application; without one the engine refuses.
bool HaveGui() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// A bitmap of the page is made only up to this size (256 MB at 32 bits per pixel).
constexpr long long kMaxImagePixels = 64LL * 1024 * 1024;

RenderOptions PrintRender() {
    const PrintOptions& o = S().print;
    return RenderOptions{o.graphBackground, o.plotBackground, o.border};
}

// Counts the bytes a PDF page of what the page draws takes at most: path operators with their
// coordinates, the state blocks around each change of pen, brush and clip, text with its glyphs.
class PdfSizeCanvas : public Canvas {
public:
    std::size_t bytes = 0;

    void SetPen(const PenSpec&) override { bytes += kStateBytes; }
    void SetBrush(const BrushSpec&) override { bytes += kStateBytes; }
    void Polyline(const QPointF*, int count) override { Points(count); }
    void Polygon(const QPointF*, int count) override { Points(count); }
    void Rectangle(const QRectF&) override { Points(5); }
    void Ellipse(const QRectF&) override { Points(13); } // four curves
    void SetClip(const QRectF&) override { Points(5); }
    void ClearClip() override { bytes += kStateBytes; }

protected:
    void DrawText(const QPointF&, const QString& text) override {
        bytes += kStateBytes + static_cast<std::size_t>(text.size()) * kCharBytes;
    }

private:
    static constexpr std::size_t kStateBytes = 512;
    static constexpr std::size_t kPointBytes = 48;
    static constexpr std::size_t kCharBytes = 32;
    void Points(int count) {
        bytes += kStateBytes + static_cast<std::size_t>(std::max(count, 0)) * kPointBytes;
    }
};

// Qt's PDF engine (a PDF file, and the print system's spool of a printer) keeps the page's drawing,
// then compresses and writes it when the painter ends, where an allocation that fails aborts the
// program. So the room is checked before painting starts: the page as drawn, its compressed copy,
// the file growing in memory, and the fonts and the file's tables; the engine compresses through
// buffers of 10 MB each way, so even a small page needs some 35 MB. False, with the engine's
// out-of-memory error, when it is not there.
bool RoomToPrint(EngineHandle page) {
    PdfSizeCanvas size;
    if (!PaintPage(page, size, PrintRender())) {
        return false;
    }
    constexpr std::size_t kFixedBytes = 48u << 20;
    if (!memory::HaveRoomFor(4 * size.bytes + kFixedBytes)) {
        EngineReportError(codes::ErrorOutOfMemory, 0, 0);
        return false;
    }
    return true;
}

// Paints the page on a paged device whose pages have the given resolution.
EngineBool PaintPrinted(EngineHandle page, const PrintPlacement& placement, QPagedPaintDevice& device,
                        int resolution) {
    PageRecord* p = S().Page(page);
    if (!p) {
        return 0;
    }
    const QRectF paper(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size());
    const QRectF target = PrintTarget(placement, paper, QSizeF(p->width, p->height), resolution);
    if (target.isEmpty() || !RoomToPrint(page) || !(p = S().Page(page))) {
        return 0;
    }
    // A painter whose end failed would end again in its destructor: it is let go instead, since
    // nothing may be thrown from a destructor.
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&device)) {
        return 0;
    }
    painter->translate(target.topLeft());
    painter->scale(target.width() / p->width, target.height() / p->height);
    EngineBool ok = 0;
    {
        PainterCanvas canvas(*painter);
        ok = PaintPage(page, canvas, PrintRender());
    }
    try {
        return painter->end() && ok ? 1 : 0;
    } catch (const std::bad_alloc&) {
        (void)painter.release();
        EngineReportError(codes::ErrorOutOfMemory, 0, 0);
        return 0;
    }
}

// A printer that prints to a PDF file writes the file whole or not at all; one without a file
// name has nowhere to print (the caller asks for the name first, EngineAskPrintFile).
EngineBool Print(EngineHandle page, const PrintPlacement& placement) {
    QPrinter* printer = EngineGetPrinter();
    if (!S().Page(page) || !printer) {
        return 0;
    }
    if (!printing::IsPdfFilePrinter(*printer)) {
        return PaintPrinted(page, placement, *printer, printer->resolution());
    }
    EngineBool painted = 0;
    const bool written =
        printing::PrintPdfFile(*printer, printer->outputFileName(), [&](QPagedPaintDevice& device) {
            painted = PaintPrinted(page, placement, device, printer->resolution());
            return painted != 0;
        });
    return written && painted ? 1 : 0;
}

} // namespace

void EngineSetPrintOptions(int graphBackground, int plotBackground, int border, int keepAspect, int style,
                           double left, double top) {
    PrintOptions& o = S().print;
    o.graphBackground = graphBackground != 0;
    o.plotBackground = plotBackground != 0;
    o.border = border != 0;
    o.keepAspect = keepAspect != 0;
    o.style = style;
    o.left = left;
    o.top = top;
}

QPrinter* EngineGetPrinter() {
    EngineState& s = S();
    if (s.externalPrinter) {
        return s.externalPrinter;
    }
    if (!HaveGui()) {
        return nullptr;
    }
    if (!s.ownPrinter) {
        s.ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer on the machine, pages go to a PDF file.
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            s.ownPrinter->setOutputFormat(QPrinter::PdfFormat);
        }
    }
    return s.ownPrinter.get();
}

void EngineSetPrinter(QPrinter* printer) {
    S().externalPrinter = printer;
}

EngineBool EnginePrintPage(EngineHandle page) {
    const PrintOptions& o = S().print;
    PrintPlacement placement{o.style, o.keepAspect, o.left, o.top, 1.0, 1.0};
    if (placement.style == codes::PrintPosition) {
        placement.style = codes::PrintFull; // a position needs the four edges of EnginePrintPageAt
    }
    return Print(page, placement);
}

EngineBool EnginePrintPageAt(EngineHandle page, double left, double top, double right, double bottom) {
    return Print(page, PrintPlacement{codes::PrintPosition, S().print.keepAspect, left, top, right, bottom});
}

EngineBool EnginePrintGraph(EngineHandle graph) {
    GraphRecord* g = S().Graph(graph);
    return g ? EnginePrintPage(g->page) : 0;
}

void EngineSetPrinterSetupHook(std::function<bool(QPrinter&, void*)> hook) {
    S().printerSetupHook = std::move(hook);
}

EngineBool EnginePrinterSetup(void* owner) {
    const auto hook = S().printerSetupHook;
    QPrinter* printer = EngineGetPrinter();
    return hook && printer && hook(*printer, owner) ? 1 : 0;
}

void EngineSetPrintFileHook(std::function<std::string(void*)> hook) {
    S().printFileHook = std::move(hook);
}

std::string EngineAskPrintFile(void* owner) {
    const auto hook = S().printFileHook;
    return hook ? hook(owner) : std::string();
}

void EngineSetFileNameHook(std::function<std::string()> hook) {
    S().fileNameHook = std::move(hook);
}

namespace {

// Logical units per page pixel of a page's metafile: twips (15 to a 96-dpi pixel) where the page
// fits the format's 16-bit coordinates so, else as many as fit (at least whole pixels).
int MetafileScale(const PageRecord& p) {
    const int longest = std::max({p.width, p.height, 1});
    return std::clamp(32767 / longest, 1, 15);
}

// The page drawn into a metafile writer; false when it could not be painted.
bool PaintMetafile(EngineHandle page, WmfWriter& writer, int scale) {
    WmfCanvas canvas(writer, scale);
    return PaintPage(page, canvas, RenderOptions{}) != 0;
}

WmfWriter PageWriter(const PageRecord& p, int scale) {
    return WmfWriter(WmfRect{0, 0, p.width * scale, p.height * scale}, 96 * scale);
}

} // namespace

QByteArray EnginePageMetafileBytes(EngineHandle page) {
    PageRecord* p = S().Page(page);
    if (!p) {
        return QByteArray();
    }
    const int scale = MetafileScale(*p);
    WmfWriter writer = PageWriter(*p, scale);
    if (!PaintMetafile(page, writer, scale)) {
        return QByteArray();
    }
    const std::vector<std::uint8_t>& data = writer.Data();
    return QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
}

EngineBool EngineSavePageMetafile(EngineHandle page, int type, const char* fileName) {
    if (!S().Page(page) || (type != codes::MetafileDefault && type != codes::MetafileFile)) {
        return 0;
    }
    std::string name = fileName ? std::string(fileName) : std::string();
    if (name.empty()) {
        const auto hook = S().fileNameHook;
        name = hook ? hook() : std::string();
        if (name.empty() || !S().Page(page)) {
            return 0;
        }
    }
    PageRecord* p = S().Page(page);
    const int scale = MetafileScale(*p);
    WmfWriter writer = PageWriter(*p, scale);
    // A picture the page could not be drawn into whole (out of memory) is not written.
    if (!PaintMetafile(page, writer, scale)) {
        return 0;
    }
    if (!writer.SaveToFile(name)) {
        EngineReportError(codes::ErrorFileWrite, 0, 0);
        return 0;
    }
    return 1;
}

QImage EngineRenderPageImage(EngineHandle page) {
    PageRecord* p = S().Page(page);
    if (!p || !HaveGui() || static_cast<long long>(p->width) * p->height > kMaxImagePixels) {
        return QImage();
    }
    QImage image(p->width, p->height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    PaintPage(page, canvas, RenderOptions{});
    return image;
}

EngineBool EngineCopyPageToClipboard(EngineHandle page) {
    if (!S().Page(page) || !HaveGui()) {
        return 0;
    }
    const QImage image = EngineRenderPageImage(page);
    if (image.isNull()) {
        return 0;
    }
    QGuiApplication::clipboard()->setImage(image);
    return 1;
}
