#pragma once
// A chart model behind an exchange target that counts rebuilds, with every dialog of the pages
// answered by the test: message boxes are recorded, colour and font dialogs take the next answer.

#include "CPropertyPage.h"
#include "ModelExchangeTarget.h"
#include "PageDialogs.h"

#include <MessageBox.h>

#include <gtest/gtest.h>

#include <optional>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>

class PageTest : public ::testing::Test {
protected:
    PageTest() : model(nullptr, nullptr), target(model) {
        target.Hooks().rebuildGraph = [this] { ++rebuilds; };
        msgbox::ClearShownBoxes();
        msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
        pages::SetColorChooser([this](std::int32_t& color, QWidget*) {
            if (!nextColor) {
                return false;
            }
            color = *nextColor;
            return true;
        });
        pages::SetFontChooser([this](pages::FontChoice& choice, QWidget*) {
            seenFont = choice;
            if (!nextFont) {
                return false;
            }
            choice = *nextFont;
            return true;
        });
        pages::SetFileChooser([this](const pages::FileDialogOptions& options, QWidget*) {
            seenFileDialog = options;
            return nextFile;
        });
    }
    ~PageTest() override {
        msgbox::SetTestAnswerer({});
        pages::SetColorChooser({});
        pages::SetFontChooser({});
        pages::SetFileChooser({});
    }

    template <typename Page> std::unique_ptr<Page> Open() {
        auto page = std::make_unique<Page>(target);
        page->OnInitDialog();
        return page;
    }

    static QLineEdit* Edit(pages::CPropertyPage& page, int id) { return page.ControlAs<QLineEdit>(id); }
    static QComboBox* Combo(pages::CPropertyPage& page, int id) { return page.ControlAs<QComboBox>(id); }
    static QCheckBox* Check(pages::CPropertyPage& page, int id) { return page.ControlAs<QCheckBox>(id); }
    static QSpinBox* Spin(pages::CPropertyPage& page, int id) { return page.ControlAs<QSpinBox>(id); }
    static QPushButton* Button(pages::CPropertyPage& page, int id) { return page.ControlAs<QPushButton>(id); }
    // A choice as the user makes it: the combo's accepted-selection signal.
    static void Choose(pages::CPropertyPage& page, int id, int position) {
        QComboBox* combo = Combo(page, id);
        ASSERT_NE(combo, nullptr) << id;
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }
    static void Type(pages::CPropertyPage& page, int id, const QString& text) {
        QLineEdit* edit = Edit(page, id);
        ASSERT_NE(edit, nullptr) << id;
        edit->setText(text);
        emit edit->textEdited(text);
    }
    static void Tick(pages::CPropertyPage& page, int id, bool on) {
        QCheckBox* check = Check(page, id);
        ASSERT_NE(check, nullptr) << id;
        check->setChecked(on);
        emit check->clicked(on);
    }

    chart::CChartModel model;
    pages::CModelExchangeTarget target;
    int rebuilds = 0;
    std::optional<std::int32_t> nextColor;
    std::optional<pages::FontChoice> nextFont;
    pages::FontChoice seenFont;
    QString nextFile;
    pages::FileDialogOptions seenFileDialog;
};
