#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestran {

// A point or rectangle in the metafile's logical units. Callers may pass any int: every coordinate
// is clamped to the int16 range (-32768..32767) on the way out, because WMF stores 16-bit
// coordinates; a chart drawn in device pixels never comes near that limit.
struct WmfPoint {
    int x = 0;
    int y = 0;
};

struct WmfRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// COLORREF layout 0x00BBGGRR.
constexpr std::uint32_t WmfRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}

enum class WmfPenStyle : std::uint16_t {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Null = 5,
    InsideFrame = 6,
};

enum class WmfHatch : std::uint16_t {
    Horizontal = 0,
    Vertical = 1,
    ForwardDiagonal = 2, // top left to bottom right
    BackwardDiagonal = 3,
    Cross = 4,
    DiagonalCross = 5,
};

enum class WmfBkMode : std::uint16_t { Transparent = 1, Opaque = 2 };
enum class WmfPolyFill : std::uint16_t { Alternate = 1, Winding = 2 };
enum class WmfMapMode : std::uint16_t { Text = 1, Anisotropic = 8 };

// Text alignment flags for SetTextAlign (combine horizontal and vertical with |).
namespace wmf_align {
constexpr std::uint16_t Left = 0x0000;
constexpr std::uint16_t Right = 0x0002;
constexpr std::uint16_t Center = 0x0006;
constexpr std::uint16_t Top = 0x0000;
constexpr std::uint16_t Bottom = 0x0008;
constexpr std::uint16_t Baseline = 0x0018;
} // namespace wmf_align

// Pen style bits beside the style itself.
namespace wmf_pen {
constexpr std::uint16_t EndcapFlat = 0x0200; // line ends cut square at the end point
} // namespace wmf_pen

// ExtTextOut options.
namespace wmf_eto {
constexpr std::uint16_t Opaque = 0x0002;
constexpr std::uint16_t Clipped = 0x0004;
} // namespace wmf_eto

struct WmfFont {
    int height = -12;    // negative: character height; positive: cell height (logical units)
    int width = 0;       // 0: the face's own aspect
    int escapement = 0;  // tenths of a degree, counter-clockwise (900 = vertical, bottom to top)
    int orientation = 0; // tenths of a degree
    int weight = 400;    // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 0;       // ANSI
    std::string faceName = "Arial"; // UTF-8; stored as Windows-1252, at most 31 characters
};

// Writes a placeable Windows Metafile into one growing byte buffer.
//
// The constructor writes the placeable header, the metafile header, the anisotropic map mode and
// the window origin and extent (the bounding box), so logical units map onto the box; drawing calls append
// records; Data() and SaveToFile() append the end-of-file record and fill in the header's size fields.
// Drawing after Data() is allowed: the end record is taken off again and written anew at the next Data().
//
// Objects (pens, brushes, fonts) live in the metafile's object table: a Create* call puts the
// object into the lowest free slot, as every player does, and returns that slot; DeleteObject
// frees it. Records never exceed the format's limits: long polylines are split into several
// records that share their joining point, polygons over the point limit lose repeated points
// and are then thinned, text is cut at MaxTextBytes. Slots are reused, so a caller deletes the
// objects it no longer needs to keep the table small.
class WmfWriter {
public:
    static constexpr int MaxPointsPerRecord = 0x7FFF;
    static constexpr int MaxTextBytes = 8192;
    // Object table limit (the header counts slots in 16 bits); Create* gives -1 when it is full.
    static constexpr std::size_t MaxObjects = 0xFFFF;

    // unitsPerInch: logical units per inch of the picture (e.g. 96 for pixels, 1440 for twips).
    WmfWriter(const WmfRect& bounds, int unitsPerInch);

    // Context state.
    void SetMapMode(WmfMapMode mode);
    void SetWindowOrg(int x, int y);
    void SetWindowExt(int width, int height);
    void SetBkMode(WmfBkMode mode);
    void SetBkColor(std::uint32_t color);
    void SetTextColor(std::uint32_t color);
    void SetTextAlign(std::uint16_t flags);
    void SetPolyFillMode(WmfPolyFill mode);
    void IntersectClipRect(const WmfRect& r);
    void SaveDC();
    void RestoreDC(int which = -1);

    // Objects: each returns its object-table slot.
    // flags: end cap and join bits to add to the style (wmf_pen).
    int CreatePen(WmfPenStyle style, int width, std::uint32_t color, std::uint16_t flags = 0);
    int CreateSolidBrush(std::uint32_t color);
    int CreateHatchBrush(WmfHatch hatch, std::uint32_t color);
    int CreateNullBrush();
    int CreateFont(const WmfFont& font);
    // false (and nothing written) for a slot that holds no object.
    bool SelectObject(int slot);
    bool DeleteObject(int slot);

    // Drawing.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const WmfPoint* points, std::size_t count);
    void Polyline(const std::vector<WmfPoint>& points) { Polyline(points.data(), points.size()); }
    void Polygon(const WmfPoint* points, std::size_t count);
    void Polygon(const std::vector<WmfPoint>& points) { Polygon(points.data(), points.size()); }
    // The same for any point type with x() and y() (QPointF, QPoint), rounded to logical units
    // through one reused buffer.
    template <class P> void PolylineOf(const P* points, std::size_t count);
    template <class P> void PolygonOf(const P* points, std::size_t count);
    // Several closed outlines filled as one shape (holes follow the polygon fill mode).
    void PolyPolygon(const std::vector<std::vector<WmfPoint>>& polygons);
    void Rectangle(const WmfRect& r);
    void Ellipse(const WmfRect& r);
    // Arc and pie within the ellipse r, counter-clockwise from the radial through start to the
    // radial through end.
    void Arc(const WmfRect& r, WmfPoint start, WmfPoint end);
    void Pie(const WmfRect& r, WmfPoint start, WmfPoint end);
    // Text is UTF-8; characters outside Windows-1252 are written as '?'.
    void TextOut(int x, int y, std::string_view text);
    // clip is used when options hold wmf_eto::Opaque or wmf_eto::Clipped. dx holds each character's
    // advance (logical units from its origin to the next character's); with one for every character
    // the players place each character there instead of guessing widths from fonts of their own, and
    // size the picture by them. A shorter dx is left out; the players then measure.
    void ExtTextOut(int x, int y, std::string_view text, std::uint16_t options = 0, const WmfRect& clip = {},
                    const std::vector<int>& dx = {});

    // Every record leaves this many bytes free for the records that close a picture (restoring the
    // context, deleting its objects, the end record). While closing, records use that room instead
    // of keeping it, so a destructor closes its picture without allocating, memory or not.
    static constexpr std::size_t ClosingRoom = 512;
    void SetClosing(bool closing) noexcept { closing_ = closing; }

    // The finished metafile (end record and header sizes in place).
    const std::vector<std::uint8_t>& Data();
    // Atomic write; false when the file cannot be written.
    bool SaveToFile(const std::string& path);

    // Size of the object table so far (the header's object count).
    int ObjectTableSize() const { return int(slots_.size()); }
    // Largest record so far, in 16-bit words.
    std::uint32_t MaxRecordWords() const { return maxRecordWords_; }

    // Nearest logical unit, clamped to the int16 range; NaN gives 0.
    static int RoundCoord(double v);

    // Windows-1252 bytes for UTF-8 text (unmappable characters and bad sequences become '?').
    static std::string ToWindows1252(std::string_view utf8);

private:
    std::uint8_t* BeginRecord(std::uint16_t function, std::size_t paramWords);
    void Record0(std::uint16_t function);
    void Record1(std::uint16_t function, int a);
    void Record2(std::uint16_t function, int a, int b);
    void Record4(std::uint16_t function, int a, int b, int c, int d);
    void WritePointRecord(std::uint16_t function, const WmfPoint* points, std::size_t count);
    void WriteArcRecord(std::uint16_t function, const WmfRect& r, WmfPoint start, WmfPoint end);
    void WriteTextRecord(int x, int y, std::string_view text, bool ext, std::uint16_t options,
                         const WmfRect& clip, const std::vector<int>& dx);
    int AllocateSlot();
    template <class P> const std::vector<WmfPoint>& Rounded(const P* points, std::size_t count);
    void Unfinish();

    std::vector<std::uint8_t> buf_;
    std::vector<bool> slots_; // true = occupied
    std::vector<WmfPoint> scratch_;
    std::uint32_t maxRecordWords_ = 0;
    bool finished_ = false;
    bool closing_ = false;
};

template <class P> const std::vector<WmfPoint>& WmfWriter::Rounded(const P* points, std::size_t count) {
    scratch_.resize(points == nullptr ? 0 : count);
    for (std::size_t i = 0; i < scratch_.size(); ++i)
        scratch_[i] = WmfPoint{RoundCoord(double(points[i].x())), RoundCoord(double(points[i].y()))};
    return scratch_;
}

template <class P> void WmfWriter::PolylineOf(const P* points, std::size_t count) {
    Polyline(Rounded(points, count));
}

template <class P> void WmfWriter::PolygonOf(const P* points, std::size_t count) {
    Polygon(Rounded(points, count));
}

} // namespace kestran
