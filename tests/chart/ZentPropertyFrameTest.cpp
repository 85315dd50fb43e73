// The control opens its property pages on the double click its settings name, and what the user
// applies there reaches the chart.
#include "CPropertyFrame.h"
#include "CZENTCtrl.h"
#include "PageFactory.h"

#include <Kestran.h>
#include <MessageBox.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void DoubleClick(QWidget& widget, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonDblClick, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(ZentPropertyFrame, DoubleClickOpensThePagesAndOkWritesTheChart) {
    CZENTCtrl control;
    control.resize(300, 300);
    control.Model().EventShowPropPage = 515;
    control.Model().EventZoomReset = 0;
    control.grab();

    bool sawFrame = false;
    QTimer::singleShot(0, [&] {
        auto* frame = dynamic_cast<pages::CPropertyFrame*>(QApplication::activeModalWidget());
        ASSERT_NE(frame, nullptr);
        sawFrame = true;
        EXPECT_EQ(frame->Tabs()->count(), 11);
        auto* top = frame->findChild<QLineEdit*>(QStringLiteral("IDC_339"));
        ASSERT_NE(top, nullptr);
        top->setText(QStringLiteral("0.3"));
        emit top->textEdited(top->text());
        frame->OkButton()->click();
    });
    DoubleClick(control, QPoint(150, 150));

    EXPECT_TRUE(sawFrame);
    EXPECT_DOUBLE_EQ(control.Model().TopPlotArea, 0.3);
}

TEST(ZentPropertyFrame, CancelLeavesTheChartAlone) {
    CZENTCtrl control;
    control.Model().TopPlotArea = 0.15;
    QTimer::singleShot(0, [] {
        auto* frame = dynamic_cast<pages::CPropertyFrame*>(QApplication::activeModalWidget());
        ASSERT_NE(frame, nullptr);
        auto* top = frame->findChild<QLineEdit*>(QStringLiteral("IDC_339"));
        ASSERT_NE(top, nullptr);
        top->setText(QStringLiteral("0.4"));
        emit top->textEdited(top->text());
        frame->CancelButton()->click();
    });
    control.ShowPropertyFrame();
    EXPECT_DOUBLE_EQ(control.Model().TopPlotArea, 0.15);
}

TEST(PrintPage, SaveAsMetafileAsksForANameAndWritesAPlaceableMetafile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.wmf"));
    CZENTCtrl control;
    control.resize(300, 200);
    control.grab(); // the first draw makes the page the metafile is written from
    EngineSetFileNameHook([&] { return path.toStdString(); });
    QTimer::singleShot(0, [] {
        auto* frame = dynamic_cast<pages::CPropertyFrame*>(QApplication::activeModalWidget());
        if (frame == nullptr) {
            return;
        }
        frame->Page(pages::PageKind::Print)->ControlAs<QPushButton>(337)->click();
        frame->reject();
    });
    control.ShowPropertyFrame();
    EngineSetFileNameHook(nullptr);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("\xD7\xCD\xC6\x9A", 4));
    EXPECT_GT(file.size(), 100);
}

TEST(PrintPage, SaveAsMetafileTellsTheUserWhenTheFileCannotBeWritten) {
    QTemporaryDir dir;
    CZENTCtrl control;
    control.resize(300, 200);
    control.grab();
    EngineSetFileNameHook([&] { return dir.filePath(QStringLiteral("missing/page.wmf")).toStdString(); });
    msgbox::ClearShownBoxes();
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    std::unique_ptr<pages::CPropertyPage> page =
        pages::CreatePage(pages::PageKind::Print, control.PageTarget());
    page->OnInitDialog();
    page->ControlAs<QPushButton>(337)->click();
    EngineSetFileNameHook(nullptr);
    msgbox::SetTestAnswerer({});
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, QStringLiteral("The metafile could not be written."));
}

} // namespace
