#include "AsciiDataFile.h"

#include "AtomicFile.h"
#include "NumberFormat.h"
#include "NumericTable.h"
#include "WaitCursor.h"

#include <climits>
#include <QFile>
#include <string>

namespace chart {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

bool WriteText(files::AtomicFile& file, std::string& text) {
    const bool written = file.Write(text.data(), static_cast<qint64>(text.size()));
    text.clear();
    return written;
}

} // namespace

bool SaveAsciiDataFile(const QString& path, const std::vector<double>& x, const std::vector<double>& y,
                       std::size_t rows, std::size_t groups, std::string_view format) {
    const std::optional<NumberFormat> number = NumberFormat::Parse(format);
    if (!number || x.size() < rows || (groups > 0 && y.size() / groups < rows)) {
        return false;
    }
    files::AtomicFile file(path);
    if (!file.Open()) {
        return false;
    }
    std::string text;
    for (std::size_t i = 0; i < rows; ++i) {
        number->Append(text, x[i]);
        for (std::size_t g = 0; g < groups; ++g) {
            text += ' ';
            number->Append(text, y[i * groups + g]);
        }
        text += "\r\n";
        if (text.size() >= kChunkBytes && !WriteText(file, text)) {
            return false;
        }
    }
    return WriteText(file, text) && file.Commit();
}

bool ReadNumericTable(QIODevice& device, NumericTable& table, std::size_t chunkBytes) {
    chunkBytes = std::max<std::size_t>(chunkBytes, 1);
    std::string pending;
    for (;;) {
        // An unfinished number carried over may be long; reading at least as much again keeps the
        // rescans of it linear in the file's size.
        const std::size_t want = std::max(chunkBytes, pending.size());
        const std::size_t kept = pending.size();
        pending.resize(kept + want);
        const qint64 got = device.read(pending.data() + kept, static_cast<qint64>(want));
        if (got < 0) {
            return false;
        }
        pending.resize(kept + static_cast<std::size_t>(got));
        const bool final = got == 0;
        pending.erase(0, table.Feed(pending, final));
        if (final) {
            return true;
        }
    }
}

bool LoadAsciiDataFile(const QString& path, std::vector<double>& x, std::vector<double>& y, int& rows,
                       int& groups, int* fileYColumns) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    WaitCursor wait;
    NumericTable table(groups);
    if (!ReadNumericTable(file, table, kChunkBytes)) {
        return false;
    }
    if (table.Columns() == 0 || table.Rows() > static_cast<std::size_t>(INT_MAX) ||
        table.Columns() > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    if (fileYColumns != nullptr) {
        *fileYColumns = static_cast<int>(table.Columns() - 1);
    }
    rows = static_cast<int>(table.Rows());
    groups = static_cast<int>(table.YColumns());
    x = std::move(table.X());
    y = std::move(table.Y());
    return true;
}

QString LeftOutColumnsText(const QString& path, int fileYColumns, int groupsRead) {
    return QStringLiteral("The file %1 holds %2 Y columns, and a data set holds at most %3 groups: "
                          "columns %4 to %2 were not loaded.")
        .arg(path)
        .arg(fileYColumns)
        .arg(groupsRead)
        .arg(groupsRead + 1);
}

} // namespace chart
