#pragma once
// What a test or benchmark run needs so that it runs without a display and leaves the user's own
// settings and temporary files alone.

#include <optional>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace testsupport {

// The offscreen platform, unless the run was given one (xcb under Xvfb, for screenshots).
void UseOffscreenPlatform();

// A temporary folder that stands in for the user's settings folder (XDG_CONFIG_HOME) and, when
// asked, for the temporary folder (TMPDIR), for the life of the object; the earlier values come
// back after.
class TemporaryHome {
public:
    enum Folders { Settings, SettingsAndTemp };
    explicit TemporaryHome(Folders folders = Settings);
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    void Replace(const char* variable);

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

} // namespace testsupport
