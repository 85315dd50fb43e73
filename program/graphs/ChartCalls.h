#pragma once
// The program's side of the chart control's automation: property puts and gets and method calls
// by dispatch identifier, with the argument types the control declares. Results of puts and
// method calls are not used: a chart that refuses a setting simply keeps its old one.

#include "Dispatch.h"
#include "Variant.h"

#include <cstdint>
#include <string>
#include <vector>

class ChartCalls {
public:
    explicit ChartCalls(automation::IDispatch& chart) : chart_(chart) {}

    void PutScalar(automation::DISPID member, automation::Variant value);
    void Put(automation::DISPID member, std::int32_t item, automation::Variant value);
    automation::Variant Get(automation::DISPID member, std::int32_t item);
    void Call(automation::DISPID member, std::vector<automation::Variant> args = {});

    // The control copies count values from each run; x and y are the first of them.
    void DefineDataSet(std::int32_t set, const std::string& name, double& x, double& y, std::int32_t count);

    // Arial 10 in black for the labels and titles of the X and Y axes, each setting for X, then Y.
    void SetAxisTextStyle();
    // A simple vertical legend of the lines of text (separated by carriage returns), size 8, shown.
    void SetLegend(const std::string& text);

private:
    automation::IDispatch& chart_;
};
