// The introduction screen: its text and table, and the "InfoScreen" choice in the settings store.

#include "frmInfoScreen.h"
#include "HeadlessRun.h"
#include "ProgramState.h"
#include "SettingsStore.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

QString stored() {
    return settings::GetSetting(program::Title(), "Loss_FieldStrength", "InfoScreen");
}

class InfoScreenTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(config.isValid()); }
    QCheckBox* check(frmInfoScreen& w) { return w.findChild<QCheckBox*>("chkShowNext"); }
    QString label(frmInfoScreen& w, const char* name) {
        auto* l = w.findChild<QLabel*>(name);
        return l ? l->text() : QStringLiteral("<missing>");
    }
    testsupport::TemporaryHome config;
};

TEST_F(InfoScreenTest, EmptyStoreShowsTheBoxTicked) {
    frmInfoScreen w;
    ASSERT_NE(check(w), nullptr);
    EXPECT_TRUE(check(w)->isChecked());
    EXPECT_EQ(w.windowTitle(), "Introduction");
    EXPECT_EQ(check(w)->text(), "Show this Screen Next Time");
}

TEST_F(InfoScreenTest, EveryClickWritesTheChoice) {
    frmInfoScreen w;
    check(w)->click();
    EXPECT_FALSE(check(w)->isChecked());
    EXPECT_EQ(stored(), "NoScreen");
    check(w)->click();
    EXPECT_EQ(stored(), "ShowScreen");
    EXPECT_EQ(settings::GetSetting("Brindel", "Loss_FieldStrength", "InfoScreen"), "ShowScreen");
}

// Nothing reads the stored choice: the box starts ticked at every opening.
TEST_F(InfoScreenTest, OpeningAgainShowsTheBoxTickedWhateverIsStored) {
    {
        frmInfoScreen w;
        check(w)->click();
    }
    ASSERT_EQ(stored(), "NoScreen");
    frmInfoScreen again;
    EXPECT_TRUE(check(again)->isChecked());
}

TEST_F(InfoScreenTest, OpeningWritesNothing) {
    frmInfoScreen w;
    EXPECT_EQ(stored(), "");
}

TEST_F(InfoScreenTest, IntroductionNamesTheModelsAndTheFieldStrengthUnit) {
    frmInfoScreen w;
    const QString text = label(w, "lblInfo");
    EXPECT_EQ(text, frmInfoScreen::IntroductionText());
    EXPECT_TRUE(text.contains(" (Tarvek): is a package of ")) << text.toStdString();
    EXPECT_TRUE(
        text.contains("The models, Okumura-Hata/ITU-R 529, COST 231 and Okumura-Hata-Davidson, are based on "
                      "extensive propagation measurements done by "));
    EXPECT_TRUE(text.contains(QString::fromUtf8("received field strength in dB \xC2\xB5V/m are calculated")));
    EXPECT_FALSE(text.contains("dB mV/m"));
    EXPECT_TRUE(text.endsWith("heights. The graphs can be updated for a new set of input parameters from an "
                              "interactive dialog box."));
    EXPECT_FALSE(text.contains("  ")) << "pieces join with single blanks";
}

TEST_F(InfoScreenTest, TableTellsWhichModelServesWhichClass) {
    frmInfoScreen w;
    EXPECT_EQ(label(w, "lblTitle"), "Tarvek Model");
    EXPECT_EQ(label(w, "Label20"), "Frequency in MHz");
    const char* heads[][2] = {{"Label1", "30 < Freq < 150"},     {"Label2", "150 < Freq < 1500"},
                              {"Label3", "1500 < Freq < 2000"},  {"Label16", "d <100km; hb < 200m"},
                              {"Label18", "d <100km; hb >200m"}, {"Label17", "d> 100km; hb <200m"},
                              {"Label19", "d> 100km; hb >200m"}};
    for (auto& h : heads)
        EXPECT_EQ(label(w, h[0]), h[1]) << h[0];
    const char* cells[] = {"Davidson", "ITU 529",  "Cost 231", "Davidson", "Davidson", "X",
                           "Davidson", "Davidson", "X",        "Davidson", "Davidson", "X"};
    for (int i = 0; i < 12; ++i) {
        const QByteArray name = "Label" + QByteArray::number(4 + i);
        EXPECT_EQ(label(w, name.constData()), cells[i]) << name.constData();
    }
}

// Eight underlined "<" marks stand over "<" signs of the headings.
TEST_F(InfoScreenTest, MarksUnderlineSignsOfTheHeadings) {
    frmInfoScreen w;
    w.show();
    for (int i = 21; i <= 28; ++i) {
        const QByteArray name = "Label" + QByteArray::number(i);
        auto* mark = w.findChild<QLabel*>(name);
        ASSERT_NE(mark, nullptr) << name.constData();
        EXPECT_EQ(mark->text(), "<");
        EXPECT_TRUE(mark->font().underline());
        bool overHeading = false;
        for (const char* heading : {"Label1", "Label2", "Label3", "Label16"}) {
            auto* h = w.findChild<QLabel*>(heading);
            overHeading =
                overHeading || QRect(h->mapTo(&w, QPoint()), h->size()).contains(mark->geometry().center());
        }
        EXPECT_TRUE(overHeading) << name.constData();
    }
}

TEST_F(InfoScreenTest, OkClosesTheWindow) {
    frmInfoScreen w;
    w.show();
    auto* ok = w.findChild<QPushButton*>("cmdOK");
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

} // namespace
