#include "PropExchange.h"

#include "ArrayProperties.h"
#include "ChartLimits.h"
#include "ScalarProperties.h"
#include "Windows1252Text.h"

#include <algorithm>
#include <limits>
#include <new>

namespace chart {

namespace {

// String lengths and array counts grow their prefix as they need: a short form, then an escape
// value followed by a wider form.
constexpr std::uint8_t kStringEscape8 = 0xFF;
constexpr std::uint16_t kStringEscape16 = 0xFFFF;
constexpr std::uint16_t kStringUnicodeMark = 0xFFFE; // never written; marks text we do not read
constexpr std::uint16_t kCountEscape = 0xFFFF;

void WriteCount(ByteWriter& out, std::size_t count) {
    if (count < kCountEscape) {
        out.U16(static_cast<std::uint16_t>(count));
    } else {
        out.U16(kCountEscape);
        out.U32(static_cast<std::uint32_t>(count));
    }
}

bool ReadCount(ByteReader& in, std::size_t& count) {
    std::uint16_t shortCount = 0;
    if (!in.U16(shortCount)) {
        return false;
    }
    if (shortCount != kCountEscape) {
        count = shortCount;
        return true;
    }
    std::uint32_t longCount = 0;
    if (!in.U32(longCount)) {
        return false;
    }
    count = longCount;
    return true;
}

void WriteElement(ByteWriter& out, std::int32_t value) {
    out.I32(value);
}
void WriteElement(ByteWriter& out, double value) {
    out.F64(value);
}
void WriteElement(ByteWriter& out, const QString& value) {
    const QByteArray bytes = codepage::ToWindows1252(value);
    const auto length = static_cast<std::size_t>(bytes.size());
    if (length < kStringEscape8) {
        out.U8(static_cast<std::uint8_t>(length));
    } else if (length < kStringUnicodeMark) {
        out.U8(kStringEscape8);
        out.U16(static_cast<std::uint16_t>(length));
    } else {
        out.U8(kStringEscape8);
        out.U16(kStringEscape16);
        out.U32(static_cast<std::uint32_t>(length));
    }
    out.Bytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), length);
}

bool ReadElement(ByteReader& in, std::int32_t& value) {
    return in.I32(value);
}
bool ReadElement(ByteReader& in, double& value) {
    return in.F64(value);
}
bool ReadElement(ByteReader& in, QString& value) {
    std::uint8_t shortLength = 0;
    if (!in.U8(shortLength)) {
        return false;
    }
    std::size_t length = shortLength;
    if (shortLength == kStringEscape8) {
        std::uint16_t midLength = 0;
        if (!in.U16(midLength)) {
            return false;
        }
        length = midLength;
        if (midLength == kStringUnicodeMark) {
            in.Fail();
            return false;
        }
        if (midLength == kStringEscape16) {
            std::uint32_t longLength = 0;
            if (!in.U32(longLength)) {
                return false;
            }
            length = longLength;
        }
    }
    const std::uint8_t* bytes = in.Take(length);
    if (bytes == nullptr && length > 0) {
        return false;
    }
    value = codepage::FromWindows1252(bytes, length);
    return true;
}

// The fewest bytes one stored element can take, for checking a count before allocating.
template <typename T> constexpr std::size_t MinElementBytes() {
    if constexpr (std::is_same_v<T, double>) {
        return 8;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return 4;
    } else {
        return 1;
    }
}

// An array with no elements still has an image, its count 0: only pointer arrays are stored with
// no image at all.
template <typename T> void SaveBlob(ByteWriter& out, const std::vector<T>& array) {
    const std::size_t countAt = out.Size();
    out.U32(0);
    WriteCount(out, array.size());
    for (const T& element : array) {
        WriteElement(out, element);
    }
    const std::size_t imageBytes = out.Size() - countAt - 4;
    if (imageBytes > std::numeric_limits<std::uint32_t>::max()) {
        throw ChartTooLarge("An array of " + GroupedCount(static_cast<long long>(array.size())) +
                            " values is more than a chart file can hold: the chart was not saved.");
    }
    out.PatchU32(countAt, static_cast<std::uint32_t>(imageBytes));
}

// Fixed-size elements are decoded straight from the image once their count is known to fit.
void DecodeElements(const std::uint8_t* p, std::vector<std::int32_t>& out) {
    for (std::int32_t& element : out) {
        element = static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24));
        p += 4;
    }
}

void DecodeElements(const std::uint8_t* p, std::vector<double>& out) {
    ByteReader reader(p, out.size() * 8);
    for (double& element : out) {
        reader.F64(element);
    }
}

template <typename T> bool Allocate(std::vector<T>& loaded, std::size_t count) {
    try {
        loaded.resize(count);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Steps over elements there is no memory for: fixed-size ones at once, strings one by one, so the
// rest of the stream is still checked.
template <typename T> bool SkipElements(ByteReader& in, std::size_t count) {
    if constexpr (std::is_same_v<T, QString>) {
        QString element;
        for (std::size_t i = 0; i < count; ++i) {
            if (!ReadElement(in, element)) {
                return false;
            }
        }
        return true;
    } else {
        return in.Skip(count * MinElementBytes<T>());
    }
}

template <typename T> bool ReadImage(PropExchange& px, ByteReader& in, std::vector<T>& loaded) {
    std::size_t count = 0;
    if (!ReadCount(in, count)) {
        return false;
    }
    if (count > in.Remaining() / MinElementBytes<T>()) {
        in.Fail();
        return false;
    }
    if (!Allocate(loaded, count)) {
        px.NoteNoMemory(std::is_same_v<T, double> ? count : 0);
        loaded.clear();
        return SkipElements<T>(in, count);
    }
    if constexpr (std::is_same_v<T, QString>) {
        for (T& element : loaded) {
            if (!ReadElement(in, element)) {
                return false;
            }
        }
    } else {
        DecodeElements(in.Take(count * MinElementBytes<T>()), loaded);
    }
    return true;
}

// Every stored element is kept, so the next save writes the array as it was read; a shorter array
// keeps the target's own elements up to the nominal size the control indexes.
template <typename T> void FitLoaded(std::vector<T>& target, std::vector<T>&& loaded, int nominal) {
    if (nominal == kVariableSize || loaded.size() >= static_cast<std::size_t>(nominal)) {
        target = std::move(loaded);
        return;
    }
    target.resize(static_cast<std::size_t>(nominal));
    std::move(loaded.begin(), loaded.end(), target.begin());
}

template <typename T> void LoadBlob(PropExchange& px, std::vector<T>& array, int nominal) {
    ByteReader& in = px.Reader();
    std::uint32_t byteCount = 0;
    if (!in.U32(byteCount)) {
        return;
    }
    std::vector<T> loaded;
    if (byteCount > 0) {
        const std::uint8_t* image = in.Take(byteCount);
        if (image == nullptr) {
            return;
        }
        ByteReader imageReader(image, byteCount);
        if (!ReadImage(px, imageReader, loaded)) {
            in.Fail();
            return;
        }
    }
    FitLoaded(array, std::move(loaded), nominal);
}

template <typename T> void ExchangeBlob(PropExchange& px, std::vector<T>& array, int nominal) {
    if (px.IsLoading()) {
        LoadBlob(px, array, nominal);
    } else {
        SaveBlob(px.Writer(), array);
    }
}

template <typename T> void ExchangeValue(PropExchange& px, T& value) {
    if (px.IsLoading()) {
        T loaded{};
        if (ReadElement(px.Reader(), loaded)) {
            value = std::move(loaded);
        }
    } else {
        WriteElement(px.Writer(), value);
    }
}

} // namespace

void PX_Long(PropExchange& px, std::int32_t& value) {
    ExchangeValue(px, value);
}

void PX_ULong(PropExchange& px, std::uint32_t& value) {
    if (px.IsLoading()) {
        px.Reader().U32(value);
    } else {
        px.Writer().U32(value);
    }
}

void PX_Double(PropExchange& px, double& value) {
    ExchangeValue(px, value);
}
void PX_String(PropExchange& px, QString& value) {
    ExchangeValue(px, value);
}

void PX_Bool(PropExchange& px, std::int32_t& value) {
    if (px.IsLoading()) {
        std::uint8_t byte = 0;
        if (px.Reader().U8(byte)) {
            // The byte's own value, sign-extended: 0xFF loads as the automation TRUE -1 and is
            // saved 0xFF again.
            value = static_cast<std::int8_t>(byte);
        }
        return;
    }
    // A non-zero value whose low byte is zero still has to load as TRUE.
    const auto low = static_cast<std::uint8_t>(value & 0xFF);
    px.Writer().U8(value != 0 && low == 0 ? 1 : low);
}

void PX_ArrayBlob(PropExchange& px, LongArray& array, int nominal) {
    ExchangeBlob(px, array, nominal);
}
void PX_ArrayBlob(PropExchange& px, DoubleArray& array, int nominal) {
    ExchangeBlob(px, array, nominal);
}
void PX_ArrayBlob(PropExchange& px, StringArray& array, int nominal) {
    ExchangeBlob(px, array, nominal);
}

void PX_PointerBlob(PropExchange& px) {
    if (!px.IsLoading()) {
        px.Writer().U32(0);
        return;
    }
    std::uint32_t byteCount = 0;
    if (px.Reader().U32(byteCount)) {
        px.Reader().Skip(byteCount);
    }
}

void ExchangeScalarProperties(PropExchange& px, CChartModel& model) {
    for (const ScalarProperty& property : ScalarProperties()) {
        std::visit(
            [&](auto member) {
                auto& field = model.*member;
                if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::int32_t>) {
                    if (property.kind == ScalarKind::Bool) {
                        PX_Bool(px, field);
                    } else {
                        PX_Long(px, field);
                    }
                } else if constexpr (std::is_same_v<std::decay_t<decltype(field)>, double>) {
                    PX_Double(px, field);
                } else {
                    PX_String(px, field);
                }
            },
            property.member);
    }
}

void ExchangeArrayProperties(PropExchange& px, CChartModel& model) {
    for (const ArrayProperty& property : ArrayProperties()) {
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), PointerArray>) {
                    PX_PointerBlob(px);
                } else {
                    PX_ArrayBlob(px, model.*member, property.nominal);
                }
            },
            property.member);
    }
    for (const NestedArrayProperty& family : NestedArrayProperties()) {
        std::visit([&](auto member) { PX_NestedArrayBlob(px, model.*member, family.innerNominal); },
                   family.member);
    }
}

void DoPropExchange(PropExchange& px, CChartModel& model, ControlExtent& extent) {
    // The version read is kept by nobody: every version so far has one layout.
    std::uint32_t version = kPropertyStreamVersion;
    PX_ULong(px, version);
    PX_Long(px, extent.width);
    PX_Long(px, extent.height);
    // This control persists no stock properties.
    std::int32_t stockMask = 0;
    PX_Long(px, stockMask);
    ExchangeScalarProperties(px, model);
    ExchangeArrayProperties(px, model);
}

} // namespace chart
