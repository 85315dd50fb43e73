#include "CZENTPropPage.h"

#include "PageDialogs.h"
#include "PageLimits.h"

#include <MessageBox.h>

namespace pages {

namespace {

const std::pair<double, double> kFraction{0.0, 1.0};

FileDialogOptions ChartFileDialog(bool save) {
    return {save, QStringLiteral("SER"), QStringLiteral("Graph"),
            QStringLiteral("Serialization Files|*.SER||")};
}

} // namespace

CZENTPropPage::CZENTPropPage(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::General, target, parent) {
    // The read-back checks the plot-area edges in this order.
    AddSection(QStringLiteral("Position in Normalized (0-1) Coordinates"));
    AddEdit(204, QStringLiteral("Bottom"), FieldKind::EditDouble, ValueSlot(BottomPlotArea), kFraction);
    AddEdit(205, QStringLiteral("Left"), FieldKind::EditDouble, ValueSlot(LeftPlotArea), kFraction);
    AddEdit(206, QStringLiteral("Right"), FieldKind::EditDouble, ValueSlot(RightPlotArea), kFraction);
    AddEdit(339, QStringLiteral("Top"), FieldKind::EditDouble, ValueSlot(TopPlotArea), kFraction);
    EndSection();
    AddColor(200, QStringLiteral("Graph Window"), [this] { return &WindowBackgroundColor; });
    AddColor(201, QStringLiteral("Plot Area"), [this] { return &PlotBackgroundColor; });
    NextColumn();
    AddSection(QStringLiteral("Border"));
    AddCombo(253, QStringLiteral("Style"),
             {QStringLiteral("Flat"), QStringLiteral("High"), QStringLiteral("Deep"), QStringLiteral("Low"),
              QStringLiteral("Shallow"), QStringLiteral("3D Border"), QStringLiteral("None"), QString(),
              QString()},
             ValueSlot(WindowBorderStyle));
    AddEdit(208, QStringLiteral("Width"), FieldKind::EditLong, ValueSlot(WindowBorderThickness),
            std::pair<double, double>{0, 50});
    AddColor(202, QStringLiteral("Border"), [this] { return &WindowBorderColor; });
    AddSection(QStringLiteral("Titles"));
    AddSelector(328, QStringLiteral("Title"),
                {QStringLiteral("Main Header"), QStringLiteral("Sub Head"), QStringLiteral("Footer")});
    AddEdit(329, QStringLiteral("Text"), FieldKind::EditText, CurrentSlot(TitleString));
    AddFont(330, QString(),
            {Current(TitleFont), Current(TitleFontStyle), Current(TitleFontSize), Current(TitleColor)});
    AddColor(331, QString(), Current(TitleColor));
    AddSection(QStringLiteral("Serialize"));
    AddButton(335, QStringLiteral("Load"), [this] { OnLoad(); });
    AddButton(336, QStringLiteral("Save"), [this] { OnSave(); });
}

int CZENTPropPage::ClampItem(int index) const {
    return ClampIndex(index, 3);
}

void CZENTPropPage::ExchangeValues(CPageExchangeTarget& target, int save) {
    target.ExchangeGeneralPage(this, WindowBorderColor, WindowBackgroundColor, PlotBackgroundColor,
                               WindowBorderStyle, WindowBorderThickness, TopPlotArea, RightPlotArea,
                               LeftPlotArea, BottomPlotArea, TitleString, TitleFont, TitleColor,
                               TitleFontStyle, TitleFontSize, save);
}

void CZENTPropPage::OnLoad() {
    const QString path = ChooseFile(ChartFileDialog(false), this);
    if (path.isEmpty()) {
        return;
    }
    LastFilePath = path;
    // The control tells why, when it knows (memory, limits); the page tells which file stayed out.
    if (!GetPageControl()->LoadFromFile(path)) {
        msgbox::MsgBox(QStringLiteral("The file was not loaded: ") + path, msgbox::vbExclamation, QString(),
                       this);
    }
    ReloadFromControl();
}

void CZENTPropPage::OnSave() {
    const QString path = ChooseFile(ChartFileDialog(true), this);
    if (path.isEmpty()) {
        return;
    }
    LastFilePath = path;
    // A refused value keeps the control's settings; the file then holds those.
    UpdateData(true);
    if (!GetPageControl()->SaveToFile(path)) {
        ReportUnsavedFile(path);
    }
}

} // namespace pages
