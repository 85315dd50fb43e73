#pragma once
// The Grids page: grid lines of the first X and Y axes. The second axes' grid settings travel with
// the arrays but are not offered.

#include "CPropertyPage.h"

namespace pages {

class CGridPPg : public CPropertyPage {
public:
    explicit CGridPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    LongArray AxisGridLineStyle = LongArray(4);
    LongArray AxisGridType = LongArray(4);
    LongArray AxisGridColor = LongArray(4);
    LongArray AxisGridLineWidth = LongArray(4);
    LongArray AxisGridEnable = LongArray(4);

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    int ClampItem(int index) const override;
};

} // namespace pages
