// Which control of a page shows and edits which property, checked through the control as a
// container sees it: every property gets a value of its own through dispatch, the property frame
// opens and each control must show its own property's value; then every control gets a new value,
// OK, and each property read through dispatch must hold its own control's value. A control bound
// to the wrong property, or a page, exchange or dispatch entry that mixes two up, fails a row.
#include "BindingRows.h"
#include "CPropertyFrame.h"
#include "CSDataPPg.h"
#include "CZENTCtrl.h"
#include "PageDialogs.h"

#include <Kestran.h>
#include <VariantChange.h>

#include <gtest/gtest.h>

#include <deque>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace pages;
using automation::Variant;

namespace {

using namespace bindingtest;

class BindingTable : public ::testing::Test {
protected:
    ~BindingTable() override {
        SetColorChooser({});
        SetFontChooser({});
    }

    // What the control shows, through the dialog it opens where it has no text of its own.
    Value Shown(CPropertyPage& page, const Binding& b) {
        switch (b.ctl) {
        case Ctl::Edit:
            return Keep(page.ControlAs<QLineEdit>(b.id)->text());
        case Ctl::Lines:
            return Keep(page.ControlAs<QPlainTextEdit>(b.id)->toPlainText());
        case Ctl::Check:
            return page.ControlAs<QCheckBox>(b.id)->isChecked() ? 1.0 : 0.0;
        case Ctl::Combo:
            return double(page.ControlAs<QComboBox>(b.id)->currentIndex());
        case Ctl::Cell: {
            const auto [row, column] = CellOf(b.prop);
            return Keep(static_cast<CSDataPPg&>(page).Grid()->TextMatrix(row, column));
        }
        case Ctl::Color: {
            std::int32_t seed = -1;
            SetColorChooser([&](std::int32_t& color, QWidget*) {
                seed = color;
                return false;
            });
            Press(page, b.id);
            return double(seed);
        }
        default: {
            FontChoice seed;
            SetFontChooser([&](FontChoice& choice, QWidget*) {
                seed = choice;
                return false;
            });
            Press(page, b.id);
            if (b.ctl == Ctl::Face) {
                return Keep(seed.font.faceName);
            }
            return b.ctl == Ctl::Style  ? double(FontStyleFromDialog(seed.font))
                   : b.ctl == Ctl::Size ? double(seed.sizeTenths / 10)
                                        : double(seed.color);
        }
        }
    }

    // The user's change, as the control's own signals carry it.
    void Change(CPropertyPage& page, const Binding& b) {
        const Value& v = b.typed;
        switch (b.ctl) {
        case Ctl::Edit: {
            auto* edit = page.ControlAs<QLineEdit>(b.id);
            edit->setText(Text(v));
            emit edit->textEdited(edit->text());
            break;
        }
        case Ctl::Lines:
            page.ControlAs<QPlainTextEdit>(b.id)->setPlainText(Text(v));
            break;
        case Ctl::Check: {
            auto* check = page.ControlAs<QCheckBox>(b.id);
            check->setChecked(v.number != 0);
            emit check->clicked(check->isChecked());
            break;
        }
        case Ctl::Combo: {
            auto* combo = page.ControlAs<QComboBox>(b.id);
            const int position = static_cast<int>(v.number);
            combo->setCurrentIndex(position);
            emit combo->activated(position);
            break;
        }
        case Ctl::Cell: {
            auto& data = static_cast<CSDataPPg&>(page);
            const auto [row, column] = CellOf(b.prop);
            data.Grid()->SetCurrentCell(row, column);
            data.CellEditor()->setText(Text(v));
            emit data.CellEditor()->textEdited(data.CellEditor()->text());
            break;
        }
        case Ctl::Color:
            SetColorChooser([&](std::int32_t& color, QWidget*) {
                color = static_cast<std::int32_t>(v.number);
                return true;
            });
            Press(page, b.id);
            break;
        default:
            SetFontChooser([&](FontChoice& choice, QWidget*) {
                if (b.ctl == Ctl::Face) {
                    choice.font.faceName = Text(v);
                } else if (b.ctl == Ctl::Style) {
                    choice.font = MakeLogFont(choice.font.faceName, static_cast<Long>(v.number));
                } else if (b.ctl == Ctl::Size) {
                    choice.sizeTenths = static_cast<int>(v.number) * 10;
                } else {
                    choice.color = static_cast<std::int32_t>(v.number);
                }
                return true;
            });
            Press(page, b.id);
            break;
        }
    }

    static void ExpectSame(const Value& expected, const Value& actual, const Binding& b, const char* what) {
        ASSERT_EQ(actual.isNumber, expected.isNumber) << b.prop.name << " " << what;
        if (expected.isNumber) {
            EXPECT_DOUBLE_EQ(actual.number, expected.number)
                << "control " << b.id << " / " << b.prop.name << " " << what;
        } else {
            EXPECT_STREQ(actual.text, expected.text)
                << "control " << b.id << " / " << b.prop.name << " " << what;
        }
    }

    // Both directions for every row of one page.
    void Check(PageKind kind, const std::vector<Binding>& rows) {
        CZENTCtrl control;
        for (const Binding& b : rows) {
            Put(control, b.prop, b.put);
        }
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* frame = dynamic_cast<CPropertyFrame*>(QApplication::activeModalWidget());
            if (frame == nullptr) {
                return;
            }
            opened = true;
            frame->Tabs()->setCurrentIndex(static_cast<int>(kind));
            CPropertyPage& page = *frame->Page(kind);
            for (const Binding& b : rows) {
                ExpectSame(b.shown, Shown(page, b), b, "shown");
            }
            for (const Binding& b : rows) {
                if (!b.typed.None()) {
                    Change(page, b);
                }
            }
            frame->OkButton()->click();
            if (frame->isVisible()) {
                ADD_FAILURE() << "the frame refused OK";
                frame->reject();
            }
        });
        control.ShowPropertyFrame();
        ASSERT_TRUE(opened);
        for (const Binding& b : rows) {
            if (b.typed.None()) {
                continue;
            }
            const Variant value = Get(control, b.prop);
            if (!b.stored.isNumber) {
                ExpectSame(b.stored, Keep(QString::fromStdString(value.AsStr())), b, "stored");
            } else {
                const double n = Number(value);
                ExpectSame(b.stored, b.ctl == Ctl::Check ? double(n != 0) : n, b, "stored");
            }
        }
    }

    // Texts read back live as long as the test.
    Value Keep(const QString& text) {
        kept_.push_back(text.toUtf8());
        return kept_.back().constData();
    }

    std::deque<QByteArray> kept_;
};

using C = Ctl;

// Check boxes pair their shown and typed states (0,1), (1,0), (0,0), (1,1) so that any two boxes of
// a page differ in one direction at least.

TEST_F(BindingTable, General) {
    Check(PageKind::General,
          {
              {339, C::Edit, {"TopPlotArea", 7, {}}, 0.11, "0.11", "0.12", 0.12},
              {205, C::Edit, {"LeftPlotArea", 2, {}}, 0.21, "0.21", "0.22", 0.22},
              {206, C::Edit, {"RightPlotArea", 3, {}}, 0.81, "0.81", "0.82", 0.82},
              {204, C::Edit, {"BottomPlotArea", 6, {}}, 0.91, "0.91", "0.92", 0.92},
              {200, C::Color, {"WindowBackgroundColor", 9, {}}, 0x010203, 0x010203, 0x040506, 0x040506},
              {201, C::Color, {"PlotBackgroundColor", 1, {}}, 0x111213, 0x111213, 0x141516, 0x141516},
              {253, C::Combo, {"WindowBorderStyle", 10, {}}, 5, 5, 8, 8},
              {208, C::Edit, {"WindowBorderThickness", 11, {}}, 7, "7", "9", 9},
              {202, C::Color, {"WindowBorderColor", 8, {}}, 0x212223, 0x212223, 0x242526, 0x242526},
              {329, C::Edit, {"TitleString", 118, {0}}, "Loss", "Loss", "Gain", "Gain"},
              {330, C::Face, {"TitleFont", 119, {0}}, "Arial", "Arial", "Courier New", "Courier New"},
              {330, C::Style, {"TitleFontStyle", 121, {0}}, 2, 2, 5, 5},
              {330, C::Size, {"TitleFontSize", 122, {0}}, 14, 14, 18, 18},
              {330, C::FontColor, {"TitleColor", 120, {0}}, 0x313233, 0x313233, kNone, kNone},
              {331, C::Color, {"TitleColor", 120, {0}}, 0x313233, 0x313233, 0x343536, 0x343536},
          });
}

TEST_F(BindingTable, Axis) {
    Check(PageKind::Axis, {
                              {216, C::Check, {"AxisEnable", 86, {0}}, 0, 0, 1, 1},
                              {211, C::Edit, {"AxisMin", 83, {0}}, -1.5, "-1.5", "-2.5", -2.5},
                              {214, C::Edit, {"AxisMax", 84, {0}}, 11.5, "11.5", "12.5", 12.5},
                              {226, C::Combo, {"AxisScaleMode", 89, {0}}, 1, 1, 0, 0},
                              {224, C::Edit, {"AxisIntercept", 90, {0}}, 0.75, "0.75", "1.75", 1.75},
                              {295, C::Check, {"AxisAutoAxis", 170, {0}}, 1, 1, 0, 0},
                              {218, C::Check, {"AxisInterceptTrack", 87, {0}}, 0, 0, 0, 0},
                              {239, C::Edit, {"AxisMajorTickInterval", 94, {0}}, 2.25, "2.25", "3.25", 3.25},
                              {237, C::Edit, {"AxisMinorTicks", 93, {0}}, 3, "3", "6", 6},
                              {228, C::Combo, {"AxisTickStyle", 95, {0}}, 4, 2, 1, 3},
                              {234, C::Edit, {"AxisLineWidth", 92, {0}}, 2, "2", "4", 4},
                              {217, C::Color, {"AxisColor", 91, {0}}, 0x0A0B0C, 0x0A0B0C, 0x0D0E0F, 0x0D0E0F},
                          });
}

TEST_F(BindingTable, AxisLabels) {
    Check(PageKind::AxisLabels,
          {
              {332, C::Check, {"AxisLabelsEnable", 88, {0}}, 0, 0, 1, 1},
              {232, C::Combo, {"AxisNumericStyle", 102, {0}}, 3, 3, 5, 5},
              {241, C::Edit, {"AxisLabelDecs", 97, {0}}, 2, "2", "3", 3},
              {233, C::Combo, {"AxisLabelPos", 96, {0}}, 0, 0, 2, 4},
              {227, C::Face, {"AxisLabelFont", 99, {0}}, "Arial", "Arial", "Courier New", "Courier New"},
              {227, C::Style, {"AxisLabelFontStyle", 100, {0}}, 1, 1, 2, 2},
              {227, C::Size, {"AxisLabelFontSize", 101, {0}}, 9, 9, 11, 11},
              {227, C::FontColor, {"AxisLabelColor", 98, {0}}, 0x4142, 0x4142, kNone, kNone},
              {223, C::Color, {"AxisLabelColor", 98, {0}}, 0x4142, 0x4142, 0x4344, 0x4344},
              {257, C::Check, {"AxisLabelStringsEnable", 107, {0}}, 1, 1, 0, 0},
              {256, C::Lines, {"AxisLabelStrings", 105, {0}}, "Lo\r\nHi", "Lo\nHi", "A\nB", "A\r\nB"},
              {245, C::Edit, {"AxisTitleString", 103, {0}}, "Distance", "Distance", "Range", "Range"},
              {225,
               C::Face,
               {"AxisTitleFont", 104, {0}},
               "Times New Roman",
               "Times New Roman",
               "Verdana",
               "Verdana"},
              {225, C::Style, {"AxisTitleFontStyle", 110, {0}}, 4, 4, 3, 3},
              {225, C::Size, {"AxisTitleFontSize", 111, {0}}, 12, 12, 16, 16},
              {225, C::FontColor, {"AxisTitleColor", 109, {0}}, 0x5152, 0x5152, kNone, kNone},
              {229, C::Color, {"AxisTitleColor", 109, {0}}, 0x5152, 0x5152, 0x5354, 0x5354},
          });
}

TEST_F(BindingTable, Grids) {
    Check(PageKind::Grids, {
                               {209, C::Check, {"AxisGridEnable", 113, {0}}, 0, 0, 1, 1},
                               {341, C::Combo, {"AxisGridType", 117, {0}}, 2, 2, 1, 1},
                               {210, C::Combo, {"AxisGridLineStyle", 116, {0}}, 3, 3, 4, 4},
                               {207, C::Edit, {"AxisGridLineWidth", 115, {0}}, 3, "3", "5", 5},
                               {342, C::Color, {"AxisGridColor", 114, {0}}, 0x6162, 0x6162, 0x6364, 0x6364},
                           });
}

TEST_F(BindingTable, Data) {
    // Groups before points: the point count lays Y out for the groups.
    Check(PageKind::Data, {
                              {361, C::Check, {"SDataEnable", 152, {0}}, 0, 0, 1, 1},
                              {285, C::Edit, {"SDataName", 151, {0}}, "Loss", "Loss", "Gain", "Gain"},
                              {261, C::Combo, {"SDataType", 153, {0}}, 0, 0, 1, 1},
                              {260, C::Edit, {"SDataNumGroups", 154, {0}}, 2, "2", "3", 3},
                              {258, C::Edit, {"SDataNumPlotPoints", 150, {0}}, 3, "3", "4", 4},
                              {255, C::Cell, {"XDataValues", 174, {0, 1}}, 1.5, "1.5", "2.5", 2.5},
                              {255, C::Cell, {"YDataValues", 175, {0, 2, 1}}, 7.25, "7.25", "8.25", 8.25},
                              {255, C::Cell, {"YDataValues", 175, {0, 0, 0}}, -3, "-3", "4e3", 4000},
                          });
}

TEST_F(BindingTable, SimplePlots) {
    Check(PageKind::SimplePlots, {
                                     {345, C::Combo, {"SPlotType", 124, {0}}, 2, 2, 1, 1},
                                     {219, C::Combo, {"SPlotRefAxes", 125, {0}}, 1, 1, 0, 0},
                                     {220, C::Color, {"SPlotLineColor", 126, {0}}, 0x71, 0x71, 0x72, 0x72},
                                     {221, C::Combo, {"SPlotLineStyle", 139, {0}}, 2, 2, 3, 3},
                                     {348, C::Edit, {"SPlotLineThickness", 127, {0}}, 3, "3", "4", 4},
                                     {349, C::Check, {"SPlotAreaFill", 128, {0}}, 0, 0, 1, 1},
                                     {222, C::Color, {"SPlotBarColor", 130, {0}}, 0x81, 0x81, 0x82, 0x82},
                                     {351, C::Combo, {"SPlotBarType", 129, {0}}, 9, 3, 2, 7},
                                     {350, C::Edit, {"SPlotBarWidth", 133, {0}}, 0.6, "0.6", "0.7", 0.7},
                                     {230, C::Combo, {"SPlotBarHatch", 132, {0}}, 4, 5, 2, 1},
                                     {231, C::Combo, {"SPlotBarJustify", 131, {0}}, 3, 1, 2, 4},
                                     {347, C::Color, {"SPlotScatterColor", 134, {0}}, 0x91, 0x91, 0x92, 0x92},
                                     {352, C::Combo, {"SPlotScatterShape", 135, {0}}, 7, 7, 8, 8},
                                     {353, C::Edit, {"SPlotScatterSize", 136, {0}}, 5, "5", "6", 6},
                                     {236, C::Check, {"SPlotScatterDrop", 137, {0}}, 1, 1, 0, 0},
                                     {235, C::Check, {"SPlotScatterLine", 138, {0}}, 0, 0, 0, 0},
                                     {262, C::Check, {"SPlotScatterStyle", 169, {0}}, 1, 1, 1, 1},
                                 });
}

TEST_F(BindingTable, GroupPlots) {
    Check(PageKind::GroupPlots, {
                                    {355, C::Combo, {"GPlotType", 140, {0}}, 6, 5, 6, 7},
                                    {250, C::Combo, {"GPlotRefAxes", 142, {0}}, 1, 1, 0, 0},
                                    {243, C::Check, {"GPlotAreaFill", 143, {0}}, 0, 0, 1, 1},
                                    {249, C::Edit, {"GPlotLineThickness", 147, {0, 0}}, 2, "2", "3", 3},
                                    {358, C::Combo, {"GPlotBarType", 144, {0}}, 8, 1, 3, 9},
                                    {248, C::Combo, {"GPlotBarJustify", 149, {0}}, 4, 2, 0, 0},
                                    {246, C::Edit, {"GPlotBarWidth", 176, {0}}, 0.55, "0.55", "0.65", 0.65},
                                    {305, C::Combo, {"GPlotScatterShape", 173, {0}}, 4, 4, 9, 9},
                                    {306, C::Edit, {"GPlotScatterSize", 172, {0}}, 6, "6", "8", 8},
                                    {307, C::Check, {"GPlotScatterStyle", 171, {0}}, 1, 1, 0, 0},
                                    {357, C::Color, {"GPlotLineColor", 145, {0, 0}}, 0xA1, 0xA1, 0xA2, 0xA2},
                                    {242, C::Combo, {"GPlotLineStyle", 146, {0, 0}}, 1, 1, 4, 4},
                                    {247, C::Combo, {"GPlotBarHatch", 148, {0, 0}}, 0, 1, 3, 2},
                                });
}

TEST_F(BindingTable, Legend) {
    Check(PageKind::Legend,
          {
              {333, C::Combo, {"SLegendType", 34, {}}, 1, 1, 0, 0},
              {272, C::Check, {"SLegendEnable", 46, {}}, 0, 0, 1, 1},
              {263, C::Edit, {"SLegendTop", 35, {}}, 0.05, "0.05", "0.06", 0.06},
              {264, C::Edit, {"SLegendLeft", 37, {}}, 0.65, "0.65", "0.66", 0.66},
              {265, C::Edit, {"SLegendRight", 38, {}}, 0.95, "0.95", "0.96", 0.96},
              {266, C::Edit, {"SLegendBottom", 36, {}}, 0.35, "0.35", "0.36", 0.36},
              {267, C::Color, {"SLegendBackgroundColor", 39, {}}, 0xB1, 0xB1, 0xB2, 0xB2},
              {268, C::Color, {"SLegendBorderColor", 40, {}}, 0xC1, 0xC1, 0xC2, 0xC2},
              {269, C::Edit, {"SLegendBorderThickness", 41, {}}, 2, "2", "3", 3},
              {257,
               C::Lines,
               {"SLegendStrings", 47, {}},
               "Hata\r\nCOST",
               "Hata\nCOST",
               "Free\nSpace",
               "Free\r\nSpace"},
              {270, C::Check, {"SLegendOrientation", 45, {}}, 1, 1, 0, 0},
              {271, C::Face, {"SLegendFont", 42, {}}, "Arial", "Arial", "Courier New", "Courier New"},
              {271, C::Style, {"SLegendFontStyle", 43, {}}, 2, 2, 1, 1},
              {271, C::Size, {"SLegendFontSize", 48, {}}, 10, 10, 12, 12},
              {271, C::FontColor, {"SLegendFontColor", 44, {}}, 0xD1, 0xD1, 0xD2, 0xD2},
          });
}

TEST_F(BindingTable, PieChart) {
    Check(PageKind::Pie,
          {
              {274, C::Check, {"Pie3DLook", 156, {0}}, 1, 1, 0, 0},
              {277, C::Edit, {"PieDiameter", 159, {0}}, 0.45, "0.45", "0.55", 0.55},
              {279, C::Edit, {"PieCenterX", 157, {0}}, 0.3, "0.3", "0.35", 0.35},
              {280, C::Edit, {"PieCenterY", 158, {0}}, 0.6, "0.6", "0.65", 0.65},
              {276, C::Combo, {"PieNumericStyle", 155, {0}}, 2, 2, 3, 3},
              {281, C::Face, {"PieNumericFont", 165, {0}}, "Arial", "Arial", "Courier New", "Courier New"},
              {281, C::Style, {"PieFontStyle", 166, {0}}, 4, 4, 6, 6},
              {281, C::Size, {"PieFontSize", 167, {0}}, 8, 8, 9, 9},
              {281, C::FontColor, {"PieFontColor", 168, {0}}, 0xE1, 0xE1, 0xE2, 0xE2},
              {275, C::Check, {"PieNumberPos", 0, {0}}, 0, 0, 1, 1},
              {362, C::Edit, {"PieSliceLabel", 164, {0, 0}}, "North", "North", "South", "South"},
              {278, C::Edit, {"PieSliceExplode", 163, {0, 0}}, 10, "10", "15", 15},
              {359, C::Color, {"PieSliceFillColor", 160, {0, 0}}, 0xF1, 0xF1, 0xF2, 0xF2},
              {283, C::Color, {"PieSliceBorderColor", 162, {0, 0}}, 0xF3, 0xF3, 0xF4, 0xF4},
              {284, C::Combo, {"PieSliceHatch", 161, {0, 0}}, 2, 3, 4, 3},
          });
}

TEST_F(BindingTable, Print) {
    Check(PageKind::Print, {
                               {317, C::Check, {"PrintGraphBackground", 29, {}}, 0, 0, 1, 1},
                               {318, C::Check, {"PrintPlotBackground", 28, {}}, 1, 1, 0, 0},
                               {319, C::Check, {"PrintBorder", 26, {}}, 0, 0, 0, 0},
                               {320, C::Check, {"PrintMaintainAspectRatio", 27, {}}, 1, 1, 1, 1},
                               {321, C::Combo, {"PrintStyle", 25, {}}, 3, 3, 1, 1},
                               {322, C::Edit, {"PrintTop", 33, {}}, 0.1, "0.1", "0.15", 0.15},
                               {323, C::Edit, {"PrintLeft", 30, {}}, 0.2, "0.2", "0.25", 0.25},
                               {324, C::Edit, {"PrintRight", 32, {}}, 0.8, "0.8", "0.85", 0.85},
                               {325, C::Edit, {"PrintBottom", 31, {}}, 0.9, "0.9", "0.95", 0.95},
                           });
}

TEST_F(BindingTable, Events) {
    Check(PageKind::Events, {
                                {297, C::Combo, {"EventShowPropPage", 13, {}}, 518, 2, 1, 515},
                                {299, C::Combo, {"EventRetrieveDataValue", 14, {}}, 1, 1, 2, 2},
                                {302, C::Combo, {"EventDataCursorType", 15, {}}, 3, 3, 2, 2},
                                {298, C::Combo, {"EventZoom", 12, {}}, 516, 2, 1, 513},
                                {315, C::Combo, {"EventZoomReset", 20, {}}, 515, 1, 2, 518},
                                {300, C::Check, {"EventZoomX", 19, {}}, 0, 0, 1, 1},
                                {303, C::Check, {"EventZoomXRoundMode", 17, {}}, 1, 1, 0, 0},
                                {365, C::Edit, {"EventZoomResetMinX", 21, {}}, -5, "-5", "-6", -6},
                                {366, C::Edit, {"EventZoomResetMaxX", 23, {}}, 50, "50", "60", 60},
                                {301, C::Check, {"EventZoomY", 16, {}}, 0, 0, 0, 0},
                                {304, C::Check, {"EventZoomYRoundMode", 18, {}}, 1, 1, 1, 1},
                                {292, C::Edit, {"EventZoomResetMinY", 22, {}}, -7, "-7", "-8", -8},
                                {364, C::Edit, {"EventZoomResetMaxY", 24, {}}, 70, "70", "80", 80},
                            });
}

} // namespace
