// The data-set file reader, fed through its chunked reading with a chunk size taken from the input:
// it must end, and give the same table as reading the text at once.

#include "AsciiDataFile.h"
#include "NumericTable.h"

#include <cstdlib>
#include <cstring>
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t chunk = 1 + data[0] % 64;
    const int groups = data[1] % 4;
    const QByteArray text(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    chart::NumericTable chunked(groups);
    if (!chart::ReadNumericTable(buffer, chunked, chunk)) {
        std::abort();
    }
    chart::NumericTable whole(groups);
    whole.Feed(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), true);
    const bool sameNumbers = [&] {
        if (chunked.X().size() != whole.X().size() || chunked.Y().size() != whole.Y().size()) {
            return false;
        }
        for (std::size_t i = 0; i < whole.X().size(); ++i) {
            if (std::memcmp(&chunked.X()[i], &whole.X()[i], sizeof(double)) != 0) {
                return false;
            }
        }
        for (std::size_t i = 0; i < whole.Y().size(); ++i) {
            if (std::memcmp(&chunked.Y()[i], &whole.Y()[i], sizeof(double)) != 0) {
                return false;
            }
        }
        return true;
    }();
    if (!sameNumbers || chunked.Y().size() != chunked.Rows() * chunked.YColumns()) {
        std::abort();
    }
    return 0;
}
