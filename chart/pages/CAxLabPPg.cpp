#include "CAxLabPPg.h"

#include "CAxisPPg.h"
#include "CodeMaps.h"
#include "PageLimits.h"

namespace pages {

CAxLabPPg::CAxLabPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::AxisLabels, target, parent) {
    AddSelector(203, QStringLiteral("Select Axis"), AxisNames());
    AddSection(QStringLiteral("Axis Labels"));
    AddCheck(332, QStringLiteral("Enable"), CurrentSlot(AxisLabelsEnable));
    AddCombo(232, QStringLiteral("Format"),
             {QStringLiteral("Decimal"), QStringLiteral("Scientific"), QStringLiteral("Engineering"),
              QStringLiteral("Exponential"), QStringLiteral("Time - H:M:S"), QString()},
             CurrentSlot(AxisNumericStyle));
    AddEdit(241, QStringLiteral("Decimals"), FieldKind::EditLong, CurrentSlot(AxisLabelDecs));
    PageField& position = AddCombo(
        233, QStringLiteral("Position"), LabelPositionNames(0), CurrentSlot(AxisLabelPos),
        [this](int pos) { return MapLabelPosition(current_).In(pos); },
        [this](int code) { return MapLabelPosition(current_).Out(code); });
    position.items = [this] { return LabelPositionNames(current_); };
    AddFont(227, QString(),
            {Current(AxisLabelFont), Current(AxisLabelFontStyle), Current(AxisLabelFontSize),
             Current(AxisLabelColor)});
    AddColor(223, QString(), Current(AxisLabelColor));
    AddCheck(257, QStringLiteral("Enable Tick Strings"), CurrentSlot(AxisLabelStringsEnable));
    AddEdit(256, QStringLiteral("Strings"), FieldKind::EditLines, CurrentSlot(AxisLabelStrings));
    NextColumn();
    AddSection(QStringLiteral("Axis Title"));
    AddEdit(245, QStringLiteral("Title"), FieldKind::EditText, CurrentSlot(AxisTitleString));
    AddFont(225, QString(),
            {Current(AxisTitleFont), Current(AxisTitleFontStyle), Current(AxisTitleFontSize),
             Current(AxisTitleColor)});
    AddColor(229, QString(), Current(AxisTitleColor));
}

int CAxLabPPg::ClampItem(int index) const {
    return ClampIndex(index, 4);
}

void CAxLabPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeAxisLabelPage(this, AxisNumericStyle, AxisLabelPos, AxisLabelDecs, AxisTitleFontSize,
                                 AxisTitleFontStyle, AxisLabelFontSize, AxisLabelFontStyle, AxisTitleColor,
                                 AxisLabelColor, AxisLabelStringsEnable, AxisTitleFont, AxisLabelFont,
                                 AxisLabelStrings, AxisTitleString, AxisLabelsEnable, save);
}

} // namespace pages
