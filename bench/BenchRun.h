#pragma once
// The run of a benchmark program that needs a GUI application: one application for the whole run,
// offscreen, over settings and temporary folders of its own. The shared main is this call and
// nothing else; a program with a main of its own (one that starts itself again as a child, say)
// calls it for everything but its own case.

namespace testsupport {

int RunBenchmarks(int argc, char** argv);

} // namespace testsupport
