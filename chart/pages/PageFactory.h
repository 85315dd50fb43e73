#pragma once
// One page object of a kind, as its class factory makes it.

#include "CPropertyPage.h"

#include <memory>

namespace pages {

std::unique_ptr<CPropertyPage> CreatePage(PageKind kind, CPageExchangeTarget& target,
                                          QWidget* parent = nullptr);

} // namespace pages
