#include "mainform_fixture.h"

#include "FrmReport.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTextBlock>
#include <QTextEdit>

namespace {
const char* const kSuiteApp = "Veltrix_Orbel";
const char* const kSuiteSection = "Global Parameters";
} // namespace

void MainFormTest::SetUp() {
    config_ = std::make_unique<QTemporaryDir>();
    temp_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
    qputenv("TMPDIR", temp_->path().toUtf8());
    msgbox::SetProgramTitle(program::Title());
    msgbox::ClearShownBoxes();
    msgbox::SetTestAnswerer([this](const msgbox::ShownBox& box) {
        if (box.prompt == QLatin1String("Retain Output Log?"))
            return retainAnswer_;
        if (box.prompt.startsWith(QLatin1String("This Concludes")))
            return exitAnswer_;
        return 0;
    });
    MainForm::SetProgramEnd([this] { ended_ = true; });
}

void MainFormTest::TearDown() {
    form_.reset();
    DestroyReportLog();
    msgbox::SetTestAnswerer(nullptr);
    MainForm::SetProgramEnd(nullptr);
}

MainForm& MainFormTest::Start() {
    form_.reset();
    DestroyReportLog();
    ended_ = false;
    form_ = std::make_unique<MainForm>();
    form_->Form_Load();
    form_->show();
    return *form_;
}

void MainFormTest::Exit(bool retain) {
    retainAnswer_ = retain ? msgbox::vbYes : msgbox::vbNo;
    form_->close();
    EXPECT_TRUE(ended_);
}

QString MainFormTest::Stored(const char* key) {
    return settings::GetSetting(program::Title(), QStringLiteral("Loss_FieldStrength"),
                                QString::fromLatin1(key));
}

void MainFormTest::Store(const char* key, const QString& value) {
    settings::SaveSetting(program::Title(), QStringLiteral("Loss_FieldStrength"), QString::fromLatin1(key),
                          value);
}

QString MainFormTest::Suite(const char* key) {
    return settings::GetSetting(kSuiteApp, kSuiteSection, QString::fromLatin1(key));
}

void MainFormTest::StoreSuite(const char* key, const QString& value) {
    settings::SaveSetting(kSuiteApp, kSuiteSection, QString::fromLatin1(key), value);
}

std::vector<std::string> MainFormTest::Messages() {
    std::vector<std::string> texts;
    for (const auto& box : msgbox::ShownBoxes()) {
        if (!box.prompt.contains(QLatin1String("measured.csv")))
            texts.push_back(box.prompt.toStdString());
    }
    msgbox::ClearShownBoxes();
    return texts;
}

QString MainFormTest::LogText() {
    return ReportLog().Form().Document().toPlainText();
}

std::string MainFormTest::UnderlineOf(int line) {
    const QTextBlock block = ReportLog().Form().Document().findBlockByNumber(line);
    std::string map;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        map += std::string(f.length(), f.charFormat().fontUnderline() ? '_' : ' ');
    }
    return map;
}

void MainFormTest::LeaveBox(QWidget* box) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &event);
}
