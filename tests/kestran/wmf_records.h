#pragma once

// Walks the records of a placeable metafile the way a player does, for checking the writer.

#include <cstddef>
#include <cstdint>
#include <vector>

struct WmfRecordView {
    std::size_t offset = 0; // of the record's size field
    std::uint32_t words = 0;
    std::uint16_t function = 0;
    std::vector<std::int16_t> params;
};

inline std::uint16_t WmfU16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return std::uint16_t(d.at(at) | (d.at(at + 1) << 8));
}

inline std::uint32_t WmfU32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return std::uint32_t(WmfU16(d, at)) | (std::uint32_t(WmfU16(d, at + 2)) << 16);
}

// Records after the 40 header bytes, up to and including the end record; stops at a bad size.
inline std::vector<WmfRecordView> WmfRecords(const std::vector<std::uint8_t>& d) {
    std::vector<WmfRecordView> out;
    std::size_t at = 40;
    while (at + 6 <= d.size()) {
        WmfRecordView r;
        r.offset = at;
        r.words = WmfU32(d, at);
        r.function = WmfU16(d, at + 4);
        if (r.words < 3 || at + std::size_t(r.words) * 2 > d.size())
            break;
        for (std::size_t i = 3; i < r.words; ++i)
            r.params.push_back(std::int16_t(WmfU16(d, at + i * 2)));
        out.push_back(r);
        at += std::size_t(r.words) * 2;
        if (r.function == 0)
            break;
    }
    return out;
}
