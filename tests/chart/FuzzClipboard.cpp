// The clipboard table parser: any text is refused or stored within the counts it reports.

#include "ClipboardTable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    std::vector<double> x, y;
    int rows = -1;
    int groups = data[0] % 5;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const chart::PasteResult result = chart::ReadClipboardColumns(text, x, y, rows, groups);
    if (result == chart::PasteResult::Stored) {
        if (rows < 1 || groups < 1 || x.size() != static_cast<std::size_t>(rows) ||
            y.size() != static_cast<std::size_t>(rows) * static_cast<std::size_t>(groups)) {
            std::abort();
        }
    } else if (rows != -1 || !x.empty() || !y.empty()) {
        std::abort();
    }
    int scanRows = 0, scanColumns = 0;
    chart::ScanClipboardTable(text, scanRows, scanColumns);
    return 0;
}
