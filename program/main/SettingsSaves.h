#pragma once
// The program's saves of its own settings and of the suite's parameters. Each save that fails
// loses something the user changed, so each is told, saying which file and why; the saves of the
// end are told together in one message. While a save waits for the lock another copy of the
// program holds, the wait pointer shows.

#include <QString>
#include <QStringList>

class QWidget;

// Shows the wait pointer while a settings save of this process waits for a lock.
void ShowWaitWhileSettingsLocked();

// Tells that the settings could not be saved, with each failure's reason.
void TellSettingsNotSaved(const QStringList& failures, QWidget* owner);
