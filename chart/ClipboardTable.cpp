#include "ClipboardTable.h"

#include "NumericTable.h"

#include <MessageBox.h>

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
    // Text without numbers has no first line: it finds -1 Y columns.
    const int found = static_cast<int>(table.Columns()) - 1;
    if (groups > 0 && groups > found) {
        return PasteResult::InsufficientColumns;
    }
    // One column holds no Y value to store: nothing is invented for it.
    if (table.Rows() == 0 || table.YColumns() == 0) {
        return PasteResult::NothingToStore;
    }
    rows = static_cast<int>(table.Rows());
    x = std::move(table.X());
    groups = static_cast<int>(table.YColumns());
    y = std::move(table.Y());
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
    const PasteResult result = ReadClipboardColumns(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), x, y, rows, groups);
    if (result == PasteResult::InsufficientColumns) {
        msgbox::MsgBox(QString::fromLatin1(kInsufficientColumnsMessage), msgbox::vbOKOnly);
    }
    return result;
}

} // namespace chart
