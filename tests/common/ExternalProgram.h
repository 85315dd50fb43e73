#pragma once
// Runs a program from outside the project (a metafile player, say) for a test. When the program
// is not there or cannot do its work for want of a package, the result says so in one line that
// names the package to install, instead of the test failing on an unrelated assertion later.

#include <QString>
#include <QStringList>

namespace testsupport {

struct ExternalRun {
    bool ok = false;     // the program ran and exited with code 0
    QString problem;     // otherwise one line: what is missing or what went wrong
    QString errorOutput; // the program's standard error
};

// `packages` names the Debian packages the program needs, including what it only recommends but
// cannot work without. No time limit applies short of ctest's own: a loaded machine only makes
// the run slower, never a failure.
ExternalRun RunExternal(const QString& program, const QStringList& arguments, const QString& packages);

} // namespace testsupport
