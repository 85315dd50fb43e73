#include "CSPlotPPg.h"

#include "CodeMaps.h"
#include "PageLimits.h"

namespace pages {

QStringList PenStyleNames() {
    return {QStringLiteral("PS_SOLID"), QStringLiteral("PS_DASH"), QStringLiteral("PS_DOT "),
            QStringLiteral("PS_DASHDOT"), QStringLiteral("PS_DASHDOTDOT")};
}

QStringList BarTypeNames() {
    return {QStringLiteral("2D Vert. Bar"), QStringLiteral("3D Vert. Bar"), QStringLiteral("2D Horiz. Bar"),
            QStringLiteral("3d Horiz. Bar")};
}

QStringList HatchNames() {
    return {QStringLiteral("None"),          QStringLiteral("Horizontal"), QStringLiteral("Vertical"),
            QStringLiteral("FDiagonal"),     QStringLiteral("BDiagonal"),  QStringLiteral("Cross"),
            QStringLiteral("Diagonal Cross")};
}

QStringList JustifyNames() {
    return {QStringLiteral("Min"), QStringLiteral("Center"), QStringLiteral("Max")};
}

QStringList ScatterShapeNames() {
    return {QStringLiteral("None"),        QStringLiteral("X"),
            QStringLiteral("Up Triangle"), QStringLiteral("Down Triangle"),
            QStringLiteral("Box"),         QStringLiteral("Plus"),
            QStringLiteral("Asterisk"),    QStringLiteral("Diamond"),
            QStringLiteral("Circle"),      QStringLiteral("Dot")};
}

namespace {

const std::vector<int> kLine = {220, 221, 348};
const std::vector<int> kFill = {349};
const std::vector<int> kBar = {222, 351, 350, 230, 231};
const std::vector<int> kScatter = {347, 352, 353, 236, 235, 262};

} // namespace

CSPlotPPg::CSPlotPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::SimplePlots, target, parent) {
    AddDataSetList(288, QStringLiteral("Data"), 0);
    AddCombo(
        345, QStringLiteral("Plot Type"),
        {QStringLiteral("Line Plot"), QStringLiteral("Bargraph"), QStringLiteral("Scatter Plot"), QString()},
        CurrentSlot(SPlotType));
    AddCombo(219, QStringLiteral("Reference Axes"),
             {QStringLiteral("First Axes"), QStringLiteral("Second Axes")}, CurrentSlot(SPlotRefAxes));
    AddSection(QStringLiteral("Line Plot"));
    AddColor(220, QString(), Current(SPlotLineColor));
    AddCombo(221, QStringLiteral("Style"), PenStyleNames(), CurrentSlot(SPlotLineStyle), InOf(MapLineStyle()),
             OutOf(MapLineStyle()));
    AddEdit(348, QStringLiteral("Width"), FieldKind::EditLong, CurrentSlot(SPlotLineThickness));
    AddCheck(349, QStringLiteral("Area Fill"), CurrentSlot(SPlotAreaFill));
    NextColumn();
    AddSection(QStringLiteral("Bargraph"));
    AddColor(222, QString(), Current(SPlotBarColor));
    AddCombo(351, QStringLiteral("Type"), BarTypeNames(), CurrentSlot(SPlotBarType), InOf(MapBarType()),
             OutOf(MapBarType()));
    AddEdit(350, QStringLiteral("Width"), FieldKind::EditDouble, CurrentSlot(SPlotBarWidth));
    AddCombo(230, QStringLiteral("Hatch"), HatchNames(), CurrentSlot(SPlotBarHatch), InOf(MapHatch()),
             OutOf(MapHatch()));
    AddCombo(231, QStringLiteral("Justify"), JustifyNames(), CurrentSlot(SPlotBarJustify),
             InOf(MapLabelPosition(0)), OutOf(MapLabelPosition(0)));
    NextColumn();
    AddSection(QStringLiteral("Scatter Plot"));
    AddColor(347, QString(), Current(SPlotScatterColor));
    AddCombo(352, QStringLiteral("Shape"), ScatterShapeNames(), CurrentSlot(SPlotScatterShape));
    AddEdit(353, QStringLiteral("Size"), FieldKind::EditLong, CurrentSlot(SPlotScatterSize));
    AddCheck(236, QStringLiteral("Drop"), CurrentSlot(SPlotScatterDrop));
    AddCheck(235, QStringLiteral("Line"), CurrentSlot(SPlotScatterLine));
    AddCheck(262, QStringLiteral("Style"), CurrentSlot(SPlotScatterStyle));
}

int CSPlotPPg::ClampItem(int index) const {
    return ClampIndex(index, GetMaxDataSets());
}

void CSPlotPPg::ApplyEnableRules() {
    const int type = *ElementAt(SPlotType, current_);
    SetEnabled(kLine, type != 1);
    SetEnabled(kFill, type != 1 && type != 2);
    SetEnabled(kBar, type == 1);
    SetEnabled(kScatter, type == 2);
}

void CSPlotPPg::OnComboChosen(int id) {
    if (id == 345) {
        ApplyEnableRules();
    }
}

void CSPlotPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeSimplePlotPage(
        this, SPlotType, SPlotRefAxes, SPlotLineColor, SPlotLineStyle, SPlotLineThickness, SPlotAreaFill,
        SPlotBarType, SPlotBarColor, SPlotBarJustify, SPlotBarHatch, SPlotBarWidth, SPlotScatterColor,
        SPlotScatterShape, SPlotScatterSize, SPlotScatterDrop, SPlotScatterLine, SPlotScatterStyle, save);
}

} // namespace pages
