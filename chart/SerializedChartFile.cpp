#include "SerializedChartFile.h"

#include "AtomicFile.h"
#include "ChartLimits.h"
#include "PropertyStream.h"

#include <QFile>

namespace chart {

// A file larger than any chart within the limits is not read into memory, so a chart is saved only
// when it is not larger: what is saved loads back.
bool SaveToFile(const CChartModel& model, const ControlExtent& extent, const QString& path) {
    const std::vector<std::uint8_t> bytes = SavePropertyStream(model, extent);
    if (static_cast<long long>(bytes.size()) > kMaxChartFileBytes) {
        throw ChartTooLarge();
    }
    return files::WriteFileAtomically(path,
                                      QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                              static_cast<qsizetype>(bytes.size())));
}

bool LoadFromFile(CChartModel& model, const QString& path, const ChartFileHooks& hooks,
                  ControlExtent* extent) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxChartFileBytes) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    const bool loaded =
        LoadPropertyStream(model, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()), extent, [&model] { model.ResetData(); });
    if (!loaded) {
        return false;
    }
    if (hooks.rebuildGraph) {
        hooks.rebuildGraph();
    }
    if (hooks.refreshOpenPages) {
        hooks.refreshOpenPages();
    }
    return true;
}

} // namespace chart
