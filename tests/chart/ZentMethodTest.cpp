#include "CZENTCtrl.h"
#include "ZENTAboutBox.h"
#include "ZENTMethods.h"
#include "ZentTestChart.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

using automation::InvokeKind;
using automation::Variant;

namespace {

class ZentMethods : public ::testing::Test {
protected:
    automation::HRESULT Call(int id, const std::vector<Variant>& args, Variant* result = nullptr) {
        return control.Invoke(id, InvokeKind::Method, args, result);
    }
    Variant Result(int id, const std::vector<Variant>& args) {
        Variant result;
        EXPECT_EQ(Call(id, args, &result), automation::S_OK) << id;
        return result;
    }
    Variant Get(int id, const std::vector<Variant>& args) {
        Variant result;
        EXPECT_EQ(control.Invoke(id, InvokeKind::PropertyGet, args, &result), automation::S_OK);
        return result;
    }

    CZENTCtrl control;
    QTemporaryDir dir;
};

TEST(ZentMethodTable, HoldsEveryMethodOnce) {
    EXPECT_EQ(zent::Methods().size(), static_cast<std::size_t>(zent::kMethodCount));
    for (int id = 51; id <= 82; ++id) {
        EXPECT_NE(zent::FindMethod(id), nullptr) << id;
    }
    EXPECT_NE(zent::FindMethod(-552), nullptr);
}

TEST_F(ZentMethods, DefineDataSetCopiesTheCallersPoints) {
    std::vector<double> x = {1, 2, 3, 4, 5}, y = {10, 20, 30, 40, 50};
    ASSERT_EQ(Call(70, {Variant::I2(3), Variant::Str("Hata"), Variant::RefR8(x[0]), Variant::RefR8(y[0]),
                        Variant::I2(5)}),
              automation::S_OK);
    x[4] = -1;
    y[4] = -1;
    EXPECT_EQ(Get(150, {Variant::I2(3)}), Variant::I4(5));
    EXPECT_EQ(Get(151, {Variant::I2(3)}), Variant::Str("Hata"));
    EXPECT_EQ(Get(174, {Variant::I2(3), Variant::I2(4)}), Variant::R8(5));
    EXPECT_EQ(Get(175, {Variant::I2(3), Variant::I2(4), Variant::I2(0)}), Variant::R8(50));
    // Defining does not enable the set.
    EXPECT_EQ(control.Model().SDataEnable[3], 0);
}

TEST_F(ZentMethods, DefineGroupDataSetStoresPointMajorGroups) {
    std::vector<double> x(10), y(30);
    for (std::size_t i = 0; i < y.size(); ++i) {
        y[i] = static_cast<double>(i + 1);
    }
    ASSERT_EQ(Call(71, {Variant::I2(0), Variant::Str("G"), Variant::R8Array(x), Variant::R8Array(y),
                        Variant::I2(10), Variant::I2(3)}),
              automation::S_OK);
    EXPECT_EQ(control.Model().SDataYData[0].size(), 30u);
    EXPECT_EQ(Get(175, {Variant::I2(0), Variant::I2(2), Variant::I2(1)}), Variant::R8(8));
}

TEST_F(ZentMethods, PointArraysShorterThanTheCountAreRefused) {
    const std::vector<std::uint8_t> before = control.SaveProperties();
    EXPECT_EQ(Call(70, {Variant::I2(0), Variant::Str("N"), Variant::R8Array({1, 2}), Variant::R8Array({1, 2}),
                        Variant::I2(3)}),
              automation::E_INVALIDARG);
    EXPECT_EQ(Call(70, {Variant::I2(32), Variant::Str("N"), Variant::R8Array({1}), Variant::R8Array({1}),
                        Variant::I2(1)}),
              automation::DISP_E_BADINDEX);
    EXPECT_EQ(Call(70, {Variant::I2(0), Variant::Str("N"), Variant::I2(1), Variant::I2(1), Variant::I2(1)}),
              automation::DISP_E_TYPEMISMATCH);
    EXPECT_EQ(control.SaveProperties(), before);
}

TEST_F(ZentMethods, SetDataCursorStoresItsSettingsAndReturnsTheIndex) {
    EXPECT_EQ(Result(52, {Variant::I2(4), Variant::I2(1), Variant::I2(1), Variant::I2(10), Variant::I2(2),
                          Variant::I2(0), Variant::I4(0xFF)}),
              Variant::I4(4));
    EXPECT_EQ(control.Model().DataCursorDefined[4], 1);
    EXPECT_EQ(control.Model().DataCursorColor[4], 0xFF);
    EXPECT_EQ(Call(52, {Variant::I2(32), Variant::I2(1), Variant::I2(1), Variant::I2(10), Variant::I2(2),
                        Variant::I2(0), Variant::I4(0)}),
              automation::DISP_E_BADINDEX);
}

TEST_F(ZentMethods, MethodsGiveTheirBoolBeforeAnyBuild) {
    EXPECT_EQ(Result(80, {}), Variant::Bool(false));                               // CopyToClipboard
    EXPECT_EQ(Result(54, {Variant::I2(0), Variant::I2(1)}), Variant::Bool(false)); // SortDataX
    EXPECT_EQ(Result(59, {Variant::I2(0)}), Variant::R8(1.0));                     // GetDatasetMaxY preset
    EXPECT_EQ(Result(56, {Variant::I2(0)}), Variant::R8(0.0));
    double x = 7, y = 7;
    EXPECT_EQ(Result(81, {Variant::I2(0), Variant::RefR8(x), Variant::RefR8(y)}), Variant::Bool(false));
    EXPECT_EQ(x, 7.0);
    EXPECT_EQ(Result(75, {Variant::Str((dir.path() + "/missing.ser").toStdString())}), Variant::Bool(false));
}

TEST_F(ZentMethods, SerializedFilesRoundTrip) {
    control.Model().TitleString[0] = QStringLiteral("Saved");
    const std::string path = (dir.path() + "/chart.ser").toStdString();
    EXPECT_EQ(Result(76, {Variant::Str(path)}), Variant::Bool(true));
    CZENTCtrl other;
    Variant result;
    ASSERT_EQ(other.Invoke(75, InvokeKind::Method, {Variant::Str(path)}, &result), automation::S_OK);
    EXPECT_EQ(result, Variant::Bool(true));
    EXPECT_EQ(other.Model().TitleString[0], QStringLiteral("Saved"));
}

TEST_F(ZentMethods, FftRoutinesWorkOnTheCallersArrays) {
    EXPECT_EQ(Result(68, {Variant::I2(8), Variant::R8(80), Variant::I2(1)}), Variant::R8(10));
    // A Hann window of five points: 0, 0.5, 1, 0.5, 0 on both arrays.
    std::vector<double> re(5, 2.0), im(5, 1.0);
    ASSERT_EQ(Call(62, {Variant::RefR8(re[0]), Variant::RefR8(im[0]), Variant::I2(5), Variant::I2(1)}),
              automation::S_OK);
    const std::vector<double> hann = {0, 0.5, 1, 0.5, 0};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(re[i], 2 * hann[i], 1e-12) << i;
        EXPECT_NEAR(im[i], hann[i], 1e-12) << i;
    }
    // One period of a sine over four samples: -2i in bin 1, 2i in bin 3; the inverse gives it back.
    std::vector<double> x = {0, 1, 0, -1}, y = {9, 9, 9, 9};
    ASSERT_EQ(Call(64, {Variant::RefR8(x[0]), Variant::RefR8(y[0]), Variant::I2(4), Variant::I2(0)}),
              automation::S_OK);
    const std::vector<double> spectrumIm = {0, -2, 0, 2};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(x[k], 0.0, 1e-12) << k;
        EXPECT_NEAR(y[k], spectrumIm[k], 1e-12) << k;
    }
    EXPECT_NEAR(
        Result(66, {Variant::RefR8(x[0]), Variant::RefR8(y[0]), Variant::I2(4), Variant::I2(3)}).AsR8(), 2.0,
        1e-12);
    EXPECT_NEAR(
        Result(67, {Variant::RefR8(x[0]), Variant::RefR8(y[0]), Variant::I2(4), Variant::I2(1)}).AsR8(),
        -std::acos(0.0), 1e-12);
    ASSERT_EQ(Call(64, {Variant::RefR8(x[0]), Variant::RefR8(y[0]), Variant::I2(4), Variant::I2(-1)}),
              automation::S_OK);
    const std::vector<double> sine = {0, 1, 0, -1};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(x[k], sine[k], 1e-12) << k;
        EXPECT_NEAR(y[k], 0.0, 1e-12) << k;
    }
    // Its power, sampled every 0.5 s: the mean square 0.5 at 1 / (4 x 0.5) = 0.5 Hz.
    std::vector<double> power = {0, 1, 0, -1}, frequency(4, 0.0);
    ASSERT_EQ(
        Call(65, {Variant::RefR8(power[0]), Variant::RefR8(frequency[0]), Variant::I2(4), Variant::R8(0.5)}),
        automation::S_OK);
    EXPECT_NEAR(power[0], 0.0, 1e-12);
    EXPECT_NEAR(power[1], 0.5, 1e-12);
    EXPECT_NEAR(power[2], 0.0, 1e-12);
    EXPECT_NEAR(frequency[1], 0.5, 1e-12);
    EXPECT_NEAR(frequency[2], 1.0, 1e-12);
}

TEST_F(ZentMethods, DataSetFilesThroughTheInterface) {
    std::vector<double> x = {1, 2, 3}, y = {10, 20, 30};
    ASSERT_EQ(Call(70, {Variant::I2(0), Variant::Str("S"), Variant::RefR8(x[0]), Variant::RefR8(y[0]),
                        Variant::I2(3)}),
              automation::S_OK);
    const QString saved = dir.path() + "/s.txt";
    EXPECT_EQ(Result(74, {Variant::Str(saved.toStdString()), Variant::I2(0), Variant::Str("%.1f")}),
              Variant::Bool(true));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("1.0 10.0\r\n2.0 20.0\r\n3.0 30.0\r\n"));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("1 2 3\r\n4 5 6\r\n");
    file.close();
    EXPECT_EQ(Result(73, {Variant::Str(saved.toStdString()), Variant::Str("Groups"), Variant::I2(1),
                          Variant::I2(4)}),
              Variant::Bool(true));
    EXPECT_EQ(Get(150, {Variant::I2(4)}), Variant::I4(2));
    EXPECT_EQ(Get(154, {Variant::I2(4)}), Variant::I4(2));
    EXPECT_EQ(Get(153, {Variant::I2(4)}), Variant::I4(1));
    EXPECT_EQ(Get(151, {Variant::I2(4)}), Variant::Str("Groups"));
    EXPECT_EQ(Get(175, {Variant::I2(4), Variant::I2(1), Variant::I2(1)}), Variant::R8(6));
    const std::string missing = (dir.path() + "/missing.txt").toStdString();
    EXPECT_EQ(Result(73, {Variant::Str(missing), Variant::Str("M"), Variant::I2(0), Variant::I2(5)}),
              Variant::Bool(false));
    EXPECT_EQ(Result(74, {Variant::Str((dir.path() + "/no/such/dir/f.txt").toStdString()), Variant::I2(0),
                          Variant::Str("")}),
              Variant::Bool(false));
}

// A chart drawn at 300 x 200 with the line X = 0, 2, .. 10, Y = 1, 9, 1, 9, 1, 9 on axes 0..10:
// its plot area is 60..240 across and 40..160 down.
class ZentDrawnMethods : public ZentMethods {
protected:
    ZentDrawnMethods() {
        control.resize(300, 200);
        zenttest::DefineLine(control, 0x0000FF);
        control.grab();
    }
    int GreenIn(const QRect& area) { return zenttest::CountColour(control.grab().toImage(), area, 0x00FF00); }
};

TEST_F(ZentDrawnMethods, RangesOfTheBuiltDataSet) {
    EXPECT_EQ(Result(56, {Variant::I2(0)}), Variant::R8(0));
    EXPECT_EQ(Result(57, {Variant::I2(0)}), Variant::R8(10));
    EXPECT_EQ(Result(58, {Variant::I2(0)}), Variant::R8(1));
    EXPECT_EQ(Result(59, {Variant::I2(0)}), Variant::R8(9));
    EXPECT_EQ(Result(57, {Variant::I2(9)}), Variant::R8(1.0)); // no engine set: the presets
    EXPECT_EQ(Result(58, {Variant::I2(9)}), Variant::R8(0.0));
}

TEST_F(ZentDrawnMethods, MarkDataPointAnswersForPointsOfTheSet) {
    EXPECT_EQ(Result(60, {Variant::I2(0), Variant::I2(2), Variant::I2(-1)}), Variant::Bool(true));
    EXPECT_EQ(Result(60, {Variant::I2(0), Variant::I2(5), Variant::I2(-1)}), Variant::Bool(true));
    EXPECT_EQ(Result(60, {Variant::I2(0), Variant::I2(6), Variant::I2(-1)}), Variant::Bool(false));
    EXPECT_EQ(Result(60, {Variant::I2(0), Variant::I2(2), Variant::I2(0)}), Variant::Bool(true));
    EXPECT_EQ(Result(60, {Variant::I2(3), Variant::I2(0), Variant::I2(-1)}), Variant::Bool(false));
}

TEST_F(ZentDrawnMethods, MoveDataCursorPutsTheCrossHairAtItsValues) {
    ASSERT_EQ(Call(52, {Variant::I2(0), Variant::I2(1), Variant::I2(0), Variant::I2(10), Variant::I2(1),
                        Variant::I2(0), Variant::I4(0x00FF00)}),
              automation::S_OK);
    control.UpdateGraph();
    control.grab();
    ASSERT_EQ(Call(53, {Variant::I2(0), Variant::R8(5), Variant::R8(2.5), Variant::I2(-1)}),
              automation::S_OK);
    // X = 5 is column 150, Y = 2.5 row 130.
    EXPECT_GT(GreenIn(QRect(149, 45, 3, 110)), 80);
    EXPECT_GT(GreenIn(QRect(65, 129, 170, 3)), 120);
    EXPECT_EQ(GreenIn(QRect(100, 45, 3, 60)), 0);
    ASSERT_EQ(Call(53, {Variant::I2(0), Variant::R8(5), Variant::R8(2.5), Variant::I2(0)}), automation::S_OK);
    EXPECT_EQ(GreenIn(QRect(60, 40, 180, 120)), 0);
}

TEST_F(ZentDrawnMethods, MousePositionNormalisedOverTheGraph) {
    QMouseEvent move(QEvent::MouseMove, QPointF(75, 150), control.mapToGlobal(QPointF(75, 150)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &move);
    double x = -1, y = -1;
    EXPECT_EQ(Result(82, {Variant::RefR8(x), Variant::RefR8(y)}), Variant::Bool(true));
    EXPECT_DOUBLE_EQ(x, 0.25);
    EXPECT_DOUBLE_EQ(y, 0.75);
}

// Set 2 lies at X = 3 and 7 on Y = 5, away from every point of set 0.
TEST_F(ZentDrawnMethods, NearestPointNamesTheDataSetItFoundItIn) {
    std::vector<double> x = {3, 7}, y = {5, 5};
    testsupport::DefineDataSet(control, 2, "Other", x, y);
    testsupport::EnableDataSet(control, 2);
    control.UpdateGraph();
    control.grab();
    struct Case {
        double x, y;
        std::int32_t set, index;
        double foundX, foundY;
    };
    for (const Case& c :
         {Case{7.2, 5.3, 2, 1, 7, 5}, Case{3.1, 4.6, 2, 0, 3, 5}, Case{9.8, 8.9, 0, 5, 10, 9}}) {
        double fx = -1, fy = -1;
        std::int32_t set = -1, index = -1;
        EXPECT_EQ(Result(72, {Variant::R8(c.x), Variant::R8(c.y), Variant::I4(1), Variant::RefR8(fx),
                              Variant::RefR8(fy), Variant::RefI4(set), Variant::RefI4(index)}),
                  Variant::Bool(true));
        EXPECT_EQ(set, c.set) << c.x;
        EXPECT_EQ(index, c.index) << c.x;
        EXPECT_EQ(fx, c.foundX);
        EXPECT_EQ(fy, c.foundY);
    }
}

TEST_F(ZentMethods, MethodsAreNotProperties) {
    Variant result;
    EXPECT_EQ(control.Invoke(51, InvokeKind::PropertyGet, {}, &result), automation::DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(51, {Variant::I2(1)}), automation::DISP_E_BADPARAMCOUNT);
}

TEST(ZentAbout, DialogNamesTheControlAndItsVersion) {
    const std::unique_ptr<QDialog> dialog = zent::CreateAboutDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About ZENT Control"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("versionText"))->text(),
              QStringLiteral("ZENT Control, Version 1.0"));
    const auto buttons = dialog->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
}

TEST(ZentPropertyPages, ElevenPagesGeneralFirstEventsLast) {
    const std::vector<std::string> pages = CZENTCtrl::GetPropPageIDs();
    ASSERT_EQ(pages.size(), 11u);
    EXPECT_EQ(pages.front(), "{7E779A87-B73D-11D0-A956-00C0F6A06F60}");
    EXPECT_EQ(pages.back(), "{5676D722-CC60-11D0-A956-00C0F6A06F60}");
}

} // namespace
