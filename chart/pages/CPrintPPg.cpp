#include "CPrintPPg.h"

#include "CodeMaps.h"

namespace pages {

CPrintPPg::CPrintPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::Print, target, parent) {
    AddCheck(317, QStringLiteral("Graph Window Background"), ValueSlot(PrintGraphBackground));
    AddCheck(318, QStringLiteral("Plotting Area Background"), ValueSlot(PrintPlotBackground));
    AddCheck(319, QStringLiteral("Border"), ValueSlot(PrintBorder));
    AddCheck(320, QStringLiteral("Maintain Aspect Ratio"), ValueSlot(PrintMaintainAspectRatio));
    AddCombo(321, QStringLiteral("Printing Style"),
             {QStringLiteral("Print Full"), QStringLiteral("Print Proportionate"),
              QStringLiteral("Print Exact"), QStringLiteral("Position On Page ->")},
             ValueSlot(PrintStyle), InOf(MapPrintStyle()), OutOf(MapPrintStyle()));
    NextColumn();
    AddSection(QStringLiteral("Position on Printed Page"));
    AddEdit(322, QStringLiteral("Top"), FieldKind::EditDouble, ValueSlot(PrintTop));
    AddEdit(323, QStringLiteral("Left"), FieldKind::EditDouble, ValueSlot(PrintLeft));
    AddEdit(324, QStringLiteral("Right"), FieldKind::EditDouble, ValueSlot(PrintRight));
    AddEdit(325, QStringLiteral("Bottom"), FieldKind::EditDouble, ValueSlot(PrintBottom));
    EndSection();
    AddButton(326, QStringLiteral("Printer Setup"), [this] { GetPageControl()->PrinterSetup(); });
    AddButton(327, QStringLiteral("Print"), [this] { OnPrint(); });
    AddButton(337, QStringLiteral("Save as Metafile"), [this] { OnSaveMetafile(); });
}

void CPrintPPg::OnPrint() {
    UpdateData(true);
    GetPageControl()->PrintPage();
}

void CPrintPPg::OnSaveMetafile() {
    UpdateData(true);
    GetPageControl()->SavePageMetaDefault();
}

void CPrintPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangePrintPage(this, PrintStyle, PrintBorder, PrintMaintainAspectRatio, PrintPlotBackground,
                             PrintGraphBackground, PrintBottom, PrintLeft, PrintRight, PrintTop, save);
}

} // namespace pages
