#pragma once
// The chart-model settings each property page trades with the control, page by page in the order
// of the page's exchange arguments (CPageExchangeTarget). The Data page trades one data set and
// is not listed.

#include "PageExchange.h"

#include <variant>
#include <vector>

namespace pages {

using SettingMember =
    std::variant<Long chart::CChartModel::*, double chart::CChartModel::*, QString chart::CChartModel::*,
                 LongArray chart::CChartModel::*, DoubleArray chart::CChartModel::*,
                 StringArray chart::CChartModel::*, std::vector<LongArray> chart::CChartModel::*,
                 std::vector<DoubleArray> chart::CChartModel::*,
                 std::vector<StringArray> chart::CChartModel::*>;

struct PageSetting {
    PageKind page;
    const char* name; // the automation name, under which a scalar's stored property is traded
    SettingMember member;
};

const std::vector<PageSetting>& PageSettings();

} // namespace pages
