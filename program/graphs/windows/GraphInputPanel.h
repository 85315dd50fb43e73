#pragma once
// The input boxes and lists of a graph window: they are made into the window's controls and laid
// out in a grid, checked against the graph windows' bounds, read as the builders take them, and
// copied from and to the main window.

#include "GraphControls.h"
#include "GraphInputs.h"
#include "MainInputs.h"
#include "UnitSystem.h"
#include "ValidityBounds.h"

class QGridLayout;

class GraphInputPanel {
public:
    explicit GraphInputPanel(GraphControls& controls) : u_(controls) {}

    // Makes the boxes, lists and their labels into the controls; returns their grid, rows 0 to 6,
    // for the window to add its own rows below.
    QGridLayout* Build();

    QLineEdit* Box(InputBox box) const;

    // Checks one box as it loses the focus: a refused value gets its message (over owner) and the
    // box its default; the text is rewritten in the box's pattern either way.
    void Check(InputBox box, QWidget* owner);
    // A menu command does not take the focus from the box being edited, so its check has not run:
    // checks the focused box and every box that does not hold a number. True when one was checked.
    bool CheckBeforeReading(QWidget* owner);
    // The city list is for urban areas only: elsewhere it shows "Small/Medium" and is disabled.
    void FollowArea();

    // The inputs as the boxes show them, for a chart of maxDistanceKm.
    GraphInputs Read(double maxDistanceKm) const;
    // The main window's seven inputs and units, and back (the main window keeps the rest).
    void CopyFrom(const MainInputs& main);
    void CopyTo(MainInputs& main) const;
    // The units in force and the heights as the main window shows them in these units.
    void FollowUnits(Units units, const MainInputs* main);

private:
    bool English() const;
    void ShowUnits(Units units);

    GraphControls& u_;
};
