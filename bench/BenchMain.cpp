#include "BenchRun.h"

int main(int argc, char** argv) {
    return testsupport::RunBenchmarks(argc, argv);
}
