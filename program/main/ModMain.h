#pragma once
// Helpers that act on the input windows as a whole: the default inputs, the unit system and the
// stale mark of the results. They work on the program's main window (MainForm::Instance()); the
// graph windows follow the unit system through UnitSystem.

void ResetMainInputs();
void SetMetricUnits();
void SetEnglishUnits();
void MarkResultsStale();
