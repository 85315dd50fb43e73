#include "CAxisPPg.h"

#include "CodeMaps.h"
#include "PageLimits.h"

namespace pages {

QStringList AxisNames() {
    return {QStringLiteral("X-AXIS #1"), QStringLiteral("Y-AXIS #1"), QStringLiteral("X-AXIS #2"),
            QStringLiteral("Y-AXIS #2")};
}

QStringList LabelPositionNames(int axis) {
    if (axis % 2 == 0) {
        return {QStringLiteral("Below"), QStringLiteral("Center"), QStringLiteral("Above")};
    }
    return {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
}

CAxisPPg::CAxisPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::Axis, target, parent) {
    AddSelector(338, QStringLiteral("Select Axis"), AxisNames());
    AddCheck(216, QStringLiteral("Axis Enable"), CurrentSlot(AxisEnable));
    AddEdit(211, QStringLiteral("From"), FieldKind::EditDouble, CurrentSlot(AxisMin));
    AddEdit(214, QStringLiteral("To"), FieldKind::EditDouble, CurrentSlot(AxisMax));
    AddCombo(226, QStringLiteral("Linear/Log"), {QStringLiteral("Linear"), QStringLiteral("Logarithmic")},
             CurrentSlot(AxisScaleMode), {}, [](int code) { return code != 0 ? 1 : 0; });
    AddEdit(224, QStringLiteral("Intercept"), FieldKind::EditDouble, CurrentSlot(AxisIntercept));
    AddCheck(295, QStringLiteral("Auto Axis"), CurrentSlot(AxisAutoAxis));
    AddCheck(218, QStringLiteral("Auto Intercept"), CurrentSlot(AxisInterceptTrack));
    NextColumn();
    AddSection(QStringLiteral("Major Ticks"));
    AddEdit(239, QStringLiteral("Interval"), FieldKind::EditDouble, CurrentSlot(AxisMajorTickInterval));
    AddSection(QStringLiteral("Minor Ticks"));
    AddEdit(237, QStringLiteral("Number "), FieldKind::EditLong, CurrentSlot(AxisMinorTicks));
    EndSection();
    PageField& ticks = AddCombo(
        228, QStringLiteral("Tick Position"),
        {QStringLiteral("Below"), QStringLiteral("Centered"), QStringLiteral("Above"), QString()},
        CurrentSlot(AxisTickStyle), [this](int position) { return MapLabelPosition(current_).In(position); },
        [this](int code) { return MapLabelPosition(current_).Out(code); });
    ticks.items = [this] { return LabelPositionNames(current_); };
    AddEdit(234, QStringLiteral("Thickness"), FieldKind::EditLong, CurrentSlot(AxisLineWidth));
    AddColor(217, QString(), Current(AxisColor));
}

int CAxisPPg::ClampItem(int index) const {
    return ClampIndex(index, 4);
}

void CAxisPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeAxisPage(this, AxisMax, AxisMin, AxisIntercept, AxisMajorTickInterval, AxisScaleMode,
                            AxisMinorTicks, AxisTickStyle, AxisColor, AxisLineWidth, AxisInterceptTrack,
                            AxisEnable, AxisAutoAxis, save);
}

} // namespace pages
