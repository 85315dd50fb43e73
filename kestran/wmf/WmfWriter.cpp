#include "WmfWriter.h"

#include "AtomicFile.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <QString>

namespace kestran {

namespace {

// Record function numbers.
enum Function : std::uint16_t {
    EofRecord = 0x0000,
    SaveDc = 0x001E,
    SetBkModeFn = 0x0102,
    SetMapModeFn = 0x0103,
    SetPolyFillModeFn = 0x0106,
    RestoreDc = 0x0127,
    SelectObjectFn = 0x012D,
    SetTextAlignFn = 0x012E,
    DeleteObjectFn = 0x01F0,
    SetBkColorFn = 0x0201,
    SetTextColorFn = 0x0209,
    SetWindowOrgFn = 0x020B,
    SetWindowExtFn = 0x020C,
    LineToFn = 0x0213,
    MoveToFn = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    PolygonFn = 0x0324,
    PolylineFn = 0x0325,
    IntersectClipRectFn = 0x0416,
    EllipseFn = 0x0418,
    RectangleFn = 0x041B,
    TextOutFn = 0x0521,
    PolyPolygonFn = 0x0538,
    ArcFn = 0x0817,
    PieFn = 0x081A,
    ExtTextOutFn = 0x0A32,
};

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7u;
constexpr std::size_t PlaceableBytes = 22;
constexpr std::size_t HeaderBytes = PlaceableBytes + 18;
constexpr std::size_t RecordHeaderWords = 3;
constexpr std::size_t FaceNameBytes = 32;

enum BrushStyle : std::uint16_t { BrushSolid = 0, BrushNull = 1, BrushHatched = 2 };

std::uint16_t Clamp16(int v) {
    const int c = std::clamp(v, int(std::numeric_limits<std::int16_t>::min()),
                             int(std::numeric_limits<std::int16_t>::max()));
    return std::uint16_t(std::int16_t(c));
}

inline void Put16(std::uint8_t*& p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p += 2;
}

inline void Put32(std::uint8_t*& p, std::uint32_t v) {
    Put16(p, std::uint16_t(v));
    Put16(p, std::uint16_t(v >> 16));
}

inline void PutCoord(std::uint8_t*& p, int v) {
    Put16(p, Clamp16(v));
}

inline void PutBytes(std::uint8_t*& p, const std::string& bytes, std::size_t paddedSize) {
    std::memcpy(p, bytes.data(), bytes.size());
    std::memset(p + bytes.size(), 0, paddedSize - bytes.size());
    p += paddedSize;
}

void Poke16(std::vector<std::uint8_t>& buf, std::size_t at, std::uint16_t v) {
    std::uint8_t* p = buf.data() + at;
    Put16(p, v);
}

void Poke32(std::vector<std::uint8_t>& buf, std::size_t at, std::uint32_t v) {
    std::uint8_t* p = buf.data() + at;
    Put32(p, v);
}

std::size_t Even(std::size_t n) {
    return n + (n & 1);
}

// Rounded to int16 first, consecutive repeats dropped; then, if still too long, thinned evenly
// (first and last point kept) so the outline fits one record.
std::vector<WmfPoint> ReducePolygon(const WmfPoint* points, std::size_t count, std::size_t limit) {
    std::vector<WmfPoint> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const WmfPoint p{std::int16_t(Clamp16(points[i].x)), std::int16_t(Clamp16(points[i].y))};
        if (out.empty() || out.back().x != p.x || out.back().y != p.y)
            out.push_back(p);
    }
    if (out.size() <= limit)
        return out;
    std::vector<WmfPoint> thin(limit);
    const double step = double(out.size() - 1) / double(limit - 1);
    for (std::size_t i = 0; i < limit; ++i)
        thin[i] = out[std::min(out.size() - 1, std::size_t(double(i) * step + 0.5))];
    return thin;
}

} // namespace

WmfWriter::WmfWriter(const WmfRect& bounds, int unitsPerInch) {
    buf_.reserve(64 * 1024);
    buf_.resize(HeaderBytes);
    std::uint8_t* p = buf_.data();
    Put32(p, PlaceableKey);
    Put16(p, 0); // metafile handle, always 0 on disk
    PutCoord(p, bounds.left);
    PutCoord(p, bounds.top);
    PutCoord(p, bounds.right);
    PutCoord(p, bounds.bottom);
    Put16(p, std::uint16_t(std::clamp(unitsPerInch, 1, 0xFFFF)));
    Put32(p, 0); // reserved
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= std::uint16_t(buf_[i] | (buf_[i + 1] << 8));
    Put16(p, checksum);
    Put16(p, 1);      // memory metafile
    Put16(p, 9);      // header words
    Put16(p, 0x0300); // version
    Put32(p, 0);      // file size in words: Data() fills it in
    Put16(p, 0);      // object count: Data()
    Put32(p, 0);      // largest record: Data()
    Put16(p, 0);      // unused

    // Players scale the window onto the bounding box only in the anisotropic mode.
    SetMapMode(WmfMapMode::Anisotropic);
    SetWindowOrg(bounds.left, bounds.top);
    SetWindowExt(bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void WmfWriter::Unfinish() {
    if (finished_) {
        buf_.resize(buf_.size() - RecordHeaderWords * 2);
        finished_ = false;
    }
}

std::uint8_t* WmfWriter::BeginRecord(std::uint16_t function, std::size_t paramWords) {
    Unfinish();
    const std::size_t words = RecordHeaderWords + paramWords;
    const std::size_t at = buf_.size();
    const std::size_t end = at + words * 2;
    const std::size_t wanted = closing_ ? end : end + ClosingRoom;
    if (wanted > buf_.capacity()) {
        buf_.reserve(std::max(wanted, 2 * buf_.capacity()));
    }
    buf_.resize(end);
    std::uint8_t* p = buf_.data() + at;
    Put32(p, std::uint32_t(words));
    Put16(p, function);
    maxRecordWords_ = std::max(maxRecordWords_, std::uint32_t(words));
    return p;
}

void WmfWriter::Record0(std::uint16_t function) {
    BeginRecord(function, 0);
}

void WmfWriter::Record1(std::uint16_t function, int a) {
    std::uint8_t* p = BeginRecord(function, 1);
    PutCoord(p, a);
}

void WmfWriter::Record2(std::uint16_t function, int a, int b) {
    std::uint8_t* p = BeginRecord(function, 2);
    PutCoord(p, a);
    PutCoord(p, b);
}

void WmfWriter::Record4(std::uint16_t function, int a, int b, int c, int d) {
    std::uint8_t* p = BeginRecord(function, 4);
    PutCoord(p, a);
    PutCoord(p, b);
    PutCoord(p, c);
    PutCoord(p, d);
}

void WmfWriter::SetMapMode(WmfMapMode mode) {
    Record1(SetMapModeFn, int(mode));
}
// The format stores y before x for every point given as separate parameters.
void WmfWriter::SetWindowOrg(int x, int y) {
    Record2(SetWindowOrgFn, y, x);
}
void WmfWriter::SetWindowExt(int width, int height) {
    Record2(SetWindowExtFn, height, width);
}
void WmfWriter::SetBkMode(WmfBkMode mode) {
    Record1(SetBkModeFn, int(mode));
}
void WmfWriter::SetPolyFillMode(WmfPolyFill mode) {
    Record1(SetPolyFillModeFn, int(mode));
}
void WmfWriter::SaveDC() {
    Record0(SaveDc);
}
void WmfWriter::RestoreDC(int which) {
    Record1(RestoreDc, which);
}

void WmfWriter::SetTextAlign(std::uint16_t flags) {
    std::uint8_t* p = BeginRecord(SetTextAlignFn, 1);
    Put16(p, flags);
}

void WmfWriter::SetBkColor(std::uint32_t color) {
    std::uint8_t* p = BeginRecord(SetBkColorFn, 2);
    Put32(p, color & 0x00FFFFFFu);
}

void WmfWriter::SetTextColor(std::uint32_t color) {
    std::uint8_t* p = BeginRecord(SetTextColorFn, 2);
    Put32(p, color & 0x00FFFFFFu);
}

void WmfWriter::IntersectClipRect(const WmfRect& r) {
    Record4(IntersectClipRectFn, r.bottom, r.right, r.top, r.left);
}

int WmfWriter::AllocateSlot() {
    const auto free = std::find(slots_.begin(), slots_.end(), false);
    if (free != slots_.end()) {
        *free = true;
        return int(free - slots_.begin());
    }
    if (slots_.size() >= MaxObjects)
        return -1;
    slots_.push_back(true);
    return int(slots_.size() - 1);
}

int WmfWriter::CreatePen(WmfPenStyle style, int width, std::uint32_t color, std::uint16_t flags) {
    const int slot = AllocateSlot();
    if (slot < 0)
        return -1;
    std::uint8_t* p = BeginRecord(CreatePenIndirect, 5);
    Put16(p, std::uint16_t(std::uint16_t(style) | flags));
    PutCoord(p, std::max(width, 0));
    Put16(p, 0); // the pen width is a point whose y is unused
    Put32(p, color & 0x00FFFFFFu);
    return slot;
}

int WmfWriter::CreateSolidBrush(std::uint32_t color) {
    const int slot = AllocateSlot();
    if (slot < 0)
        return -1;
    std::uint8_t* p = BeginRecord(CreateBrushIndirect, 4);
    Put16(p, BrushSolid);
    Put32(p, color & 0x00FFFFFFu);
    Put16(p, 0);
    return slot;
}

int WmfWriter::CreateHatchBrush(WmfHatch hatch, std::uint32_t color) {
    const int slot = AllocateSlot();
    if (slot < 0)
        return -1;
    std::uint8_t* p = BeginRecord(CreateBrushIndirect, 4);
    Put16(p, BrushHatched);
    Put32(p, color & 0x00FFFFFFu);
    Put16(p, std::uint16_t(hatch));
    return slot;
}

int WmfWriter::CreateNullBrush() {
    const int slot = AllocateSlot();
    if (slot < 0)
        return -1;
    std::uint8_t* p = BeginRecord(CreateBrushIndirect, 4);
    Put16(p, BrushNull);
    Put32(p, 0);
    Put16(p, 0);
    return slot;
}

int WmfWriter::CreateFont(const WmfFont& font) {
    const int slot = AllocateSlot();
    if (slot < 0)
        return -1;
    std::string face = ToWindows1252(font.faceName);
    face.resize(std::min(face.size(), FaceNameBytes - 1));
    std::uint8_t* p = BeginRecord(CreateFontIndirect, 9 + FaceNameBytes / 2);
    PutCoord(p, font.height);
    PutCoord(p, font.width);
    PutCoord(p, font.escapement);
    PutCoord(p, font.orientation);
    PutCoord(p, std::clamp(font.weight, 0, 1000));
    *p++ = font.italic ? 1 : 0;
    *p++ = font.underline ? 1 : 0;
    *p++ = font.strikeOut ? 1 : 0;
    *p++ = font.charSet;
    *p++ = 0; // output precision: default
    *p++ = 0; // clip precision: default
    *p++ = 0; // quality: default
    *p++ = 0; // pitch and family: default
    PutBytes(p, face, FaceNameBytes);
    return slot;
}

bool WmfWriter::SelectObject(int slot) {
    if (slot < 0 || slot >= int(slots_.size()) || !slots_[std::size_t(slot)])
        return false;
    std::uint8_t* p = BeginRecord(SelectObjectFn, 1);
    Put16(p, std::uint16_t(slot));
    return true;
}

bool WmfWriter::DeleteObject(int slot) {
    if (slot < 0 || slot >= int(slots_.size()) || !slots_[std::size_t(slot)])
        return false;
    std::uint8_t* p = BeginRecord(DeleteObjectFn, 1);
    Put16(p, std::uint16_t(slot));
    slots_[std::size_t(slot)] = false;
    return true;
}

void WmfWriter::MoveTo(int x, int y) {
    Record2(MoveToFn, y, x);
}
void WmfWriter::LineTo(int x, int y) {
    Record2(LineToFn, y, x);
}

void WmfWriter::WritePointRecord(std::uint16_t function, const WmfPoint* points, std::size_t count) {
    std::uint8_t* p = BeginRecord(function, 1 + 2 * count);
    Put16(p, std::uint16_t(count));
    for (std::size_t i = 0; i < count; ++i) {
        PutCoord(p, points[i].x);
        PutCoord(p, points[i].y);
    }
}

void WmfWriter::Polyline(const WmfPoint* points, std::size_t count) {
    if (points == nullptr || count < 2)
        return;
    // Pieces share their joining point so the line stays unbroken.
    std::size_t start = 0;
    while (start + 1 < count) {
        const std::size_t n = std::min(count - start, std::size_t(MaxPointsPerRecord));
        WritePointRecord(PolylineFn, points + start, n);
        start += n - 1;
    }
}

void WmfWriter::Polygon(const WmfPoint* points, std::size_t count) {
    if (points == nullptr || count < 2)
        return;
    if (count <= std::size_t(MaxPointsPerRecord)) {
        WritePointRecord(PolygonFn, points, count);
        return;
    }
    const std::vector<WmfPoint> reduced = ReducePolygon(points, count, MaxPointsPerRecord);
    if (reduced.size() < 2)
        return;
    WritePointRecord(PolygonFn, reduced.data(), reduced.size());
}

void WmfWriter::PolyPolygon(const std::vector<std::vector<WmfPoint>>& polygons) {
    std::vector<std::vector<WmfPoint>> parts;
    std::size_t total = 0;
    for (const auto& poly : polygons) {
        if (poly.size() < 2)
            continue;
        parts.push_back(ReducePolygon(poly.data(), poly.size(), MaxPointsPerRecord));
        total += parts.back().size();
        if (parts.size() == std::size_t(MaxPointsPerRecord))
            break;
    }
    if (parts.empty())
        return;
    std::uint8_t* p = BeginRecord(PolyPolygonFn, 1 + parts.size() + 2 * total);
    Put16(p, std::uint16_t(parts.size()));
    for (const auto& poly : parts)
        Put16(p, std::uint16_t(poly.size()));
    for (const auto& poly : parts) {
        for (const WmfPoint& pt : poly) {
            PutCoord(p, pt.x);
            PutCoord(p, pt.y);
        }
    }
}

void WmfWriter::Rectangle(const WmfRect& r) {
    Record4(RectangleFn, r.bottom, r.right, r.top, r.left);
}
void WmfWriter::Ellipse(const WmfRect& r) {
    Record4(EllipseFn, r.bottom, r.right, r.top, r.left);
}

void WmfWriter::WriteArcRecord(std::uint16_t function, const WmfRect& r, WmfPoint start, WmfPoint end) {
    std::uint8_t* p = BeginRecord(function, 8);
    for (int v : {end.y, end.x, start.y, start.x, r.bottom, r.right, r.top, r.left})
        PutCoord(p, v);
}

void WmfWriter::Arc(const WmfRect& r, WmfPoint start, WmfPoint end) {
    WriteArcRecord(ArcFn, r, start, end);
}
void WmfWriter::Pie(const WmfRect& r, WmfPoint start, WmfPoint end) {
    WriteArcRecord(PieFn, r, start, end);
}

void WmfWriter::WriteTextRecord(int x, int y, std::string_view text, bool ext, std::uint16_t options,
                                const WmfRect& clip, const std::vector<int>& dx) {
    std::string bytes = ToWindows1252(text);
    // One advance per character: counted before the cut, so a cut text keeps its first advances.
    const bool withDx = ext && dx.size() >= bytes.size();
    if (bytes.size() > std::size_t(MaxTextBytes))
        bytes.resize(MaxTextBytes);
    if (bytes.empty())
        return;
    const std::size_t textWords = Even(bytes.size()) / 2;
    if (!ext) {
        std::uint8_t* p = BeginRecord(TextOutFn, 1 + textWords + 2);
        Put16(p, std::uint16_t(bytes.size()));
        PutBytes(p, bytes, textWords * 2);
        PutCoord(p, y);
        PutCoord(p, x);
        return;
    }
    options &= wmf_eto::Opaque | wmf_eto::Clipped;
    const bool hasRect = options != 0;
    std::uint8_t* p =
        BeginRecord(ExtTextOutFn, 4 + (hasRect ? 4 : 0) + textWords + (withDx ? bytes.size() : 0));
    PutCoord(p, y);
    PutCoord(p, x);
    Put16(p, std::uint16_t(bytes.size()));
    Put16(p, options);
    if (hasRect) {
        // Here, unlike the drawing records, the rectangle is stored left, top, right, bottom.
        PutCoord(p, clip.left);
        PutCoord(p, clip.top);
        PutCoord(p, clip.right);
        PutCoord(p, clip.bottom);
    }
    PutBytes(p, bytes, textWords * 2);
    if (withDx) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            PutCoord(p, dx[i]);
    }
}

void WmfWriter::TextOut(int x, int y, std::string_view text) {
    WriteTextRecord(x, y, text, false, 0, {}, {});
}

void WmfWriter::ExtTextOut(int x, int y, std::string_view text, std::uint16_t options, const WmfRect& clip,
                           const std::vector<int>& dx) {
    WriteTextRecord(x, y, text, true, options, clip, dx);
}

const std::vector<std::uint8_t>& WmfWriter::Data() {
    if (!finished_) {
        const bool closing = closing_;
        closing_ = true;
        BeginRecord(EofRecord, 0);
        closing_ = closing;
        finished_ = true;
        Poke32(buf_, PlaceableBytes + 6, std::uint32_t((buf_.size() - PlaceableBytes) / 2));
        Poke16(buf_, PlaceableBytes + 10, std::uint16_t(slots_.size()));
        Poke32(buf_, PlaceableBytes + 12, maxRecordWords_);
    }
    return buf_;
}

bool WmfWriter::SaveToFile(const std::string& path) {
    const std::vector<std::uint8_t>& data = Data();
    return files::WriteFileAtomically(
        QString::fromStdString(path),
        QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()), qsizetype(data.size())));
}

int WmfWriter::RoundCoord(double v) {
    if (std::isnan(v))
        return 0;
    return int(std::lround(std::clamp(v, -32768.0, 32767.0)));
}

} // namespace kestran
