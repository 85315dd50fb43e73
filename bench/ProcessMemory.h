#pragma once
// This process's memory as Linux counts it in /proc/self/status, for the benchmarks that report
// what a load or a draw holds. Values are in bytes; 0 where the system gives none.

namespace benchmem {

// Resident memory now.
double ResidentBytes();
// The most resident memory since the start or since the last ResetPeak.
double PeakBytes();
// Starts the peak anew at the present use (Linux 4.0 and later).
void ResetPeak();

constexpr double kMiB = 1024.0 * 1024.0;

} // namespace benchmem
