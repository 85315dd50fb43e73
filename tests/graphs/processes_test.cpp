// The program's start, its settings saves and the archive as real processes over a settings folder
// of their own: a copy whose config folder cannot be written still draws its charts and tells each
// save it lost, a registration killed midway is completed at the next start, and an archive another
// copy holds busy is tried again by the next action. The test executable starts itself as the copies.

#include "ClassStore.h"
#include "ComLoader.h"
#include "frmInfoScreen.h"
#include "GraphForm.h"
#include "GraphFormRegistration.h"
#include "GraphOutputs.h"
#include "HeadlessRun.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ProgramState.h"
#include "WriteFaults.h"

#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <iostream>
#include <QApplication>
#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <string>

namespace {

constexpr char kCopy[] = "--copy";

void PrintBoxes() {
    msgbox::SetTestAnswerer([](const msgbox::ShownBox& box) {
        std::printf("box: %s\n", box.prompt.toUtf8().constData());
        std::fflush(stdout);
        return box.prompt == QLatin1String("Retain Output Log?") ? msgbox::vbYes : msgbox::vbOK;
    });
}

int DrawnPixels(const QImage& image) {
    QHash<QRgb, int> counts;
    int most = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, ++counts[image.pixel(x, y)]);
    return image.width() * image.height() - most;
}

// A run of the program: its start, a path-loss graph, the Introduction screen's check box, its end.
int RunProgram() {
    msgbox::SetProgramTitle(program::Title());
    PrintBoxes();
    PrepareChartControl(QCoreApplication::applicationDirPath());
    MainForm form;
    form.Form_Load();
    {
        GraphForm graph;
        graph.Form_Load();
        graph.resize(800, 600);
        graph.show();
        QApplication::processEvents();
        const int drawn = DrawnPixels(graph.ui().chartWidget->grab().toImage());
        std::printf("chart %s\n", graph.chart() != nullptr && drawn > 1000 ? "drawn" : "missing");
    }
    {
        frmInfoScreen screen(&form);
        screen.chkShowNext_Click();
    }
    form.close();
    return 0;
}

// The control library's registration, killed as soon as its second write reached the class store.
int RegisterAndDie() {
    automation::SetAfterStoreWriteForTest([writes = 0]() mutable {
        if (++writes == 2)
            std::raise(SIGKILL);
    });
    return automation::RegisterServer(
        (QCoreApplication::applicationDirPath() + QStringLiteral("/libzent.so")).toStdString());
}

// Another copy writing into the archive: holds its write lock until its standard input closes.
int HoldArchive(const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE")))
        return 1;
    std::printf("holding\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    return 0;
}

struct Copy {
    explicit Copy(const QStringList& arguments) {
        process.start(QCoreApplication::applicationFilePath(),
                      QStringList{QString::fromLatin1(kCopy)} + arguments);
    }
    QStringList Lines() {
        process.waitForFinished(-1);
        return QString::fromUtf8(process.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QProcess process;
};

QString Folder() {
    return QFileInfo(QString::fromStdString(automation::ClassStorePath())).absolutePath();
}

// The config folder as the user's desktop leaves it: read-only, or a file where the folder belongs
// (which binds root too).
enum class ConfigFault { ReadOnly, NotAFolder };

class UnwritableConfig : public ::testing::TestWithParam<ConfigFault> {};

TEST_P(UnwritableConfig, ChartsAreDrawnAndEverySaveLostIsTold) {
    if (GetParam() == ConfigFault::ReadOnly && !testsupport::CanMake(testsupport::WriteFault::ReadOnlyFolder))
        GTEST_SKIP() << "folder permissions do not bind root";
    testsupport::TemporaryHome home;
    std::optional<testsupport::ReadOnlyFolder> readOnly;
    QString why;
    if (GetParam() == ConfigFault::ReadOnly) {
        ASSERT_TRUE(QDir().mkpath(Folder()));
        readOnly.emplace(Folder());
        why = QStringLiteral("the folder %1 is read-only").arg(Folder());
    } else {
        ASSERT_TRUE(testsupport::WriteBytes(Folder(), "not a folder"));
        why = QStringLiteral("the folder %1 could not be made").arg(Folder());
    }
    Copy copy({QStringLiteral("program")});
    // The measured data's warning belongs to another story.
    const QStringList lines =
        copy.Lines().filter(QRegularExpression(QStringLiteral("^(chart|box: (The|Retain))")));
    const QString store = Folder() + QStringLiteral("/classes.ini");
    const QString lost = QStringLiteral("box: The settings could not be saved: %1.").arg(why);
    // At the start the new log's name, then the check box, then the end: each save told.
    const QStringList expected = {
        QStringLiteral("box: The chart control could not be registered in %1: %2. The charts work in this "
                       "run; the program tries to register it again at its next start.")
            .arg(store, why),
        lost,
        QStringLiteral("chart drawn"),
        lost,
        QStringLiteral("box: Retain Output Log?"),
        lost};
    EXPECT_EQ(lines.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString())
        << QString::fromLocal8Bit(copy.process.readAllStandardError()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faults, UnwritableConfig,
                         ::testing::Values(ConfigFault::ReadOnly, ConfigFault::NotAFolder),
                         [](const auto& info) {
                             return std::string(info.param == ConfigFault::ReadOnly ? "ReadOnly"
                                                                                    : "NotAFolder");
                         });

TEST(ChartRegistration, ARegistrationKilledMidwayIsCompletedAtTheNextStart) {
    testsupport::TemporaryHome home;
    Copy killed({QStringLiteral("register")});
    killed.Lines();
    ASSERT_EQ(killed.process.exitStatus(), QProcess::CrashExit);
    const std::string library =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/libzent.so")).toStdString();
    std::string classId;
    ASSERT_EQ(automation::CLSIDFromProgID("ZENT.ZENTCtrl.1", classId), automation::S_OK);
    const std::vector<std::string> pages = automation::PropertyPageIds(classId);
    ASSERT_EQ(pages.size(), 11u);
    EXPECT_EQ(automation::InprocServerPath(pages.front()), "") << "killed before its pages";

    ASSERT_EQ(RegisterChartControl(QCoreApplication::applicationDirPath()), automation::S_OK);
    for (const std::string& page : pages)
        EXPECT_EQ(automation::InprocServerPath(page), library) << page;
}

TEST(ArchiveAction, ABusyArchiveIsTriedAgainWithoutAskingForTheFile) {
    testsupport::TemporaryHome home;
    const QString path = home.filePath(QStringLiteral("runs.db"));
    std::vector<QString> told;
    msgbox::SetTestAnswerer([&told](const msgbox::ShownBox& box) {
        told.push_back(box.prompt);
        return box.prompt == QLatin1String("Retain Output Log?") ? msgbox::vbNo : msgbox::vbOK;
    });
    int questions = 0;
    GraphOutputs::SetFileChooserForTest([&](GraphOutputs::FileQuestion, QWidget*) {
        ++questions;
        return path;
    });
    GraphOutputs::SetCommentAskerForTest(
        [](QWidget*) { return std::optional<QString>(QStringLiteral("busy")); });
    program::ArchiveDbPath.clear();
    MainForm form;
    form.Form_Load();
    GraphForm graph;
    graph.Form_Load();
    told.clear();

    Copy holder({QStringLiteral("hold"), path});
    ASSERT_TRUE(holder.process.waitForReadyRead(-1));
    graph.cmdArchiveData_Click();
    EXPECT_EQ(told, std::vector<QString>{
                        QStringLiteral(
                            "The run was not stored: another program is using %1. Try again in a moment.")
                            .arg(path)});
    EXPECT_EQ(program::ArchiveDbPath, path);
    holder.process.closeWriteChannel();
    ASSERT_TRUE(holder.process.waitForFinished(-1));

    told.clear();
    graph.cmdArchiveData_Click();
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(told.empty());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery runs(QStringLiteral("SELECT COUNT(*) FROM ModelRun WHERE Comment = 'busy'"), db);
        ASSERT_TRUE(runs.next());
        EXPECT_EQ(runs.value(0).toInt(), 1);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    GraphOutputs::SetFileChooserForTest(nullptr);
    GraphOutputs::SetCommentAskerForTest(nullptr);
}

} // namespace

int main(int argc, char** argv) {
    testsupport::UseOffscreenPlatform();
    if (argc > 2 && std::strcmp(argv[1], kCopy) == 0) {
        QApplication app(argc, argv);
        const std::string mode = argv[2];
        if (mode == "program")
            return RunProgram();
        if (mode == "register")
            return RegisterAndDie();
        if (mode == "hold" && argc > 3)
            return HoldArchive(QString::fromLocal8Bit(argv[3]));
        return 2;
    }
    testsupport::TemporaryHome home(testsupport::TemporaryHome::SettingsAndTemp);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
