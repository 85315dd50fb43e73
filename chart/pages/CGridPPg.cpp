#include "CGridPPg.h"

#include "CodeMaps.h"
#include "PageLimits.h"

namespace pages {

CGridPPg::CGridPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::Grids, target, parent) {
    AddSelector(340, QStringLiteral("Select Axis"), {QStringLiteral("X-AXIS"), QStringLiteral("Y-AXIS")});
    AddCheck(209, QStringLiteral("Grid Enable"), CurrentSlot(AxisGridEnable));
    AddCombo(341, QStringLiteral("Grid Type"),
             {QStringLiteral("Major Tick Grid"), QStringLiteral("Minor Tick Grid"),
              QStringLiteral("Major and Minor Tick ")},
             CurrentSlot(AxisGridType));
    AddCombo(
        210, QStringLiteral("Line Style"),
        {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"), QStringLiteral("Dash Dot"),
         QStringLiteral("Dash Dot Dot")},
        CurrentSlot(AxisGridLineStyle), [](int p) { return MapLineStyle().In(p); },
        [](int c) { return MapLineStyle().Out(c); });
    AddEdit(207, QStringLiteral("Line Width"), FieldKind::EditLong, CurrentSlot(AxisGridLineWidth));
    AddColor(342, QString(), Current(AxisGridColor));
    // Half the page wide, as the other pages' columns.
    NextColumn();
}

int CGridPPg::ClampItem(int index) const {
    return ClampIndex(index, 2);
}

void CGridPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeGridPage(this, AxisGridLineStyle, AxisGridType, AxisGridColor, AxisGridLineWidth,
                            AxisGridEnable, save);
}

} // namespace pages
