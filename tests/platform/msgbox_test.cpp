#include "MessageBox.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// Closes the box about to be shown, as a person would with its close box.
void CloseNextBox() {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
}

// A running program shows its boxes to the user; none of them may stay behind in memory.
TEST(MessageBoxTest, BoxesShownToTheUserAreNotRecorded) {
    msgbox::SetTestAnswerer(nullptr);
    msgbox::ClearShownBoxes();
    for (int i = 0; i < 50; ++i) {
        CloseNextBox();
        EXPECT_EQ(msgbox::MsgBox(QStringLiteral("Shown %1").arg(i)), msgbox::vbOK);
    }
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

TEST(MessageBoxTest, BoxesAnsweredByATestAreRecordedWithTheProgramTitle) {
    msgbox::SetProgramTitle(QStringLiteral("Brindel"));
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return 0; });
    msgbox::ClearShownBoxes();
    EXPECT_EQ(
        msgbox::MsgBox(QStringLiteral("Retain Output Log?"), msgbox::vbYesNo | msgbox::vbDefaultButton2),
        msgbox::vbNo);
    EXPECT_EQ(msgbox::MsgBox(QStringLiteral("Saved"), msgbox::vbOKOnly, QStringLiteral("File Save")),
              msgbox::vbOK);
    msgbox::SetTestAnswerer(nullptr);
    ASSERT_EQ(msgbox::ShownBoxes().size(), 2u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].title, QStringLiteral("Brindel"));
    EXPECT_EQ(msgbox::ShownBoxes()[1].title, QStringLiteral("File Save"));
}

} // namespace
