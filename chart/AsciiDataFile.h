#pragma once
// ASCII data-set files (*.TXT, *.ASC): one line per point, the X value and then the point's Y
// values, separated by one blank, each line ended by CR LF. The reader takes any separators and
// skips lines without numbers (headers); see NumericTable for how rows are formed.

#include <cstddef>
#include <QIODevice>
#include <QString>
#include <string_view>
#include <vector>

namespace chart {

// Writes rows lines of x[i] and y[i * groups .. i * groups + groups - 1], each value formatted with
// format ("%g" when empty; see NumberFormat). False, and no file, when the format is not accepted or
// the buffers hold fewer values than rows and groups ask for; false when the file cannot be written.
// No rows give an empty file.
bool SaveAsciiDataFile(const QString& path, const std::vector<double>& x, const std::vector<double>& y,
                       std::size_t rows, std::size_t groups, std::string_view format);

// Reads a file into x (rows values) and y (rows x groups values; empty for a one-column file). On
// entry groups holds the Y columns wanted (0: all); on return the Y columns read, at most
// NumericTable::kMaxYColumns; `fileYColumns` (when given) receives the Y columns the file has.
// False, with the outputs untouched, when the file cannot be read or holds no number.
bool LoadAsciiDataFile(const QString& path, std::vector<double>& x, std::vector<double>& y, int& rows,
                       int& groups, int* fileYColumns = nullptr);

// What the user is told when a file holds more Y columns than a data set takes: the file, its
// columns, and the ones left out.
QString LeftOutColumnsText(const QString& path, int fileYColumns, int groupsRead);

class NumericTable;
// Feeds everything a device holds to table, chunkBytes at a time (more while one number spans
// chunks). False on a read error.
bool ReadNumericTable(QIODevice& device, NumericTable& table, std::size_t chunkBytes = 64 * 1024);

} // namespace chart
