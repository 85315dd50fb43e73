#include "ContextIDs.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QWidget>

namespace {

struct HelpState {
    QPointer<QWidget> window; // the window that owns help (the main window)
    QString file;
};

HelpState& state() {
    static HelpState s;
    return s;
}

QString defaultHelpFile() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Tarvek.html"));
}

} // namespace

void SetHelpFile(QWidget* window) {
    state().window = window;
    state().file = defaultHelpFile();
}

void QuitHelp() {
    state().window = nullptr;
}

QString HelpFile() {
    return state().file.isEmpty() ? defaultHelpFile() : state().file;
}

void SetHelpFilePath(const QString& path) {
    state().file = path;
}
