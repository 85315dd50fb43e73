#include "CGPlotPPg.h"

#include "CodeMaps.h"
#include "CSPlotPPg.h"
#include "PageLimits.h"

#include <QLineEdit>

namespace pages {

namespace {

const std::vector<int> kLineStyle = {242};
const std::vector<int> kAreaFill = {243};
const std::vector<int> kLineWidth = {249};
const std::vector<int> kBars = {358, 248, 246, 247};
const std::vector<int> kShape = {305};
const std::vector<int> kSize = {306};
const std::vector<int> kStyle = {307};

} // namespace

CGPlotPPg::CGPlotPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::GroupPlots, target, parent) {
    AddDataSetList(289, QStringLiteral("Data"), 1);
    AddCombo(355, QStringLiteral("Plot Type"),
             {QStringLiteral("Stacked Lines"), QStringLiteral("Stacked Bars"), QStringLiteral("Group Bars"),
              QStringLiteral("Deep Bars"), QStringLiteral("Floating Bars"), QStringLiteral("Hi-Lo-Close"),
              QStringLiteral("Error Bars")},
             CurrentSlot(GPlotType), InOf(MapGroupPlotType()), OutOf(MapGroupPlotType()));
    AddCombo(250, QStringLiteral("Reference Axes"),
             {QStringLiteral("First Axes"), QStringLiteral("Second Axes")}, CurrentSlot(GPlotRefAxes));
    AddSection(QStringLiteral("Line Plot"));
    AddCheck(243, QStringLiteral("Area Fill"), CurrentSlot(GPlotAreaFill));
    AddEdit(249, QStringLiteral("Width"), FieldKind::EditLong, CurrentSlot(GPlotLineThickness));
    NextColumn();
    AddSection(QStringLiteral("Bargraph"));
    AddCombo(358, QStringLiteral("Type"), BarTypeNames(), CurrentSlot(GPlotBarType), InOf(MapBarType()),
             OutOf(MapBarType()));
    AddCombo(248, QStringLiteral("Justify"), JustifyNames(), CurrentSlot(GPlotBarJustify),
             InOf(MapLabelPosition(0)), OutOf(MapLabelPosition(0)));
    AddEdit(246, QStringLiteral("Width"), FieldKind::EditDouble, CurrentSlot(GPlotBarWidth));
    AddSection(QStringLiteral("High-Lo Close"));
    AddCombo(305, QStringLiteral("Shape"), ScatterShapeNames(), CurrentSlot(GPlotScatterShape));
    AddEdit(306, QStringLiteral("Size"), FieldKind::EditLong, CurrentSlot(GPlotScatterSize));
    AddCheck(307, QStringLiteral("Style"), CurrentSlot(GPlotScatterStyle));
    NextColumn();
    AddSection(QStringLiteral("Group Specific Attributes"));
    PageField& group = AddSubItemSpin(356, QStringLiteral("Group #"), GetMaxGroups(), group_);
    group.widget->findChild<QLineEdit*>()->setObjectName(ControlName(363));
    AddColor(357, QString(), CurrentGroupOf(GPlotLineColor));
    const auto slotOf = [this](std::vector<LongArray>& arrays) {
        return [get = CurrentGroupOf(arrays)] { return Slot(get()); };
    };
    AddCombo(242, QStringLiteral("Line Style"), PenStyleNames(), slotOf(GPlotLineStyle), InOf(MapLineStyle()),
             OutOf(MapLineStyle()));
    AddCombo(247, QStringLiteral("Bar Hatch"), HatchNames(), slotOf(GPlotBarHatch), InOf(MapHatch()),
             OutOf(MapHatch()));
}

std::function<Long*()> CGPlotPPg::CurrentGroupOf(std::vector<LongArray>& arrays) {
    return [this, &arrays] { return ElementAt(*ElementAt(arrays, current_), group_); };
}

int CGPlotPPg::ClampItem(int index) const {
    return ClampIndex(index, GetMaxDataSets());
}

void CGPlotPPg::ApplyEnableRules() {
    const int type = *ElementAt(GPlotType, current_);
    const bool bars = type >= 0 && type <= 3;
    const bool hiLo = type == 6;
    const bool errors = type == 7;
    const bool lines = !bars && !hiLo && !errors;
    SetEnabled(kBars, bars);
    SetEnabled(kShape, hiLo);
    SetEnabled(kStyle, hiLo);
    SetEnabled(kSize, hiLo || errors);
    SetEnabled(kLineWidth, !bars);
    SetEnabled(kLineStyle, errors || lines);
    SetEnabled(kAreaFill, lines);
}

void CGPlotPPg::OnComboChosen(int id) {
    if (id == 355) {
        ApplyEnableRules();
    }
}

void CGPlotPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeGroupPlotPage(this, GPlotRefAxes, GPlotType, GPlotLineStyle, GPlotLineColor, GPlotBarType,
                                 GPlotBarJustify, GPlotBarHatch, GPlotAreaFill, GPlotBarWidth,
                                 GPlotLineThickness, GPlotScatterStyle, GPlotScatterSize, GPlotScatterShape,
                                 save);
}

} // namespace pages
