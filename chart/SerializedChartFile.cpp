#include "SerializedChartFile.h"

#include "AtomicFile.h"
#include "ChartLimits.h"
#include "PropertyStream.h"

#include <QFile>

#include <new>

namespace chart {

namespace {

// The whole file, or nothing: a file the format cannot hold is refused as unreadable, one there is
// no memory for with a text naming its size.
bool ReadChartFile(const QString& path, std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxStreamBytes) {
        return false;
    }
    try {
        bytes.resize(static_cast<std::size_t>(file.size()));
    } catch (const std::bad_alloc&) {
        throw ChartTooLarge("The chart file " + path.toStdString() + " holds " + GroupedCount(file.size()) +
                            " bytes, and there is not enough memory to read them: it was not loaded, and "
                            "the chart is unchanged.");
    }
    qint64 done = 0;
    while (done < file.size()) {
        const qint64 got = file.read(reinterpret_cast<char*>(bytes.data()) + done, file.size() - done);
        if (got <= 0) {
            return false;
        }
        done += got;
    }
    return true;
}

} // namespace

bool SaveToFile(const CChartModel& model, const ControlExtent& extent, const QString& path) {
    const std::vector<std::uint8_t> bytes = SavePropertyStream(model, extent);
    return files::WriteFileAtomically(path,
                                      QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                              static_cast<qsizetype>(bytes.size())));
}

bool LoadFromFile(CChartModel& model, const QString& path, const ChartFileHooks& hooks,
                  ControlExtent* extent) {
    bool loaded = false;
    try {
        std::vector<std::uint8_t> bytes;
        loaded = ReadChartFile(path, bytes) && LoadPropertyStream(model, bytes.data(), bytes.size(), extent,
                                                                  [&model] { model.ResetData(); });
    } catch (const StreamOutOfMemory& refused) {
        throw ChartTooLarge(NoMemoryToLoadText(refused.Values(), path));
    }
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
