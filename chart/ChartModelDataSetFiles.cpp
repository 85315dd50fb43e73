// CChartModel's side of ASCII data-set files: connecting a file to one data set.

#include "AsciiDataFile.h"
#include "ChartLimits.h"
#include "ChartModel.h"

namespace chart {

namespace {

enum DataSetType { kSimpleData = 0, kGroupData = 1, kPieData = 2 };

bool IsSetIndex(int set) {
    return set >= 0 && set < kSetCount;
}

// The first Y value of each row; zeros when the file had no Y column.
DoubleArray FirstColumn(const DoubleArray& y, std::size_t rows, std::size_t groups) {
    DoubleArray first(rows, 0.0);
    if (groups > 0) {
        for (std::size_t i = 0; i < rows; ++i) {
            first[i] = y[i * groups];
        }
    }
    return first;
}

} // namespace

bool CChartModel::ReadDataSetFile(const QString& path, const QString& name, int type, int set,
                                  QString* leftOut) {
    if (!IsSetIndex(set)) {
        return false;
    }
    DoubleArray x;
    DoubleArray y;
    int rows = 0;
    int groups = 0;
    int fileGroups = 0;
    if (!LoadAsciiDataFile(path, x, y, rows, groups, &fileGroups)) {
        return false;
    }
    const auto i = static_cast<std::size_t>(set);
    const auto n = static_cast<std::size_t>(rows);
    // The set's new groups and Y values are made before anything changes, and must fit the chart.
    int newGroups = SDataNumGroups[i];
    if (type == kGroupData && groups > 0) {
        newGroups = groups;
    } else if (type == kSimpleData || type == kGroupData) {
        // A one-column file read as a simple or group set gets one group of zeros.
        newGroups = 1;
        y = FirstColumn(y, n, static_cast<std::size_t>(groups));
    } else if (type == kPieData) {
        // Pies draw their X values; their Y data is left as it was.
        newGroups = 0;
    }
    const bool newY = type == kSimpleData || type == kGroupData;
    CheckSetFits(*this, set, n, newY ? y.size() : SDataYData[i].size(), newGroups);
    SDataNumGroups[i] = newGroups;
    if (newY) {
        SDataYData[i].swap(y);
    }
    // Any other type takes the X values, the count, the type and the name only.
    SDataXData[i] = std::move(x);
    SDataNumPlotPoints[i] = rows;
    SDataType[i] = type;
    SDataName[i] = name;
    if (leftOut != nullptr && type == kGroupData && fileGroups > groups) {
        *leftOut = LeftOutColumnsText(path, fileGroups, groups);
    }
    return true;
}

bool CChartModel::WriteDataSetFile(const QString& path, int set, const QString& format) const {
    if (!IsSetIndex(set)) {
        return false;
    }
    const auto i = static_cast<std::size_t>(set);
    const DoubleArray& x = SDataXData[i];
    const DoubleArray& y = SDataYData[i];
    const std::size_t rows = x.size();
    const std::size_t groups = rows > 0 ? y.size() / rows : 0;
    return SaveAsciiDataFile(path, x, y, rows, groups, format.toStdString());
}

} // namespace chart
