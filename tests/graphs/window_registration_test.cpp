// The program's start makes the chart's ProgID lead to the control shipped beside it.

#include "window_fixture.h"

#include "ClassStore.h"
#include "GraphFormRegistration.h"

#include <QCoreApplication>

namespace {

using ChartRegistrationTest = GraphWindowTest;

TEST_F(ChartRegistrationTest, StartRegistrationRepairsAControlRegisteredElsewhere) {
    std::string classId;
    ASSERT_EQ(automation::CLSIDFromProgID("ZENT.ZENTCtrl.1", classId), automation::S_OK);
    const std::string shipped = automation::InprocServerPath(classId);
    EXPECT_EQ(shipped,
              (QCoreApplication::applicationDirPath() + QStringLiteral("/libzent.so")).toStdString());
    automation::RegisterClassId(classId, "/elsewhere/libzent.so");
    ASSERT_EQ(automation::InprocServerPath(classId), "/elsewhere/libzent.so");
    EXPECT_EQ(RegisterChartControl(QCoreApplication::applicationDirPath()), automation::S_OK);
    EXPECT_EQ(automation::InprocServerPath(classId), shipped);
}

TEST_F(ChartRegistrationTest, AFolderWithoutTheControlIsReported) {
    EXPECT_FALSE(automation::Succeeded(RegisterChartControl(tempDir())));
}

} // namespace
