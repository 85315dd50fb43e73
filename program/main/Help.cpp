#include "Help.h"

#include "ContextIDs.h"
#include "MessageBox.h"

#include <array>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <utility>

namespace {

struct HelpTopic {
    int id;
    const char* anchor;
};

// Every context number and the section of the help page it opens.
constexpr std::array<HelpTopic, 11> kTopics{{
    {HelpInputs, "inputs"},
    {HelpUnits, "units"},
    {HelpPower, "power"},
    {HelpModels, "models"},
    {HelpValidity, "validity"},
    {HelpCalculation, "calculation"},
    {HelpReportLog, "reportlog"},
    {HelpDistanceRange, "distancerange"},
    {HelpGraphs, "graphs"},
    {HelpArchive, "archive"},
    {HelpSettings, "settings"},
}};

HelpUrlOpener& opener() {
    static HelpUrlOpener o;
    return o;
}

bool openUrl(const QUrl& url) {
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

} // namespace

QString HelpAnchor(int contextId) {
    for (const auto& topic : kTopics) {
        if (topic.id == contextId)
            return QString::fromLatin1(topic.anchor);
    }
    return {};
}

QUrl HelpUrl(int contextId) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(HelpFile()).absoluteFilePath());
    const QString anchor = HelpAnchor(contextId);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

bool ShowHelpContext(int contextId, QWidget* parent) {
    const QString file = HelpFile();
    if (!QFileInfo(file).isFile()) {
        msgbox::MsgBox(QStringLiteral("The help file was not found:\n") + file,
                       msgbox::vbOKOnly | msgbox::vbExclamation, QString(), parent);
        return false;
    }
    if (!openUrl(HelpUrl(contextId))) {
        msgbox::MsgBox(QStringLiteral("No browser could open the help file:\n") + file,
                       msgbox::vbOKOnly | msgbox::vbExclamation, QString(), parent);
        return false;
    }
    return true;
}

bool ShowHelpContents(QWidget* parent) {
    return ShowHelpContext(HelpContents, parent);
}

void InstallHelpKey(QWidget* window, int contextId) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window); // owned by the window
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [window, contextId] { ShowHelpContext(contextId, window); });
}

void SetHelpUrlOpener(HelpUrlOpener o) {
    opener() = std::move(o);
}
