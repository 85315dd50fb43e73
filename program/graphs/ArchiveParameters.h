#pragma once
// The one-line description of a run's inputs stored with it in the archive, for example
// "hb:30.0,hm:1.5,frq:450.0,Urban,Small/Medium,Power:1.kW e.r.p.,50%T,50%L". Readers of existing
// archives parse it, so its parts and punctuation stay as they are.

#include "GraphInputs.h"

#include <string>

std::string ArchiveParameters(const GraphInputs& inputs, double powerWatts);
