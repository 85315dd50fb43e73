#include "StreamLayout.h"

#include "ScalarProperties.h"

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

std::size_t StringBytes(const std::vector<std::uint8_t>& s, std::size_t at) {
    if (s.at(at) < 0xFF) {
        return 1 + s[at];
    }
    const std::size_t mid = s.at(at + 1) | (s.at(at + 2) << 8);
    if (mid < 0xFFFE) {
        return 3 + mid;
    }
    return 7 + U32At(s, at + 3);
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
    for (const chart::ScalarProperty& p : chart::ScalarProperties()) {
        layout.scalarOffsets.push_back(at);
        switch (p.kind) {
        case chart::ScalarKind::Long:
            at += 4;
            break;
        case chart::ScalarKind::Double:
            at += 8;
            break;
        case chart::ScalarKind::Bool:
            at += 1;
            break;
        case chart::ScalarKind::String:
            at += StringBytes(stream, at);
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
