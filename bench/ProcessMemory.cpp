#include "ProcessMemory.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace benchmem {

namespace {

// A field of /proc/self/status, which gives it in kB.
double StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::strtod(line.c_str() + field.size() + 1, nullptr) * 1024.0;
        }
    }
    return 0.0;
}

} // namespace

double ResidentBytes() {
    return StatusBytes("VmRSS");
}

double PeakBytes() {
    return StatusBytes("VmHWM");
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace benchmem
