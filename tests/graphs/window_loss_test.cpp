// The path-loss window over a running main window.

#include "window_fixture.h"

#include "ChartConstants.h"
#include "ComLoader.h"
#include "GraphForm.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "UnitSystem.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

namespace {

int EnabledSets(automation::IDispatch& chart) {
    int n = 0;
    for (int set = 0; set <= chartcode::kLastDataSet; ++set) {
        const automation::Variant on = GraphWindowTest::Get(chart, chartid::SDataEnable, set);
        n += on.vt() == automation::VT_BOOL && on.AsBool() ? 1 : 0;
    }
    return n;
}

void Click(QWidget* widget) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class LossWindowTest : public GraphWindowTest {
protected:
    GraphForm& Open() {
        window_ = std::make_unique<GraphForm>();
        window_->Form_Load();
        return *window_;
    }
    std::unique_ptr<GraphForm> window_;
};

TEST_F(LossWindowTest, LoadCreatesTheChartByProgIdAndDrawsTheComparison) {
    GraphForm& w = Open();
    ASSERT_NE(w.chart(), nullptr);
    EXPECT_EQ(w.ui().chartWidget->objectName(), QStringLiteral("ZENT1"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("dB Loss Graph"));
    automation::IDispatch& chart = *w.chart();
    EXPECT_EQ(GetText(chart, chartid::TitleString, chartcode::kTitleTop), "dB Loss Calculation");
    EXPECT_EQ(GetText(chart, chartid::AxisTitleString, chartcode::kAxisX), "Distance (Km)");
    const std::string legend = GetText(chart, chartid::SLegendStrings);
    for (const char* name : {"ITU 529", "Davidson", "Cost 231", "Free Space"})
        EXPECT_NE(legend.find(name), std::string::npos) << name;
    EXPECT_GE(EnabledSets(chart), 4);
    EXPECT_EQ(Number(Get(chart, chartid::AxisMax, chartcode::kAxisX)), 100.0);
    w.resize(900, 600);
    w.show();
    QApplication::processEvents();
    EXPECT_GT(DrawnPixels(w.ui().chartWidget->grab().toImage()), 1000);
    EXPECT_FALSE(w.IsStale());
    EXPECT_FALSE(w.ui().archiveButton->isVisible());
    EXPECT_TRUE(w.menus().mnuGraph100->isChecked());
}

TEST_F(LossWindowTest, LoadCopiesTheMainInputsAndCloseHandsThemBack) {
    ui().txtFreq->setText(QStringLiteral("900.0"));
    ui().txthb->setText(QStringLiteral("50.0"));
    GraphForm& w = Open();
    EXPECT_EQ(w.ui().txtFreq->text(), QStringLiteral("900.0"));
    EXPECT_EQ(w.ui().txthb->text(), QStringLiteral("50.0"));
    w.ui().txtFreq->setText(QStringLiteral("1200.0"));
    w.ui().txtPctLoc->setText(QStringLiteral("70"));
    w.ui().cmbareatype->setCurrentText(QStringLiteral("Open"));
    w.menus().mnuFileClose->trigger();
    EXPECT_EQ(ui().txtFreq->text(), QStringLiteral("1200.0"));
    EXPECT_EQ(ui().txtPctLoc->text(), QStringLiteral("70"));
    EXPECT_EQ(ui().cmbareatype->currentText(), QStringLiteral("Open"));
    EXPECT_EQ(ui().txthb->text(), QStringLiteral("50.0"));
}

struct BoxCase {
    const char* box;
    const char* typed;
    const char* shown;
    const char* message; // "" when accepted
};

TEST_F(LossWindowTest, LeavingABoxChecksItAndMarksTheChartStale) {
    const BoxCase cases[] = {
        {"txtFreq", "abc", "150.0", "Valid Frequency Range 150 MHz to 2000 MHz"},
        {"txtFreq", "2000", "2000.0", ""},
        {"txtFreq", "2000.1", "150.0", "Valid Frequency Range 150 MHz to 2000 MHz"},
        {"txtPctTime", "50.4", "50", ""},
        {"txtPctLoc", "0", "50", "Percent Range 1 to 99"},
        {"txthm", "31", "1.0", "Valid Height of Mobile Antenna is 1m to 30m"},
        {"txthb", "2500", "2500.0", ""},
    };
    GraphForm& w = Open();
    for (const BoxCase& c : cases) {
        auto* box = w.findChild<QLineEdit*>(QString::fromLatin1(c.box));
        ASSERT_NE(box, nullptr) << c.box;
        w.ui().cmdUpdateGraph->click();
        ASSERT_FALSE(w.IsStale());
        box->setText(QString::fromLatin1(c.typed));
        LeaveBox(box);
        EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << c.box << " " << c.typed;
        const std::vector<std::string> shown = Messages();
        if (*c.message)
            EXPECT_EQ(shown, std::vector<std::string>{c.message}) << c.typed;
        else
            EXPECT_TRUE(shown.empty()) << c.typed;
        EXPECT_TRUE(w.IsStale());
        EXPECT_EQ(w.ui().cmdUpdateGraph->icon().cacheKey(), w.BadButtonPicture().cacheKey());
    }
}

TEST_F(LossWindowTest, ButtonPicturesComeFromTheProgramFolder) {
    GraphForm& w = Open();
    EXPECT_FALSE(w.GoodButtonPicture().isNull());
    EXPECT_FALSE(w.BadButtonPicture().isNull());
    EXPECT_EQ(w.ui().cmdUpdateGraph->icon().cacheKey(), w.GoodButtonPicture().cacheKey());
    EXPECT_EQ(w.ui().cmdUpdateGraph->toolTip(), QStringLiteral("Replot The Graph "));
}

TEST_F(LossWindowTest, SuburbanLocksTheCitySizeAndUrbanFreesIt) {
    GraphForm& w = Open();
    w.ui().cmbcitysize->setCurrentText(QStringLiteral("Large"));
    w.ui().cmbareatype->setCurrentText(QStringLiteral("Suburban"));
    EXPECT_FALSE(w.ui().cmbcitysize->isEnabled());
    EXPECT_EQ(w.ui().cmbcitysize->currentText(), QStringLiteral("Small/Medium"));
    w.ui().cmbareatype->setCurrentText(QStringLiteral("Urban"));
    EXPECT_TRUE(w.ui().cmbcitysize->isEnabled());
    EXPECT_EQ(w.ui().cmbcitysize->currentText(), QStringLiteral("Small/Medium"));
    EXPECT_TRUE(w.IsStale());
}

TEST_F(LossWindowTest, MaximumDistanceWaitsForTheUpdateButton) {
    GraphForm& w = Open();
    w.menus().mnuGraph300->trigger();
    EXPECT_TRUE(w.IsStale());
    EXPECT_TRUE(w.menus().mnuGraph300->isChecked());
    EXPECT_FALSE(w.menus().mnuGraph100->isChecked());
    EXPECT_EQ(Number(Get(*w.chart(), chartid::AxisMax, chartcode::kAxisX)), 100.0);
    w.ui().cmdUpdateGraph->click();
    EXPECT_FALSE(w.IsStale());
    EXPECT_EQ(Number(Get(*w.chart(), chartid::AxisMax, chartcode::kAxisX)), 300.0);
}

TEST_F(LossWindowTest, TheBaseAntennaLabelShowsAndHidesTheArchiveButton) {
    GraphForm& w = Open();
    w.show();
    Click(w.ui().lblBaseAntenna);
    EXPECT_TRUE(w.ui().archiveButton->isVisible());
    EXPECT_EQ(w.ui().archiveButton->text(), QStringLiteral("Add to Archive"));
    Click(w.ui().lblBaseAntenna);
    EXPECT_FALSE(w.ui().archiveButton->isVisible());
}

TEST_F(LossWindowTest, MetafileIsWrittenAndAnExistingOneKeptOnNo) {
    const QString path = tempDir() + QStringLiteral("/loss.wmf");
    fileAnswers_ = {path, path, QString()};
    GraphForm& w = Open();
    w.show(); // the chart's page comes with its first paint
    QApplication::processEvents();
    w.menus().mnuFileSave->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("\xD7\xCD\xC6\x9A", 4)); // placeable metafile key
    file.close();
    EXPECT_TRUE(Messages().empty());

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("mine");
    file.close();
    answers_[QStringLiteral("File already exits.  Overwrite It?")] = msgbox::vbNo;
    w.menus().mnuFileSave->trigger();
    EXPECT_EQ(Messages(), std::vector<std::string>{"File already exits.  Overwrite It?"});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("mine"));
    file.close();

    w.menus().mnuFileSave->trigger(); // cancelled
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(fileQuestions_, 3);
}

TEST_F(LossWindowTest, AMetafileThatCannotBeWrittenIsReported) {
    const QString path = tempDir() + QStringLiteral("/no/such/folder/loss.wmf");
    fileAnswers_ = {path};
    GraphForm& w = Open();
    w.show(); // a drawn chart, so that it is the write that fails
    QApplication::processEvents();
    w.menus().mnuFileSave->trigger();
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].title, QStringLiteral("File Save"));
    EXPECT_EQ(msgbox::ShownBoxes()[0].style, msgbox::vbCritical);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error in saving file " + path.toStdString()});
}

TEST_F(LossWindowTest, ArchiveAsksForTheDatabaseOnceAndWritesRuns) {
    const QString path = tempDir() + QStringLiteral("/runs.mdb");
    fileAnswers_ = {path};
    GraphForm& w = Open();
    w.ui().archiveButton->click();
    w.ui().archiveButton->click();
    EXPECT_EQ(fileQuestions_, 1);
    EXPECT_EQ(program::ArchiveDbPath, path);
    EXPECT_TRUE(Messages().empty());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery runs(QStringLiteral("SELECT COUNT(*), MIN(Comment), MIN(Parameters) FROM ModelRun"), db);
        ASSERT_TRUE(runs.next());
        EXPECT_EQ(runs.value(0).toInt(), 2);
        EXPECT_EQ(runs.value(1).toString(), QStringLiteral("from test"));
        EXPECT_TRUE(runs.value(2).toString().startsWith(QStringLiteral("hb:")));
        QSqlQuery sets(QStringLiteral("SELECT COUNT(*) FROM DataSets"), db);
        ASSERT_TRUE(sets.next());
        EXPECT_EQ(sets.value(0).toInt(), 6);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

TEST_F(LossWindowTest, ACancelledDatabaseChoiceStoresNothing) {
    GraphForm& w = Open();
    w.ui().archiveButton->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Cannot Open Access Database"});
    EXPECT_TRUE(program::ArchiveDbPath.isEmpty());
}

TEST_F(LossWindowTest, CopyToReportLogPastesTheChartPicture) {
    GraphForm& w = Open();
    w.resize(900, 600);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.BackgroundPicture().isNull());
    w.menus().mnuFileCopyToReportLog->trigger();
    EXPECT_TRUE(LogText().contains(QStringLiteral("[Clip Board Image]")));
    EXPECT_TRUE(LogText().contains(QChar(QChar::ObjectReplacementCharacter)));
    // The window keeps the chart's picture as its own, and the clipboard holds it as a bitmap.
    const QImage picture = w.BackgroundPicture();
    EXPECT_EQ(picture.size(), w.ui().chartWidget->size());
    EXPECT_GT(DrawnPixels(picture), 1000);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(picture.format()), picture);
}

TEST_F(LossWindowTest, EnglishUnitsFollowTheProgram) {
    ui().mnuUnitsEnglish->trigger();
    GraphForm& w = Open();
    EXPECT_TRUE(w.ui().mnuUnitsEnglish->isChecked());
    EXPECT_EQ(w.ui().Label10->text(), QStringLiteral("ft"));
    EXPECT_EQ(w.ui().txthb->text(), ui().txthb->text());
    EXPECT_TRUE(w.Inputs().english);
    w.ui().mnuUnitsMetric->trigger();
    EXPECT_FALSE(UnitSystem::Instance().IsEnglish());
    EXPECT_TRUE(ui().mnuUnitsMetric->isChecked());
    EXPECT_TRUE(w.ui().mnuUnitsMetric->isChecked());
    EXPECT_FALSE(w.ui().mnuUnitsEnglish->isChecked());
    EXPECT_EQ(w.ui().Label11->text(), QStringLiteral("m"));
    EXPECT_EQ(w.ui().txthb->text(), ui().txthb->text());
    EXPECT_FALSE(w.IsStale());
}

TEST_F(LossWindowTest, TheGraphMenuOpensTheWindowModally) {
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* w = qobject_cast<GraphForm*>(modal)) {
            seen = w->windowTitle();
            w->ui().txtFreq->setText(QStringLiteral("777.0"));
            w->close();
        }
    });
    ui().mnuGraphdBloss->trigger();
    EXPECT_EQ(seen, QStringLiteral("dB Loss Graph"));
    EXPECT_EQ(ui().txtFreq->text(), QStringLiteral("777.0"));
}

TEST_F(LossWindowTest, EscapeHandsTheInputsBackToo) {
    GraphForm& w = Open();
    w.ui().txtPctTime->setText(QStringLiteral("90"));
    w.reject();
    EXPECT_EQ(ui().txtPctTime->text(), QStringLiteral("90"));
}

TEST_F(LossWindowTest, AnUnregisteredChartLeavesAUsableWindow) {
    ASSERT_EQ(automation::UnregisterServer(
                  (QCoreApplication::applicationDirPath() + QStringLiteral("/libzent.so")).toStdString()),
              automation::S_OK);
    GraphForm& w = Open();
    EXPECT_EQ(w.chart(), nullptr);
    fileAnswers_ = {tempDir() + QStringLiteral("/none.wmf")};
    w.menus().mnuFileSave->trigger();
    w.ui().cmdUpdateGraph->click();
    w.menus().mnuFileCopyToReportLog->trigger();
    EXPECT_EQ(fileQuestions_, 0);
    w.close();
    EXPECT_EQ(ui().txtFreq->text(), w.ui().txtFreq->text());
}

} // namespace
