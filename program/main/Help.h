#pragma once
// Opens the help page in the desktop's browser, at the section of a help context number. A help
// page that is missing is reported with a message instead of a silent failure.

#include <functional>
#include <QString>
#include <QUrl>

class QWidget;

// Opens the whole help page (the Help menu's "&Tarvek"). True when the page was handed over.
bool ShowHelpContents(QWidget* parent = nullptr);
// Opens the section of a context number (ContextIDs.h); an unknown number opens the contents.
bool ShowHelpContext(int contextId, QWidget* parent = nullptr);
// The address a context number opens: the help file with the section's anchor.
QUrl HelpUrl(int contextId);
// The anchor of a context number ("" for the contents or an unknown number).
QString HelpAnchor(int contextId);
// F1 on the window (or any of its children) opens the context's section.
void InstallHelpKey(QWidget* window, int contextId);

// Test seam: while set, addresses go to the opener instead of the desktop's browser.
using HelpUrlOpener = std::function<bool(const QUrl&)>;
void SetHelpUrlOpener(HelpUrlOpener opener);
