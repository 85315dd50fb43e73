#pragma once
// Several copies of a test's helper program doing their work at the same moment, as copies of the
// program do when an engineer runs two side by side. Each copy waits for a line on its standard
// input before it starts, so all of them have started before any of them writes.

#include <QString>
#include <QStringList>

#include <vector>

namespace testsupport {

struct SimultaneousRun {
    bool ok = false;                 // every copy ran and exited with code 0
    QString problem;                 // otherwise what went wrong
    std::vector<QStringList> output; // each copy's lines of standard output, in argument order
};

SimultaneousRun RunSimultaneously(const QString& program, const std::vector<QStringList>& arguments);

} // namespace testsupport
