#pragma once
// A running main window with the chart control registered in the temporary class store, and the
// graph windows' questions answered by the test: file names, the archive comment and message
// boxes.

#include "mainform_fixture.h"

#include "Dispatch.h"
#include "Variant.h"

#include <functional>
#include <map>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

class GraphWindowTest : public MainFormTest {
public:
    // Property gets on a chart, by dispatch id, with an item index or none.
    static automation::Variant Get(automation::IDispatch& chart, int dispid, int item = -1);
    static std::string GetText(automation::IDispatch& chart, int dispid, int item = -1);
    // A numeric property's value, whatever integer or real type the control answers with.
    static double Number(const automation::Variant& value);
    // Pixels of an image that are not the most frequent colour (the background).
    static int DrawnPixels(const QImage& image);

    // A box of the chart as the dispatch ids of its four edges, each a fraction of the chart.
    struct BoxIds {
        int left, top, right, bottom;
    };
    static constexpr BoxIds kPlotArea{2, 7, 3, 6};
    static constexpr BoxIds kLegendBox{37, 35, 38, 36};
    struct Edges {
        double left, top, right, bottom;
    };
    static Edges EdgesOf(automation::IDispatch& chart, BoxIds box);

protected:
    void SetUp() override;
    void TearDown() override;

    // Answers of the file questions in order; empty = cancel.
    std::vector<QString> fileAnswers_;
    int fileQuestions_ = 0;
    QString comment_ = QStringLiteral("from test");
    // Answers of message boxes by their text; others get 0.
    std::map<QString, int> answers_;
};
