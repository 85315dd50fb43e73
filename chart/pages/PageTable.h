#pragma once
// The eleven property pages as the control lists them: class, dialog, caption, registry name, help
// and class registration. The frame shows one tab per row, in this order.

#include "PageExchange.h"

#include <vector>

namespace pages {

struct PageInfo {
    PageKind kind;
    const char* className;
    int dialogId;
    int captionId;
    const char* caption;
    int registryNameId;
    const char* registryName;
    const char* helpString;
    int helpContext;
    const char* progId;
    const char* classId;
};

constexpr const char* kPageHelpFile = "zent.hlp";

const std::vector<PageInfo>& PageTable();
const PageInfo& PageInfoOf(PageKind kind);

} // namespace pages
