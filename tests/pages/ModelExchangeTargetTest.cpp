#include "ModelExchangeTarget.h"
#include "ControlPageHooks.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <QObject>
#include <string>

using namespace pages;
using chart::CChartModel;

namespace {

class FakePage : public QObject, public IOpenPage {
public:
    explicit FakePage(PageKind kind) : kind_(kind) {}
    PageKind Kind() const override { return kind_; }
    QObject* PageObject() override { return this; }
    void ReloadFromControl() override { ++reloads; }
    int reloads = 0;

private:
    PageKind kind_;
};

// Every page's working values, as the pages hold them.
struct Side {
    Long l[16] = {};
    double d[8] = {};
    QString s[2];
    LongArray la[17];
    DoubleArray da[4];
    StringArray sa[5];
    std::vector<LongArray> nl[4];
    std::vector<DoubleArray> nd;
    std::vector<StringArray> ns;
    DoubleArray x, y;
    std::int16_t set = 0;
};

using Call = std::function<void(CPageExchangeTarget&, IOpenPage*, Side&, int)>;

const std::map<PageKind, Call>& Calls() {
    static const std::map<PageKind, Call> calls = {
        {PageKind::General,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeGeneralPage(p, v.l[0], v.l[1], v.l[2], v.l[3], v.l[4], v.d[0], v.d[1], v.d[2], v.d[3],
                                   v.sa[0], v.sa[1], v.la[0], v.la[1], v.la[2], save);
         }},
        {PageKind::Axis,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeAxisPage(p, v.da[0], v.da[1], v.da[2], v.da[3], v.la[0], v.la[1], v.la[2], v.la[3],
                                v.la[4], v.la[5], v.la[6], v.la[7], save);
         }},
        {PageKind::AxisLabels,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeAxisLabelPage(p, v.la[0], v.la[1], v.la[2], v.la[3], v.la[4], v.la[5], v.la[6],
                                     v.la[7], v.la[8], v.la[9], v.sa[0], v.sa[1], v.sa[2], v.sa[3], v.la[10],
                                     save);
         }},
        {PageKind::Grids,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeGridPage(p, v.la[0], v.la[1], v.la[2], v.la[3], v.la[4], save);
         }},
        {PageKind::Data,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeDataPage(p, v.set, v.l[0], v.s[0], v.l[1], v.l[2], v.l[3], v.x, v.y, save);
         }},
        {PageKind::SimplePlots,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeSimplePlotPage(p, v.la[0], v.la[1], v.la[2], v.la[3], v.la[4], v.la[5], v.la[6],
                                      v.la[7], v.la[8], v.la[9], v.da[0], v.la[10], v.la[11], v.la[12],
                                      v.la[13], v.la[14], v.la[15], save);
         }},
        {PageKind::GroupPlots,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeGroupPlotPage(p, v.la[0], v.la[1], v.nl[0], v.nl[1], v.la[2], v.la[3], v.nl[2],
                                     v.la[4], v.da[0], v.la[5], v.la[6], v.la[7], v.la[8], save);
         }},
        {PageKind::Legend,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeLegendPage(p, v.l[0], v.d[0], v.d[1], v.d[2], v.d[3], v.l[1], v.l[2], v.l[3], v.s[0],
                                  v.s[1], v.l[4], v.l[5], v.l[6], v.l[7], v.l[8], save);
         }},
        {PageKind::Pie,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangePiePage(p, v.la[0], v.la[1], v.la[2], v.da[0], v.da[1], v.da[2], v.nl[0], v.nl[1],
                               v.nl[2], v.nd, v.ns, v.sa[0], v.la[3], v.la[4], v.la[5], save);
         }},
        {PageKind::Print,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangePrintPage(p, v.l[0], v.l[1], v.l[2], v.l[3], v.l[4], v.d[0], v.d[1], v.d[2], v.d[3],
                                 save);
         }},
        {PageKind::Events,
         [](CPageExchangeTarget& t, IOpenPage* p, Side& v, int save) {
             t.ExchangeEventPage(p, v.l[0], v.l[1], v.l[2], v.l[3], v.l[4], v.l[5], v.l[6], v.l[7], v.l[8],
                                 v.d[0], v.d[1], v.d[2], v.d[3], save);
         }},
    };
    return calls;
}

class ExchangeTargetTest : public ::testing::Test {
protected:
    ExchangeTargetTest() : model(nullptr, nullptr), target(model) {
        target.Hooks().rebuildGraph = [this] { ++rebuilds; };
    }
    CChartModel model;
    CModelExchangeTarget target;
    int rebuilds = 0;
};

} // namespace

TEST_F(ExchangeTargetTest, EverySaveRebuildsOnceAndNoLoadRebuilds) {
    ASSERT_EQ(Calls().size(), static_cast<std::size_t>(kPageCount));
    for (const auto& [kind, call] : Calls()) {
        FakePage page(kind);
        Side side;
        rebuilds = 0;
        call(target, &page, side, 0);
        EXPECT_EQ(rebuilds, 0) << static_cast<int>(kind);
        call(target, &page, side, 1);
        EXPECT_EQ(rebuilds, 1) << static_cast<int>(kind);
        EXPECT_EQ(target.OpenPage(kind), &page);
    }
}

TEST_F(ExchangeTargetTest, LoadThenSaveLeavesTheModelAsItWas) {
    model.AxisMin = {1, 2, 3, 4};
    model.TitleString = {"a", "b", "c"};
    model.PieSliceLabel[3][2] = "slice";
    model.SLegendStrings = "one\rtwo";
    for (const auto& [kind, call] : Calls()) {
        FakePage page(kind);
        Side side;
        call(target, &page, side, 0);
        call(target, &page, side, 1);
    }
    EXPECT_EQ(model.AxisMin, (DoubleArray{1, 2, 3, 4}));
    EXPECT_EQ(model.TitleString, (StringArray{"a", "b", "c"}));
    EXPECT_EQ(model.PieSliceLabel[3][2], QStringLiteral("slice"));
    EXPECT_EQ(model.SLegendStrings, QStringLiteral("one\rtwo"));
}

TEST_F(ExchangeTargetTest, ScalarSaveWritesTheStoredPropertyAndTheModel) {
    std::map<std::string, chart::ScalarValue> stored;
    target.Hooks().writeStoredScalar = [&](const char* name, const chart::ScalarValue& v) {
        stored[name] = v;
    };
    FakePage page(PageKind::Print);
    Side side;
    side.l[0] = 3;    // PrintStyle
    side.d[3] = 0.75; // PrintTop
    Calls().at(PageKind::Print)(target, &page, side, 1);
    EXPECT_EQ(model.PrintStyle, 3);
    EXPECT_EQ(model.PrintTop, 0.75);
    EXPECT_EQ(std::get<std::int32_t>(stored.at("PrintStyle")), 3);
    EXPECT_EQ(std::get<double>(stored.at("PrintTop")), 0.75);
}

TEST_F(ExchangeTargetTest, ScalarLoadTakesTheStoredPropertyIntoTheModelFirst) {
    target.Hooks().readStoredScalar = [](const char* name) -> std::optional<chart::ScalarValue> {
        if (std::string(name) == "EventZoom") {
            return chart::ScalarValue(std::int32_t{516});
        }
        return std::nullopt;
    };
    model.EventShowPropPage = 515;
    FakePage page(PageKind::Events);
    Side side;
    Calls().at(PageKind::Events)(target, &page, side, 0);
    EXPECT_EQ(model.EventZoom, 516);
    EXPECT_EQ(side.l[0], 516);
    EXPECT_EQ(side.l[1], 515);
}

TEST_F(ExchangeTargetTest, AxisExchangeReadsTheZoomedScaleBackFirst) {
    target.Hooks().readBackZoomedScale = [this] { model.AxisMin[0] = 42; };
    FakePage page(PageKind::Axis);
    Side side;
    Calls().at(PageKind::Axis)(target, &page, side, 0);
    EXPECT_EQ(side.da[1][0], 42); // AxisMin is the second array
}

TEST_F(ExchangeTargetTest, DataSaveSetsCountsThenTakesThePageArrays) {
    FakePage page(PageKind::Data);
    Side side;
    side.set = 5;
    side.l[0] = 1;
    side.s[0] = "wave";
    side.l[1] = 1; // group data
    side.l[2] = 2; // points
    side.l[3] = 2; // groups
    side.x = {1, 2};
    side.y = {10, 11, 20, 21};
    Calls().at(PageKind::Data)(target, &page, side, 1);
    EXPECT_EQ(model.SDataNumPlotPoints[5], 2);
    EXPECT_EQ(model.SDataNumGroups[5], 2);
    EXPECT_EQ(model.SDataType[5], 1);
    EXPECT_EQ(model.SDataEnable[5], 1);
    EXPECT_EQ(model.SDataName[5], QStringLiteral("wave"));
    EXPECT_EQ(model.SDataXData[5], side.x);
    EXPECT_EQ(model.SDataYData[5], side.y);
    Side loaded;
    loaded.set = 5;
    Calls().at(PageKind::Data)(target, &page, loaded, 0);
    EXPECT_EQ(loaded.y, side.y);
    EXPECT_EQ(loaded.l[3], 2);
}

TEST_F(ExchangeTargetTest, DataExchangeRefusesASetOutsideTheModel) {
    FakePage page(PageKind::Data);
    for (std::int16_t set : {std::int16_t{-1}, std::int16_t{32}}) {
        Side side;
        side.set = set;
        side.l[2] = 5;
        Calls().at(PageKind::Data)(target, &page, side, 1);
        EXPECT_EQ(rebuilds, 0);
    }
}

// The page is one more way to put values: a set the chart cannot hold is refused whole and told.
TEST_F(ExchangeTargetTest, DataSaveBeyondTheChartsValuesIsRefusedAndTold) {
    QString told;
    target.Hooks().reportRefusal = [&told](const QString& text) { told = text; };
    model.SDataXData[1].assign(3'700'000, 0.0); // with 16 groups, 62,900,000 of the chart's values
    model.SDataNumGroups[1] = 16;
    const chart::DoubleArray before = model.SDataXData[0];
    FakePage page(PageKind::Data);
    Side side;
    side.set = 0;
    side.l[2] = 100'000;
    side.l[3] = 16;
    side.x.assign(100'000, 1.0);
    side.y.assign(1'600'000, 2.0);
    Calls().at(PageKind::Data)(target, &page, side, 1);
    EXPECT_EQ(model.SDataXData[0], before);
    EXPECT_EQ(model.SDataNumGroups[0], 1);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_FALSE(told.isEmpty());
}

TEST_F(ExchangeTargetTest, DataSetListCopiesTheThreeArrays) {
    model.SDataEnable[3] = 1;
    model.SDataName[3] = "three";
    model.SDataType[3] = 2;
    LongArray enable;
    StringArray names;
    LongArray types;
    target.GetDataSetList(enable, names, types);
    ASSERT_EQ(enable.size(), 32u);
    EXPECT_EQ(names[3], QStringLiteral("three"));
    EXPECT_EQ(types[3], 2);
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(ExchangeTargetTest, RefreshReloadsRememberedPagesAndForgetsDestroyedOnes) {
    auto general = std::make_unique<FakePage>(PageKind::General);
    FakePage grids(PageKind::Grids);
    Side side;
    Calls().at(PageKind::General)(target, general.get(), side, 0);
    Calls().at(PageKind::Grids)(target, &grids, side, 0);
    target.RefreshOpenPages();
    EXPECT_EQ(general->reloads, 1);
    EXPECT_EQ(grids.reloads, 1);
    general.reset();
    target.RefreshOpenPages();
    EXPECT_EQ(target.OpenPage(PageKind::General), nullptr);
    EXPECT_EQ(grids.reloads, 2);
}

namespace {

struct FakeControl {
    std::vector<std::string> calls;
    void RebuildGraph() { calls.push_back("rebuild"); }
    bool LoadFromFile(const QString&) { return calls.push_back("load"), true; }
    bool SaveToFile(const QString&) { return calls.push_back("save"), false; }
    void PrintPage() { calls.push_back("print"); }
    void PrinterSetup() { calls.push_back("setup"); }
    void SavePageMetaDefault() { calls.push_back("meta"); }
};

} // namespace

TEST(ControlPageHooks, ForwardToTheControlsOperations) {
    CChartModel model(nullptr, nullptr);
    FakeControl control;
    CModelExchangeTarget target(model, HooksForControl(control));
    EXPECT_TRUE(target.LoadFromFile("a.SER"));
    EXPECT_FALSE(target.SaveToFile("b.SER"));
    target.PrintPage();
    target.PrinterSetup();
    target.SavePageMetaDefault();
    FakePage page(PageKind::Print);
    Side side;
    Calls().at(PageKind::Print)(target, &page, side, 1);
    EXPECT_EQ(control.calls, (std::vector<std::string>{"load", "save", "print", "setup", "meta", "rebuild"}));
}

TEST(ControlPageHooks, WithoutHooksFileActionsFail) {
    CChartModel model(nullptr, nullptr);
    CModelExchangeTarget target(model);
    EXPECT_FALSE(target.LoadFromFile("a.SER"));
    EXPECT_FALSE(target.SaveToFile("a.SER"));
}
