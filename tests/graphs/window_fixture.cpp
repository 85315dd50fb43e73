#include "window_fixture.h"

#include "FrmPrintOut.h"
#include "GraphFormBase.h"
#include "GraphFormRegistration.h"
#include "ProgramState.h"

#include <QCoreApplication>
#include <QHash>

void GraphWindowTest::SetUp() {
    MainFormTest::SetUp();
    ASSERT_EQ(RegisterChartControl(QCoreApplication::applicationDirPath()), automation::S_OK);
    msgbox::SetTestAnswerer([this](const msgbox::ShownBox& box) {
        if (box.prompt == QLatin1String("Retain Output Log?"))
            return retainAnswer_;
        const auto found = answers_.find(box.prompt);
        return found == answers_.end() ? 0 : found->second;
    });
    GraphOutputs::SetFileChooserForTest([this](GraphOutputs::FileQuestion, QWidget*) {
        const std::size_t at = static_cast<std::size_t>(fileQuestions_++);
        return at < fileAnswers_.size() ? fileAnswers_[at] : QString();
    });
    GraphOutputs::SetCommentAskerForTest([this](QWidget*) { return std::optional<QString>(comment_); });
    program::ArchiveDbPath.clear();
    program::ShowMeasuredData = 0;
    Start();
    Messages();
}

void GraphWindowTest::TearDown() {
    FrmPrintOut::Destroy();
    GraphOutputs::SetFileChooserForTest(nullptr);
    GraphOutputs::SetCommentAskerForTest(nullptr);
    MainFormTest::TearDown();
}

automation::Variant GraphWindowTest::Get(automation::IDispatch& chart, int dispid, int item) {
    std::vector<automation::Variant> args;
    if (item >= 0)
        args.push_back(automation::Variant::I2(static_cast<std::int16_t>(item)));
    automation::Variant result;
    EXPECT_EQ(chart.Invoke(dispid, automation::InvokeKind::PropertyGet, args, &result), automation::S_OK);
    return result;
}

std::string GraphWindowTest::GetText(automation::IDispatch& chart, int dispid, int item) {
    const automation::Variant value = Get(chart, dispid, item);
    return value.vt() == automation::VT_BSTR ? value.AsStr() : std::string();
}

GraphWindowTest::Edges GraphWindowTest::EdgesOf(automation::IDispatch& chart, BoxIds box) {
    return {Number(Get(chart, box.left)), Number(Get(chart, box.top)), Number(Get(chart, box.right)),
            Number(Get(chart, box.bottom))};
}

int GraphWindowTest::DrawnPixels(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    int most = 0;
    for (int n : counts)
        most = std::max(most, n);
    return image.width() * image.height() - most;
}

double GraphWindowTest::Number(const automation::Variant& value) {
    switch (value.vt()) {
    case automation::VT_I2:
        return value.AsI2();
    case automation::VT_I4:
        return value.AsI4();
    case automation::VT_R8:
        return value.AsR8();
    default:
        ADD_FAILURE() << "not a number: type " << value.vt();
        return 0;
    }
}
