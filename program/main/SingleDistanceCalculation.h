#pragma once
// "Calculate": the six results for the main window's inputs, one line in the report log, the
// result labels, and the log saved to the temporary file.

#include "LossCalculation.h"

class MainResultPanel;
class QWidget;

// Inputs that fail a check are told (over owner) and nothing is calculated.
void CalculateOneDistance(const ShownInputs& shown, MainResultPanel& results, QWidget* owner);
