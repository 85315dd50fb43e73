#include "CEventPPg.h"

#include "CodeMaps.h"

namespace pages {

namespace {

// Position combos: a stored value outside the list shows the first entry ("Disabled", "None").
std::function<int(int)> PositionOut(int count) {
    return [count](int code) { return code >= 0 && code < count ? code : 0; };
}

} // namespace

CEventPPg::CEventPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::Events, target, parent) {
    AddCombo(297, QStringLiteral("Show Property Page"),
             {QStringLiteral("Disabled"), QStringLiteral("Left Double Click"),
              QStringLiteral("Right DoubleClick")},
             ValueSlot(EventShowPropPage), InOf(MapDblClickEvent()), OutOf(MapDblClickEvent()));
    AddSection(QStringLiteral("Cross Hair Cursor"));
    AddCombo(
        299, QStringLiteral("Event"),
        {QStringLiteral("Disabled"), QStringLiteral("Left Button Drag"), QStringLiteral("Right Button Drag")},
        ValueSlot(EventRetrieveDataValue), {}, PositionOut(3));
    AddCombo(302, QStringLiteral("Style"),
             {QStringLiteral("None"), QStringLiteral("Graph  Area Cross-Hair"),
              QStringLiteral("Plot  Area Cross-Hair"), QStringLiteral("Small Cross-Hair")},
             ValueSlot(EventDataCursorType), {}, PositionOut(4));
    AddSection(QStringLiteral("Zooming"));
    AddCombo(
        298, QStringLiteral("Zoom Event"),
        {QStringLiteral("Disabled"), QStringLiteral("Left Button Drag"), QStringLiteral("Right Button Drag")},
        ValueSlot(EventZoom), InOf(MapDragEvent()), OutOf(MapDragEvent()));
    AddCombo(
        315, QStringLiteral("Zoom Reset"),
        {QStringLiteral("Disabled"), QStringLiteral("LDblClk Plot Area"), QStringLiteral("RDblClk PlotArea")},
        ValueSlot(EventZoomReset), InOf(MapDblClickEvent()), OutOf(MapDblClickEvent()));
    NextColumn();
    AddSection(QStringLiteral("Zoom X"));
    AddCheck(300, QStringLiteral("Enable"), ValueSlot(EventZoomX));
    AddCheck(303, QStringLiteral("Round Close"), ValueSlot(EventZoomXRoundMode));
    AddSubSection(QStringLiteral("Reset Values"));
    AddEdit(365, QStringLiteral("Min"), FieldKind::EditDouble, ValueSlot(EventZoomResetMinX));
    AddEdit(366, QStringLiteral("Max"), FieldKind::EditDouble, ValueSlot(EventZoomResetMaxX));
    AddSection(QStringLiteral("Zoom Y"));
    AddCheck(301, QStringLiteral("Enable"), ValueSlot(EventZoomY));
    AddCheck(304, QStringLiteral("Round Close"), ValueSlot(EventZoomYRoundMode));
    AddSubSection(QStringLiteral("Reset Values"));
    AddEdit(292, QStringLiteral("Min"), FieldKind::EditDouble, ValueSlot(EventZoomResetMinY));
    AddEdit(364, QStringLiteral("Max"), FieldKind::EditDouble, ValueSlot(EventZoomResetMaxY));
}

void CEventPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeEventPage(this, EventZoom, EventShowPropPage, EventRetrieveDataValue, EventDataCursorType,
                             EventZoomX, EventZoomXRoundMode, EventZoomY, EventZoomYRoundMode, EventZoomReset,
                             EventZoomResetMinX, EventZoomResetMinY, EventZoomResetMaxX, EventZoomResetMaxY,
                             save);
}

} // namespace pages
