#pragma once
// The chart control a graph window embeds: created by its ProgID, loaded from the state stored
// with the window as a container loads a control, and reached through its automation interface.

#include "ClassFactory.h"
#include "StoredCharts.h"

class ChartHost {
public:
    ChartHost() = default;
    // The print dialog must not keep a chart that goes with its window.
    ~ChartHost();
    ChartHost(const ChartHost&) = delete;
    ChartHost& operator=(const ChartHost&) = delete;

    // The control as a child of the window; a label that says so when it cannot be created.
    QWidget* Create(QWidget* window);
    void Load(const StoredChart& state);
    // Null when the control could not be created.
    automation::IDispatch* Dispatch() const { return control_.dispatch; }

private:
    automation::ControlInstance control_;
};
