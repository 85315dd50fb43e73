#include "mainform_fixture.h"

#include "FrmReport.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

namespace {

const char* const kSuiteApp = "Veltrix_Orbel";
const char* const kSuiteSection = "Global Parameters";

template <typename T> void Find(QWidget& window, T*& control, const char* name) {
    control = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
}

void FindArray(QWidget& window, QLabel* (&labels)[2], const char* name) {
    for (QLabel* label : window.findChildren<QLabel*>(QString::fromLatin1(name))) {
        const int index = label->property("Index").toInt();
        if (index == 0 || index == 1)
            labels[index] = label;
    }
    EXPECT_TRUE(labels[0] && labels[1]) << name;
}

} // namespace

MainControls FindMainControls(QWidget& window) {
    MainControls u;
#define FIND(name) Find(window, u.name, #name)
    FIND(txtFreq);
    FIND(txtDist);
    FIND(txthb);
    FIND(txthm);
    FIND(cmbareatype);
    FIND(cmbcitysize);
    FIND(txtPctTime);
    FIND(txtPctLoc);
    FIND(cmdLossCalc);
    FIND(lblHelpRange);
    FIND(cmbPowerUnit);
    FIND(txtPowerUnit);
    FIND(Label10);
    FIND(Label11);
    FIND(Label12);
    FIND(lblcost231);
    FIND(lblFITU529);
    FIND(lblOH529dBLoss);
    FIND(lblFCost231);
    FIND(lblDavidson);
    FIND(lblOkumHatDavFS);
    FIND(mnuUnitsMetric);
    FIND(mnuUnitsEnglish);
    FIND(mnuCalculationLog);
    FIND(mnuCalculationLogDist);
    FIND(mnuHideShow);
    FIND(mnuGraphdBloss);
    FIND(mnuOkumGraphFieldStrength);
    FIND(mnuOkum529GraphFieldStrength);
    FIND(mnuGraphCost231FieldStrength);
    FIND(mnuGraphCompare);
    FIND(mnuGraphMeasured);
    FIND(mnuHelpInfo);
    FIND(mnuHelpAbout);
#undef FIND
    FindArray(window, u.lblLITU529, "lblLITU529");
    FindArray(window, u.lblLDavidson, "lblLDavidson");
    FindArray(window, u.lblLCost231, "lblLCost231");
    return u;
}

void MainFormTest::SetUp() {
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
    // "Save to File" offered when the log cannot be kept: the dialog is cancelled unless a test chooses.
    FrmReport::SetTestFileChooser([](FrmReport::SaveDialogState&) { return false; });
}

void MainFormTest::TearDown() {
    controls_ = {};
    form_.reset();
    DestroyReportLog();
    msgbox::SetTestAnswerer(nullptr);
    MainForm::SetProgramEnd(nullptr);
    FrmReport::SetTestFileChooser(nullptr);
}

void MainFormTest::EndWindow() {
    controls_ = {};
    form_.reset();
    DestroyReportLog();
}

MainForm& MainFormTest::Start() {
    EndWindow();
    ended_ = false;
    form_ = std::make_unique<MainForm>();
    controls_ = FindMainControls(*form_);
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
