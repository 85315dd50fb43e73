#include "StreamLayout.h"

#include "InterfaceTables.h"

#include <cstring>
#include <stdexcept>

namespace charttest {

namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& s, std::size_t at) {
    if (at + 4 > s.size()) {
        throw std::out_of_range("stream too short");
    }
    return s[at] | (s[at + 1] << 8) | (s[at + 2] << 16) | (std::uint32_t(s[at + 3]) << 24);
}

// Bytes of a string's length prefix, and of the whole string.
std::size_t StringPrefix(const std::vector<std::uint8_t>& s, std::size_t at) {
    if (s.at(at) < 0xFF) {
        return 1;
    }
    return (s.at(at + 1) | (s.at(at + 2) << 8)) < 0xFFFE ? 3 : 7;
}

std::size_t StringBytes(const std::vector<std::uint8_t>& s, std::size_t at) {
    switch (StringPrefix(s, at)) {
    case 1:
        return 1 + s[at];
    case 3:
        return 3 + (s[at + 1] | (s[at + 2] << 8));
    default:
        return 7 + U32At(s, at + 3);
    }
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

} // namespace

StreamLayout WalkStream(const std::vector<std::uint8_t>& stream) {
    StreamLayout layout;
    std::size_t at = 16; // version, two extent longs, stock mask
    layout.scalarsOffset = at;
    for (const ScalarRow& row : ScalarRows()) {
        layout.scalarOffsets.push_back(at);
        switch (row.kind) {
        case Kind::Double:
            at += 8;
            break;
        case Kind::Bool:
            at += 1;
            break;
        case Kind::String:
            at += StringBytes(stream, at);
            break;
        default:
            at += 4;
            break;
        }
    }
    for (std::size_t i = 0; i < 96 + 11 * 32; ++i) {
        const std::uint32_t n = U32At(stream, at);
        layout.blobs.push_back({at, n});
        at += 4 + n;
    }
    layout.end = at;
    return layout;
}

std::size_t NestedBlobIndex(std::size_t family, std::size_t inner) {
    return 96 + family * 32 + inner;
}

std::vector<std::uint8_t> ReplaceBlob(const std::vector<std::uint8_t>& stream, std::size_t index,
                                      const std::vector<std::uint8_t>& blob) {
    const StreamLayout layout = WalkStream(stream);
    const BlobSpan span = layout.blobs.at(index);
    std::vector<std::uint8_t> out(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(span.offset));
    out.insert(out.end(), blob.begin(), blob.end());
    out.insert(out.end(), stream.begin() + static_cast<std::ptrdiff_t>(span.offset + 4 + span.byteCount),
               stream.end());
    return out;
}

std::vector<Value> BlobElements(const std::vector<std::uint8_t>& stream, const BlobSpan& blob, Kind kind) {
    std::vector<Value> out;
    if (blob.byteCount == 0) {
        return out;
    }
    std::size_t at = blob.offset + 4;
    const std::size_t end = at + blob.byteCount;
    std::size_t count = stream.at(at) | (stream.at(at + 1) << 8);
    at += 2;
    if (count == 0xFFFF) {
        count = U32At(stream, at);
        at += 4;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (kind == Kind::Double) {
            const std::uint64_t bits = U32At(stream, at) | (std::uint64_t(U32At(stream, at + 4)) << 32);
            double v = 0;
            std::memcpy(&v, &bits, 8);
            out.emplace_back(v);
            at += 8;
        } else if (kind == Kind::String) {
            const std::size_t n = StringBytes(stream, at);
            const std::size_t prefix = StringPrefix(stream, at);
            out.emplace_back(std::string(stream.begin() + std::ptrdiff_t(at + prefix),
                                         stream.begin() + std::ptrdiff_t(at + n)));
            at += n;
        } else {
            out.emplace_back(static_cast<std::int32_t>(U32At(stream, at)));
            at += 4;
        }
    }
    if (at != end) {
        throw std::out_of_range("blob image length differs from its byte count");
    }
    return out;
}

std::vector<std::uint8_t> LongBlob(const std::vector<std::int32_t>& values) {
    std::vector<std::uint8_t> image;
    image.push_back(static_cast<std::uint8_t>(values.size()));
    image.push_back(static_cast<std::uint8_t>(values.size() >> 8));
    for (std::int32_t v : values) {
        Append32(image, static_cast<std::uint32_t>(v));
    }
    std::vector<std::uint8_t> blob;
    Append32(blob, static_cast<std::uint32_t>(image.size()));
    blob.insert(blob.end(), image.begin(), image.end());
    return blob;
}

std::vector<std::uint8_t> DoubleBlob(const std::vector<double>& values) {
    std::vector<std::uint8_t> image;
    image.push_back(static_cast<std::uint8_t>(values.size()));
    image.push_back(static_cast<std::uint8_t>(values.size() >> 8));
    for (double v : values) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, 8);
        Append32(image, static_cast<std::uint32_t>(bits));
        Append32(image, static_cast<std::uint32_t>(bits >> 32));
    }
    std::vector<std::uint8_t> blob;
    Append32(blob, static_cast<std::uint32_t>(image.size()));
    blob.insert(blob.end(), image.begin(), image.end());
    return blob;
}

} // namespace charttest
