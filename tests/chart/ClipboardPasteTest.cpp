#include "ClipboardTable.h"

#include <MessageBox.h>

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

using namespace chart;

TEST(ClipboardPaste, ReadsTheClipboardText) {
    QGuiApplication::clipboard()->setText("1\t2\r\n3\t4\r\n");
    std::vector<double> x, y;
    int rows = 0, groups = 0;
    ASSERT_EQ(PasteDataFromClipboard(x, y, rows, groups), PasteResult::Stored);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(groups, 1);
    EXPECT_EQ(x, (std::vector<double>{1, 3}));
    EXPECT_EQ(y, (std::vector<double>{2, 4}));
}

TEST(ClipboardPaste, NoTextOnTheClipboardIsRefused) {
    QGuiApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
    std::vector<double> x{7}, y{8};
    int rows = 1, groups = 1;
    EXPECT_EQ(PasteDataFromClipboard(x, y, rows, groups), PasteResult::Refused);
    EXPECT_EQ(x, std::vector<double>{7});
}

TEST(ClipboardPaste, TooFewColumnsShowTheMessageAndStoreNothing) {
    QGuiApplication::clipboard()->setText("1 2\r\n3 4\r\n");
    msgbox::ClearShownBoxes();
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    std::vector<double> x{7}, y{8};
    int rows = 1, groups = 2;
    EXPECT_EQ(PasteDataFromClipboard(x, y, rows, groups), PasteResult::InsufficientColumns);
    msgbox::SetTestAnswerer({});
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt,
              QStringLiteral("Insufficient number of columns for this data type"));
    EXPECT_EQ(msgbox::ShownBoxes()[0].style, msgbox::vbOKOnly);
    EXPECT_EQ(x, std::vector<double>{7});
}
