#pragma once
// The exchange target of a page whose control is gone: it reads and writes nothing, so the page's
// working values stay as they are and every control action is refused.

#include "PageExchange.h"

namespace pages {

class CInertExchangeTarget : public CPageExchangeTarget {
public:
    void ExchangePage(PageKind, IOpenPage*, const std::vector<PageValue>&, int) override {}
    void ExchangeDataPage(IOpenPage*, std::int16_t&, Long&, QString&, Long&, Long&, Long&, DoubleArray&,
                          DoubleArray&, int) override {}
    void GetDataSetList(LongArray&, StringArray&, LongArray&) override {}
    void RefreshOpenPages() override {}
    bool LoadFromFile(const QString&) override { return false; }
    bool SaveToFile(const QString&) override { return false; }
    void PrintPage() override {}
    void PrinterSetup() override {}
    void SavePageMetaDefault() override {}
};

// One for all pages: it holds nothing.
CInertExchangeTarget& InertExchangeTarget();

} // namespace pages
