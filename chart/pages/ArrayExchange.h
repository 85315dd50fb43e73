#pragma once
// Copies between a page's working arrays and the model's arrays of the same name. Flag 1 copies
// page to model, flag 0 model to page; the destination always takes the source's element count.

#include "ChartModel.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace pages {

template <typename T> void ExchangeArray(std::vector<T>& model, std::vector<T>& page, int flag) {
    if (flag) {
        model.assign(page.begin(), page.end());
    } else {
        page.assign(model.begin(), model.end());
    }
}

template <typename T>
void ExchangeArrayOfArrays(std::vector<std::vector<T>>& model, std::vector<std::vector<T>>& page, int flag) {
    std::vector<std::vector<T>>& source = flag ? page : model;
    std::vector<std::vector<T>>& target = flag ? model : page;
    target.resize(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[i].assign(source[i].begin(), source[i].end());
    }
}

inline void ExchangeDoubleArray(chart::DoubleArray& model, chart::DoubleArray& page, int flag) {
    ExchangeArray(model, page, flag);
}
// Long, BOOL and COLORREF arrays.
inline void ExchangeLongArray(chart::LongArray& model, chart::LongArray& page, int flag) {
    ExchangeArray(model, page, flag);
}
inline void ExchangeStringArray(chart::StringArray& model, chart::StringArray& page, int flag) {
    ExchangeArray(model, page, flag);
}
inline void ExchangeArrayOfLongArrays(std::vector<chart::LongArray>& model,
                                      std::vector<chart::LongArray>& page, int flag) {
    ExchangeArrayOfArrays(model, page, flag);
}
inline void ExchangeArrayOfStringArrays(std::vector<chart::StringArray>& model,
                                        std::vector<chart::StringArray>& page, int flag) {
    ExchangeArrayOfArrays(model, page, flag);
}

// Between an array and a plain buffer of `count` doubles: flag 1 makes the array exactly the
// buffer's first `count` values; flag 0 copies out as many as both hold. The buffer is never read
// or written past its own size, whatever count says.
inline void ExchangeDoubleBuffer(chart::DoubleArray& array, std::vector<double>& buffer, std::size_t count,
                                 int flag) {
    if (flag) {
        array.assign(count, 0.0);
        std::copy_n(buffer.begin(), std::min(count, buffer.size()), array.begin());
    } else {
        std::copy_n(array.begin(), std::min({array.size(), count, buffer.size()}), buffer.begin());
    }
}

} // namespace pages
