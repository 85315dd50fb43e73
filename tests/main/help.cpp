// Help: context numbers open the right section of the shipped page, a missing page is reported, and
// F1 on a window opens its section.

#include "Help.h"
#include "ContextIDs.h"
#include "MessageBox.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <vector>

namespace {

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHelpFile(nullptr);
        SetHelpUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return openerResult;
        });
        msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
        msgbox::ClearShownBoxes();
    }
    void TearDown() override {
        SetHelpUrlOpener(nullptr);
        msgbox::SetTestAnswerer(nullptr);
        SetHelpFile(nullptr);
    }
    std::vector<QUrl> opened;
    bool openerResult = true;
};

const std::vector<int> kAllTopics = {HelpInputs,   HelpUnits,       HelpPower,     HelpModels,
                                     HelpValidity, HelpCalculation, HelpReportLog, HelpDistanceRange,
                                     HelpGraphs,   HelpArchive,     HelpSettings};

TEST_F(HelpTest, HelpFileIsThePageBesideTheProgram) {
    EXPECT_EQ(HelpFile(), QDir(QCoreApplication::applicationDirPath()).filePath("Tarvek.html"));
    EXPECT_TRUE(QFile::exists(HelpFile()));
}

TEST_F(HelpTest, EveryContextNumberHasAnAnchorThatThePageDefines) {
    QFile page(HelpFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    ASSERT_TRUE(html.contains("id=\"contents\""));
    QStringList anchors;
    for (int id : kAllTopics) {
        const QString anchor = HelpAnchor(id);
        ASSERT_FALSE(anchor.isEmpty()) << id;
        EXPECT_FALSE(anchors.contains(anchor)) << "two numbers share " << anchor.toStdString();
        anchors << anchor;
        EXPECT_TRUE(html.contains("id=\"" + anchor + "\"")) << anchor.toStdString();
        EXPECT_TRUE(html.contains("href=\"#" + anchor + "\""))
            << "not in the contents: " << anchor.toStdString();
    }
}

TEST_F(HelpTest, ContextOpensTheFileAtItsSection) {
    ASSERT_TRUE(ShowHelpContext(HelpDistanceRange));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_EQ(opened[0].toLocalFile(), HelpFile());
    EXPECT_EQ(opened[0].fragment(), "distancerange");
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

TEST_F(HelpTest, ContentsAndUnknownNumbersOpenThePageWithoutSection) {
    ASSERT_TRUE(ShowHelpContents());
    ASSERT_TRUE(ShowHelpContext(12345));
    ASSERT_EQ(opened.size(), 2u);
    for (const QUrl& url : opened) {
        EXPECT_FALSE(url.hasFragment());
        EXPECT_EQ(url.toLocalFile(), HelpFile());
    }
}

TEST_F(HelpTest, MissingPageGivesAMessageAndOpensNothing) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("Tarvek.html");
    SetHelpFilePath(missing);
    EXPECT_FALSE(ShowHelpContext(HelpModels));
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_TRUE(msgbox::ShownBoxes()[0].prompt.contains(missing));
    EXPECT_EQ(msgbox::ShownBoxes()[0].style, msgbox::vbOKOnly | msgbox::vbExclamation);
}

TEST_F(HelpTest, BrowserThatFailsIsReported) {
    openerResult = false;
    EXPECT_FALSE(ShowHelpContents());
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes().size(), 1u);
}

TEST_F(HelpTest, PathWithBlanksStaysOneFileAddress) {
    QTemporaryDir dir;
    const QString path = dir.filePath("help pages #1/Tarvek.html");
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
    f.close();
    SetHelpFilePath(path);
    ASSERT_TRUE(ShowHelpContext(HelpGraphs));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toLocalFile(), path);
    EXPECT_EQ(opened[0].fragment(), "graphs");
}

TEST_F(HelpTest, F1OnAWindowOpensItsSection) {
    QWidget window;
    QWidget child(&window);
    child.setFocusPolicy(Qt::StrongFocus);
    InstallHelpKey(&window, HelpReportLog);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 120000));
    child.setFocus();
    QTest::keyClick(&child, Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].fragment(), "reportlog");
}

} // namespace
