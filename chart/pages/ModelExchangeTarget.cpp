#include "ModelExchangeTarget.h"

#include "ArrayExchange.h"
#include "ChartLimits.h"

#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace pages {

using chart::CChartModel;

namespace {

template <typename T> constexpr bool kIsScalar = !std::is_class_v<T> || std::is_same_v<T, QString>;
template <typename T> constexpr bool kIsArrayOfArrays = false;
template <typename T> constexpr bool kIsArrayOfArrays<std::vector<std::vector<T>>> = true;

} // namespace

CModelExchangeTarget::CModelExchangeTarget(CChartModel& model, ExchangeHooks hooks)
    : model_(model), hooks_(std::move(hooks)) {}

IOpenPage* CModelExchangeTarget::OpenPage(PageKind kind) const {
    const OpenPageSlot& slot = open_[static_cast<std::size_t>(kind)];
    return slot.object ? slot.page : nullptr;
}

void CModelExchangeTarget::Remember(PageKind kind, IOpenPage* page) {
    OpenPageSlot& slot = open_[static_cast<std::size_t>(kind)];
    slot.page = page;
    slot.object = page ? page->PageObject() : nullptr;
}

void CModelExchangeTarget::Finish(int save) {
    if (save && hooks_.rebuildGraph) {
        hooks_.rebuildGraph();
    }
}

template <typename T>
void CModelExchangeTarget::Scalar(const char* name, T CChartModel::*member, T& page, int save) {
    if (save) {
        if (hooks_.writeStoredScalar) {
            hooks_.writeStoredScalar(name, chart::ScalarValue(page));
        }
        model_.*member = page;
        return;
    }
    if (hooks_.readStoredScalar) {
        if (const std::optional<chart::ScalarValue> stored = hooks_.readStoredScalar(name)) {
            if (const T* value = std::get_if<T>(&*stored)) {
                model_.*member = *value;
            }
        }
    }
    page = model_.*member;
}

void CModelExchangeTarget::ExchangePage(PageKind kind, IOpenPage* page, const std::vector<PageValue>& values,
                                        int save) {
    Remember(kind, page);
    // A zoomed range lives in the engine graph until it is read back; the Axis page must see it, and
    // a save must not put the unzoomed range back under it.
    if (kind == PageKind::Axis && hooks_.readBackZoomedScale) {
        hooks_.readBackZoomedScale();
    }
    // The pages' argument lists and the table are written for each other: a mismatch is a fault
    // of this program, never of a user's input.
    std::size_t next = 0;
    for (const PageSetting& setting : PageSettings()) {
        if (setting.page == kind) {
            Trade(setting, values.at(next++), save);
        }
    }
    if (next != values.size()) {
        throw std::logic_error("a page hands more values than it has settings");
    }
    Finish(save);
}

void CModelExchangeTarget::Trade(const PageSetting& setting, const PageValue& value, int save) {
    std::visit(
        [&](auto member, auto* pageValue) {
            using ModelType = std::remove_reference_t<decltype(model_.*member)>;
            using PageType = std::remove_pointer_t<decltype(pageValue)>;
            if constexpr (!std::is_same_v<ModelType, PageType>) {
                throw std::logic_error("a page value does not have its setting's type");
            } else if constexpr (kIsScalar<PageType>) {
                Scalar(setting.name, member, *pageValue, save);
            } else if constexpr (kIsArrayOfArrays<PageType>) {
                ExchangeArrayOfArrays(model_.*member, *pageValue, save);
            } else {
                ExchangeArray(model_.*member, *pageValue, save);
            }
        },
        setting.member, value);
}

void CModelExchangeTarget::ExchangeDataPage(IOpenPage* page, std::int16_t& set, Long& SDataEnable,
                                            QString& SDataName, Long& SDataType, Long& SDataNumPlotPoints,
                                            Long& SDataNumGroups, DoubleArray& x, DoubleArray& y, int save) {
    Remember(PageKind::Data, page);
    if (set < 0 || set >= chart::kSetCount) {
        return;
    }
    const auto i = static_cast<std::size_t>(set);
    if (save) {
        // A set the chart cannot hold is refused whole: the control keeps the set as it was.
        try {
            chart::CheckSetFits(model_, set, x.size(), y.size(), SDataNumGroups);
            model_.SDataXData[i].reserve(x.size());
            model_.SDataYData[i].reserve(y.size());
        } catch (const chart::ChartTooLarge& refused) {
            Refuse(QString::fromUtf8(refused.what()));
            return;
        } catch (const std::bad_alloc&) {
            Refuse(QStringLiteral("There is not enough memory for this data set: the chart is unchanged."));
            return;
        }
        // The same steps as the automation puts, in their order, so the set's arrays always match
        // its counts even before the page's arrays replace them.
        const auto points = static_cast<std::size_t>(std::max<Long>(SDataNumPlotPoints, 0));
        model_.SDataNumPlotPoints[i] = SDataNumPlotPoints;
        model_.SDataXData[i].resize(points, 0.0);
        model_.SDataYData[i].resize(
            points * static_cast<std::size_t>(std::max<Long>(model_.SDataNumGroups[i], 1)), 0.0);
        model_.SDataNumGroups[i] = SDataNumGroups;
        model_.SDataType[i] = SDataType;
        model_.SDataEnable[i] = SDataEnable;
        model_.SDataName[i] = SDataName;
    } else {
        SDataNumPlotPoints = model_.SDataNumPlotPoints[i];
        SDataNumGroups = model_.SDataNumGroups[i];
        SDataType = model_.SDataType[i];
        SDataEnable = model_.SDataEnable[i];
        SDataName = model_.SDataName[i];
    }
    ExchangeDoubleArray(model_.SDataXData[i], x, save);
    ExchangeDoubleArray(model_.SDataYData[i], y, save);
    Finish(save);
}

void CModelExchangeTarget::Refuse(const QString& text) const {
    if (hooks_.reportRefusal) {
        hooks_.reportRefusal(text);
    }
}

void CModelExchangeTarget::GetDataSetList(LongArray& enable, StringArray& names, LongArray& types) {
    ExchangeLongArray(model_.SDataEnable, enable, 0);
    ExchangeStringArray(model_.SDataName, names, 0);
    ExchangeLongArray(model_.SDataType, types, 0);
}

void CModelExchangeTarget::RefreshOpenPages() {
    // A page may close or open others while it reloads: work on a copy of the slots.
    const std::array<OpenPageSlot, kPageCount> remembered = open_;
    for (const OpenPageSlot& slot : remembered) {
        if (slot.object) {
            slot.page->ReloadFromControl();
        }
    }
}

bool CModelExchangeTarget::LoadFromFile(const QString& path) {
    return hooks_.loadFromFile ? hooks_.loadFromFile(path) : false;
}

bool CModelExchangeTarget::SaveToFile(const QString& path) {
    return hooks_.saveToFile ? hooks_.saveToFile(path) : false;
}

void CModelExchangeTarget::PrintPage() {
    if (hooks_.printPage) {
        hooks_.printPage();
    }
}

void CModelExchangeTarget::PrinterSetup() {
    if (hooks_.printerSetup) {
        hooks_.printerSetup();
    }
}

void CModelExchangeTarget::SavePageMetaDefault() {
    if (hooks_.savePageMetaDefault) {
        hooks_.savePageMetaDefault();
    }
}

} // namespace pages
