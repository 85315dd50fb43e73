#include "CSLegendPPg.h"

namespace pages {

CSLegendPPg::CSLegendPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::Legend, target, parent) {
    AddCombo(333, QStringLiteral("Type"), {QStringLiteral("Simple  Legend"), QStringLiteral("Group Legend")},
             ValueSlot(SLegendType));
    AddCheck(272, QStringLiteral("Enable"), ValueSlot(SLegendEnable));
    AddEdit(263, QStringLiteral("Top"), FieldKind::EditDouble, ValueSlot(SLegendTop));
    AddEdit(264, QStringLiteral("Left"), FieldKind::EditDouble, ValueSlot(SLegendLeft));
    AddEdit(265, QStringLiteral("Right"), FieldKind::EditDouble, ValueSlot(SLegendRight));
    AddEdit(266, QStringLiteral("Bottom"), FieldKind::EditDouble, ValueSlot(SLegendBottom));
    AddColor(267, QStringLiteral("Background"), [this] { return &SLegendBackgroundColor; });
    AddColor(268, QStringLiteral("Border"), [this] { return &SLegendBorderColor; });
    AddEdit(269, QStringLiteral("Border Thickness"), FieldKind::EditLong, ValueSlot(SLegendBorderThickness));
    NextColumn();
    AddSection(QStringLiteral("Legend Strings"));
    AddEdit(257, QString(), FieldKind::EditLines, ValueSlot(SLegendStrings));
    EndSection();
    AddCheck(270, QStringLiteral("Orient Horizontal"), ValueSlot(SLegendOrientation));
    AddFont(271, QString(),
            {[this] { return &SLegendFont; }, [this] { return &SLegendFontStyle; },
             [this] { return &SLegendFontSize; }, [this] { return &SLegendFontColor; }});
}

void CSLegendPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeLegendPage(this, SLegendType, SLegendTop, SLegendBottom, SLegendLeft, SLegendRight,
                              SLegendBackgroundColor, SLegendBorderColor, SLegendBorderThickness,
                              SLegendStrings, SLegendFont, SLegendFontStyle, SLegendFontSize,
                              SLegendFontColor, SLegendOrientation, SLegendEnable, save);
}

} // namespace pages
