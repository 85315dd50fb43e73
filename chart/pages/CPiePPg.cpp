#include "CPiePPg.h"

#include "CodeMaps.h"
#include "CSPlotPPg.h"
#include "PageLimits.h"

#include <ChartModel.h>
#include <QLineEdit>

namespace pages {

CPiePPg::CPiePPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::Pie, target, parent) {
    AddDataSetList(291, QStringLiteral("Data"), 2);
    AddCheck(274, QStringLiteral("3D Look"), CurrentSlot(Pie3DLook));
    AddEdit(277, QStringLiteral("Diameter"), FieldKind::EditDouble, CurrentSlot(PieDiameter));
    AddEdit(279, QStringLiteral("X"), FieldKind::EditDouble, CurrentSlot(PieCenterX));
    AddEdit(280, QStringLiteral("Y"), FieldKind::EditDouble, CurrentSlot(PieCenterY));
    AddCombo(276, QStringLiteral("Numeric Style"),
             {QStringLiteral("No Numbers"), QStringLiteral("% Relative"), QStringLiteral("Actual Value"),
              QStringLiteral("% Relative & Value")},
             CurrentSlot(PieNumericStyle));
    AddFont(281, QString(),
            {Current(PieNumericFont), Current(PieFontStyle), Current(PieFontSize), Current(PieFontColor)});
    AddCheck(275, QStringLiteral("Labels Out"), CurrentSlot(PieNumberPos));
    NextColumn();
    AddSection(QStringLiteral("Slice"));
    PageField& slice = AddSubItemSpin(282, QStringLiteral("Slice #"), GetMaxGroups(), slice_);
    slice.widget->findChild<QLineEdit*>()->setObjectName(ControlName(290));
    PageField& label =
        AddEdit(362, QStringLiteral("String"), FieldKind::EditText, CurrentSliceSlot(PieSliceLabel));
    // A slice label goes to the engine in a fixed line slot.
    static_cast<QLineEdit*>(label.widget)->setMaxLength(chart::kLineSlotBytes - 1);
    AddEdit(278, QStringLiteral("Explode %"), FieldKind::EditDouble, CurrentSliceSlot(PieSliceExplode));
    AddColor(359, QStringLiteral("Fill"), CurrentSliceOf(PieSliceFillColor));
    AddColor(283, QStringLiteral("Border"), CurrentSliceOf(PieSliceBorderColor));
    AddCombo(284, QStringLiteral("Hatch"), HatchNames(), CurrentSliceSlot(PieSliceHatch), InOf(MapHatch()),
             OutOf(MapHatch()));
}

int CPiePPg::ClampItem(int index) const {
    return ClampIndex(index, GetMaxDataSets());
}

void CPiePPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangePiePage(this, PieNumericStyle, Pie3DLook, PieNumberPos, PieCenterX, PieCenterY,
                           PieDiameter, PieSliceHatch, PieSliceFillColor, PieSliceBorderColor,
                           PieSliceExplode, PieSliceLabel, PieNumericFont, PieFontStyle, PieFontSize,
                           PieFontColor, save);
}

} // namespace pages
