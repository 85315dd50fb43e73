#pragma once
// The diagnostic dump of the measured-data tables: one header block per table and the readings
// of the last table, in the pieces the report log receives them.

#include "Measured.h"

#include <string>
#include <vector>

std::vector<std::string> MeasuredDump(const std::vector<MeasuredRecord>& records);
