#include "CZENTCtrl.h"
#include "ZENTAboutBox.h"
#include "ZENTMethods.h"

#include <gtest/gtest.h>
#include <QDialog>
#include <QLabel>
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

TEST_F(ZentMethods, FftFrequencyAndInPlaceTransformsReachTheCaller) {
    EXPECT_EQ(Result(68, {Variant::I2(8), Variant::R8(80), Variant::I2(1)}), Variant::R8(10));
    std::vector<double> re = {1, 1, 1, 1}, im(4, 0.0);
    ASSERT_EQ(Call(63, {Variant::RefR8(re[0]), Variant::RefR8(im[0]), Variant::I2(4), Variant::I2(0)}),
              automation::S_OK);
    EXPECT_NE(re, (std::vector<double>{1, 1, 1, 1}));
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
