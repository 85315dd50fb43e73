#include "ClipboardTable.h"

#include "NumericTable.h"

#include <climits>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace chart {

namespace {

bool ReadTable(std::string_view text, NumericTable& table) {
    table.Feed(text, true);
    return !table.SawLetters() && table.Rows() <= static_cast<std::size_t>(INT_MAX) &&
           table.Columns() <= static_cast<std::size_t>(INT_MAX);
}

} // namespace

bool ScanClipboardTable(std::string_view text, int& rows, int& yColumns) {
    NumericTable table;
    if (!ReadTable(text, table)) {
        rows = 0;
        yColumns = 0;
        return false;
    }
    rows = static_cast<int>(table.Rows());
    yColumns = static_cast<int>(table.YColumns());
    return true;
}

PasteResult ReadClipboardColumns(std::string_view text, std::vector<double>& x, std::vector<double>& y,
                                 int& rows, int& groups) {
    NumericTable table(std::max(groups, 0));
    if (!ReadTable(text, table)) {
        return PasteResult::Refused;
    }
    const auto found = static_cast<int>(table.Columns() > 0 ? table.Columns() - 1 : 0);
    if (groups > found && table.Rows() > 0) {
        return PasteResult::InsufficientColumns;
    }
    if (table.Rows() == 0) {
        return PasteResult::NothingToStore;
    }
    rows = static_cast<int>(table.Rows());
    x = std::move(table.X());
    if (table.YColumns() == 0) {
        groups = 1;
        y.assign(x.size(), 0.0);
    } else {
        groups = static_cast<int>(table.YColumns());
        y = std::move(table.Y());
    }
    return PasteResult::Stored;
}

PasteResult PasteDataFromClipboard(std::vector<double>& x, std::vector<double>& y, int& rows, int& groups) {
    if (qGuiApp == nullptr) {
        return PasteResult::Refused;
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return PasteResult::Refused;
    }
    const QByteArray text = data->text().toUtf8();
    return ReadClipboardColumns(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), x,
                                y, rows, groups);
}

} // namespace chart
