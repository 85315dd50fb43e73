#include "DataSetTable.h"

#include "AsciiDataFile.h"
#include "FieldText.h"
#include "NumberFormat.h"
#include "PageLimits.h"

#include <algorithm>
#include <new>

namespace pages {

namespace {

QString Formatted(const char* pattern, double value) {
    static const std::optional<chart::NumberFormat> general = chart::NumberFormat::Parse("%g");
    static const std::optional<chart::NumberFormat> cell = chart::NumberFormat::Parse("%1g");
    const std::optional<chart::NumberFormat>& format = pattern[1] == '1' ? cell : general;
    return QString::fromStdString(format->Format(value));
}

} // namespace

void DataSetTable::StoreKind(std::int32_t kind) {
    type = kind;
    if (kind == 1) {
        groups = std::max(groups, 2);
    }
}

void DataSetTable::FitArrays(int fromGroups) {
    points = std::clamp(points, 0, GetMaxDataPoints());
    groups = std::clamp(groups, 1, GetMaxGroups());
    const auto n = static_cast<std::size_t>(points);
    const auto g = static_cast<std::size_t>(groups);
    const auto from = static_cast<std::size_t>(std::max(fromGroups, 1));
    x.resize(n, 0.0);
    if (from == g) {
        y.resize(n * g, 0.0);
        return;
    }
    chart::DoubleArray laidOut(n * g, 0.0);
    for (std::size_t p = 0; p < n; ++p) {
        for (std::size_t k = 0; k < std::min(from, g); ++k) {
            const std::size_t old = p * from + k;
            if (old < y.size()) {
                laidOut[p * g + k] = y[old];
            }
        }
    }
    y = std::move(laidOut);
}

long long DataSetTable::YIndex(int row, int column) const {
    if (row < 1 || column < 2 || column >= Columns()) {
        return -1;
    }
    const long long index = static_cast<long long>(groups) * (row - 1) + column - 2;
    return index < static_cast<long long>(y.size()) ? index : -1;
}

QString DataSetTable::CellText(int row, int column) const {
    if (row == 0) {
        if (column == 1) {
            return QStringLiteral("X-Values");
        }
        if (column >= 2) {
            return groups == 1 ? QStringLiteral("Y-Values") : QStringLiteral("Group %1").arg(column - 2);
        }
        return QString();
    }
    if (column == 0) {
        return QString::number(row - 1);
    }
    return EditText(row, column, "%1g");
}

QString DataSetTable::EditText(int row, int column) const {
    return EditText(row, column, "%g");
}

QString DataSetTable::EditText(int row, int column, const char* pattern) const {
    if (row < 1 || row >= Rows() || column < 1) {
        return QString();
    }
    if (column == 1) {
        return Formatted(pattern, x[static_cast<std::size_t>(row - 1)]);
    }
    const long long index = YIndex(row, column);
    return index < 0 ? QString() : Formatted(pattern, y[static_cast<std::size_t>(index)]);
}

int DataSetTable::RowNumberColumnWidth(int rows) {
    int digits = 2;
    for (int r = rows; r > 10; r /= 10) {
        ++digits;
    }
    return 100 * digits;
}

int DataSetTable::ColumnWidth(int column) const {
    if (column == 0) {
        return RowNumberColumnWidth(Rows());
    }
    // Pie slices take the X values; the first Y column means nothing there.
    return column == 2 && type == 2 ? 0 : -1;
}

bool DataSetTable::StoreCellText(int row, int column, const QString& text, QString& cellText) {
    if (Rows() < 2 || Columns() < 3 || row < 1 || column < 1 || row >= Rows() || column >= Columns()) {
        return false;
    }
    const double value = LeadingNumber(text);
    if (column == 1) {
        x[static_cast<std::size_t>(row - 1)] = value;
    } else {
        const long long index = YIndex(row, column);
        if (index < 0) {
            return false;
        }
        y[static_cast<std::size_t>(index)] = value;
    }
    cellText = FormatCell(value);
    return true;
}

void DataSetTable::TakeTable(chart::DoubleArray newX, chart::DoubleArray newY, int rows, int newGroups) {
    // A one-column table has no Y values; it still gets one group, of zeros, so the grid keeps a
    // column for them and the set stays savable.
    const int g = std::max(newGroups, 1);
    newY.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(g), 0.0);
    x = std::move(newX);
    y = std::move(newY);
    points = rows;
    groups = g;
}

bool DataSetTable::Import(const QString& path, QString* leftOut) {
    chart::DoubleArray newX;
    chart::DoubleArray newY;
    int rows = 0;
    int newGroups = 0;
    int fileColumns = 0;
    try {
        if (!chart::LoadAsciiDataFile(path, newX, newY, rows, newGroups, &fileColumns)) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        return false; // a file larger than memory is one that cannot be read
    }
    if (leftOut != nullptr && fileColumns > newGroups) {
        *leftOut = chart::LeftOutColumnsText(path, fileColumns, newGroups);
    }
    TakeTable(std::move(newX), std::move(newY), rows, newGroups);
    return true;
}

bool DataSetTable::Export(const QString& path) const {
    const std::size_t n = x.size();
    const std::size_t g = n < 1 ? 0 : y.size() / n;
    return chart::SaveAsciiDataFile(path, x, y, n, g, "");
}

bool DataSetTable::Paste() {
    chart::DoubleArray newX;
    chart::DoubleArray newY;
    int rows = 0;
    int newGroups = 0;
    try {
        if (chart::PasteDataFromClipboard(newX, newY, rows, newGroups) != chart::PasteResult::Stored) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    TakeTable(std::move(newX), std::move(newY), rows, newGroups);
    return true;
}

QString DataSetTable::FormatCell(double value) {
    return Formatted("%1g", value);
}

} // namespace pages
