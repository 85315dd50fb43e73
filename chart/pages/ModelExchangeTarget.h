#pragma once
// The control side of the page exchanges, over a chart model. The control owns one, fills the
// hooks with its own stored properties and operations, and hands it to the property frame. Without
// hooks the model alone is traded (tests, containers without a control object).

#include "PageExchange.h"
#include "PageSettings.h"
#include "ScalarProperties.h"

#include <array>
#include <functional>
#include <optional>
#include <QPointer>

namespace pages {

struct ExchangeHooks {
    // The control's own stored value of a scalar property (by automation name).
    std::function<void(const char* name, const chart::ScalarValue& value)> writeStoredScalar;
    std::function<std::optional<chart::ScalarValue>(const char* name)> readStoredScalar;
    std::function<void()> rebuildGraph;
    // Moves a pending zoomed range of the engine graph into the model's axis ranges.
    std::function<void()> readBackZoomedScale;
    std::function<bool(const QString&)> loadFromFile;
    std::function<bool(const QString&)> saveToFile;
    std::function<void()> printPage;
    std::function<void()> printerSetup;
    std::function<void()> savePageMetaDefault;
    // A page's values the chart could not take (beyond its limits, or out of memory).
    std::function<void(const QString& text)> reportRefusal;
};

class CModelExchangeTarget : public CPageExchangeTarget {
public:
    explicit CModelExchangeTarget(chart::CChartModel& model, ExchangeHooks hooks = {});

    ExchangeHooks& Hooks() { return hooks_; }
    chart::CChartModel& Model() { return model_; }
    // The page last traded for a kind, or null when none or when it has been destroyed.
    IOpenPage* OpenPage(PageKind kind) const;

    void ExchangePage(PageKind kind, IOpenPage* page, const std::vector<PageValue>& values,
                      int save) override;
    void ExchangeDataPage(IOpenPage* page, std::int16_t& set, Long& SDataEnable, QString& SDataName,
                          Long& SDataType, Long& SDataNumPlotPoints, Long& SDataNumGroups, DoubleArray& x,
                          DoubleArray& y, int save) override;

    void GetDataSetList(LongArray& enable, StringArray& names, LongArray& types) override;
    void RefreshOpenPages() override;

    bool LoadFromFile(const QString& path) override;
    bool SaveToFile(const QString& path) override;
    void PrintPage() override;
    void PrinterSetup() override;
    void SavePageMetaDefault() override;

private:
    struct OpenPageSlot {
        QPointer<QObject> object;
        IOpenPage* page = nullptr;
    };

    void Remember(PageKind kind, IOpenPage* page);
    void Refuse(const QString& text) const;
    void Finish(int save);
    void Trade(const PageSetting& setting, const PageValue& value, int save);
    template <typename T> void Scalar(const char* name, T chart::CChartModel::*member, T& page, int save);

    chart::CChartModel& model_;
    ExchangeHooks hooks_;
    std::array<OpenPageSlot, kPageCount> open_{};
};

} // namespace pages
