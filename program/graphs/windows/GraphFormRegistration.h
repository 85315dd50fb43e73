#pragma once
// The graph windows create their chart control by ProgID, so the program makes sure at start that
// the ProgID leads to the control library shipped beside it.

#include "Dispatch.h"

#include <QString>

// Registers folder/libzent.so unless the class store already names exactly that library for the
// chart's ProgID and for every property page the control lists (a registration cut short by a
// crash is completed). S_OK when the ProgID leads there afterwards.
automation::HRESULT RegisterChartControl(const QString& folder);

// RegisterChartControl, and when the class store cannot take the registration, the control of
// folder/libzent.so registered for this run only: the charts work, and the next start tries the
// store again. Empty when all is well; else what failed, naming the file, for the user.
QString EnsureChartControl(const QString& folder);

// EnsureChartControl at the program's start, telling the user what failed.
void PrepareChartControl(const QString& folder);
