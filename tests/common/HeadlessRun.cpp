#include "HeadlessRun.h"

namespace testsupport {

void UseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

TemporaryHome::TemporaryHome(Folders folders) {
    Replace("XDG_CONFIG_HOME");
    if (folders == SettingsAndTemp) {
        Replace("TMPDIR");
    }
}

TemporaryHome::~TemporaryHome() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->second) {
            qputenv(it->first, *it->second);
        } else {
            qunsetenv(it->first);
        }
    }
}

void TemporaryHome::Replace(const char* variable) {
    saved_.emplace_back(variable, qEnvironmentVariableIsSet(variable) ? std::optional(qgetenv(variable))
                                                                      : std::nullopt);
    qputenv(variable, dir_.path().toUtf8());
}

} // namespace testsupport
