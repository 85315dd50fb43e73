#pragma once
// An offscreen main window over a settings folder and a temporary folder of its own. A test
// starts the program (Start), ends it (Exit, answering "Retain Output Log?") and may start it
// again over the same folders, as a user's next run would.

#include "MainForm.h"
#include "MessageBox.h"

#include <gtest/gtest.h>
#include <memory>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

class QLabel;

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
class QWidget;

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    MainForm& Start();
    // Ends the run through the window's close; retain answers "Retain Output Log?".
    void Exit(bool retain);

    MainForm::Controls& ui() { return form_->ui(); }
    MainForm& form() { return *form_; }

    // The program's own keys and the suite's.
    static QString Stored(const char* key);
    static void Store(const char* key, const QString& value);
    static QString Suite(const char* key);
    static void StoreSuite(const char* key, const QString& value);

    // Messages shown since the last call, without the measured-data warning.
    std::vector<std::string> Messages();
    static QString LogText();
    // The underlined characters of one line of the log as '_' (others ' ').
    static std::string UnderlineOf(int line);
    // A lost focus as a Tab to the next control gives it.
    static void LeaveBox(QWidget* box);

    QString tempDir() const { return temp_->path(); }

    int retainAnswer_ = msgbox::vbYes;
    int exitAnswer_ = msgbox::vbOK;

private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QTemporaryDir> temp_;
    std::unique_ptr<MainForm> form_;
    bool ended_ = false;
};
