// A container may keep a page made by the class factory open after the control it edits is gone:
// the page then reads and writes nothing of the control, whatever the user does with it.
#include "CPropertyPage.h"
#include "CZENTCtrl.h"
#include "PageDialogs.h"
#include "ZENTIdentifiers.h"

#include <ClassFactory.h>
#include <Kestran.h>
#include <MessageBox.h>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>

extern "C" automation::HRESULT DllGetClassObject(const char* classId, automation::IClassFactory** factory);

namespace {

// Every control of the page as the user drives it: clicks, choices, typing, arrows, focus and the
// grid's paste key, then Apply and a reload.
void ExerciseEveryControl(pages::CPropertyPage& page) {
    for (QWidget* widget : page.findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            emit button->clicked(true);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QFocusEvent focus(QEvent::FocusIn);
            QApplication::sendEvent(combo, &focus);
            for (int i = 0; i < combo->count(); ++i) {
                combo->setCurrentIndex(i);
                emit combo->activated(i);
            }
        } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            spin->setValue(spin->value() + 1);
            spin->setValue(spin->value() - 1);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(QStringLiteral("7"));
            emit edit->textEdited(edit->text());
            emit edit->editingFinished();
        } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
            lines->setPlainText(QStringLiteral("a\nb"));
        } else if (auto* grid = qobject_cast<QTableView*>(widget)) {
            if (grid->model() != nullptr && grid->model()->rowCount() > 2) {
                grid->setCurrentIndex(grid->model()->index(2, 1));
            }
            QKeyEvent paste(QEvent::KeyPress, Qt::Key_Insert, Qt::ShiftModifier);
            QApplication::sendEvent(grid, &paste);
        }
    }
    page.Apply();
    page.UpdateData(false);
    page.ReloadFromControl();
}

class PageLifetime : public ::testing::TestWithParam<const char*> {
protected:
    PageLifetime() {
        msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
        pages::SetColorChooser([](std::int32_t& color, QWidget*) {
            color = 0x123456;
            return true;
        });
        pages::SetFontChooser([](pages::FontChoice&, QWidget*) { return true; });
        pages::SetFileChooser([](const pages::FileDialogOptions&, QWidget*) {
            return QStringLiteral("/nonexistent/folder/chart.txt");
        });
        // While the control lives, its print and metafile buttons are answered with a cancel.
        EngineSetPrinterSetupHook([](QPrinter&, void*) { return false; });
        EngineSetPrintFileHook([](void*) { return std::string(); });
        EngineSetFileNameHook([] { return std::string(); });
    }
    ~PageLifetime() override {
        EngineSetPrinterSetupHook(nullptr);
        EngineSetPrintFileHook(nullptr);
        EngineSetFileNameHook(nullptr);
        msgbox::SetTestAnswerer({});
        pages::SetColorChooser({});
        pages::SetFontChooser({});
        pages::SetFileChooser({});
    }

    // A page of this class made by the library's factory for a new control.
    static std::unique_ptr<pages::CPropertyPage> MakePage(const char* classId) {
        automation::IClassFactory* factory = nullptr;
        EXPECT_EQ(DllGetClassObject(classId, &factory), automation::S_OK);
        automation::ControlInstance instance;
        EXPECT_EQ(factory->CreateInstance(nullptr, instance), automation::S_OK);
        return std::unique_ptr<pages::CPropertyPage>(dynamic_cast<pages::CPropertyPage*>(instance.widget));
    }
};

TEST_P(PageLifetime, PageOfAGoneControlIsInertAndClosesCleanly) {
    auto control = std::make_unique<CZENTCtrl>();
    control->Model().SDataType[0] = 2; // the pie page then lists a set
    std::unique_ptr<pages::CPropertyPage> page = MakePage(GetParam());
    ASSERT_NE(page, nullptr);
    page->OnInitDialog();
    ExerciseEveryControl(*page); // while the control lives, it edits it
    EXPECT_TRUE(page->isEnabled());

    control.reset();
    EXPECT_FALSE(page->isEnabled());
    ExerciseEveryControl(*page);
    EXPECT_FALSE(page->isEnabled());
    page.reset();
}

INSTANTIATE_TEST_SUITE_P(EveryPage, PageLifetime, ::testing::ValuesIn(zent::kPropertyPageIds));

} // namespace
