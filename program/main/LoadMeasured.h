#pragma once
// Start-up's reading of the measured-data file beside the program.

#include <QString>

// Reads "measured.csv" in folder into MeasuredData. When the file is missing or refused, the user
// is warned and MeasuredData holds three tables that no look-up matches (frequency -1), so the
// program runs on without measured data. True when the file was read.
bool LoadMeasuredFile(const QString& folder);
