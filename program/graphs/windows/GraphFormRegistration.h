#pragma once
// The graph windows create their chart control by ProgID, so the program makes sure at start that
// the ProgID leads to the control library shipped beside it.

#include "Dispatch.h"

#include <QString>

// Registers folder/libzent.so unless the class store already names exactly that library for the
// chart's ProgID. S_OK when the ProgID leads there afterwards.
automation::HRESULT RegisterChartControl(const QString& folder);
