#include "SettingsSaves.h"

#include "EditIniFile.h"
#include "MessageBox.h"
#include "WaitCursor.h"

#include <memory>

void ShowWaitWhileSettingsLocked() {
    settings::SetLockWaitObserver([wait = std::shared_ptr<WaitCursor>()](bool waiting) mutable {
        if (waiting)
            wait = std::make_shared<WaitCursor>();
        else
            wait.reset();
    });
}

void TellSettingsNotSaved(const QStringList& failures, QWidget* owner) {
    if (failures.isEmpty())
        return;
    msgbox::MsgBox(QStringLiteral("The settings could not be saved: ") + failures.join(QStringLiteral("; ")) +
                       QLatin1Char('.'),
                   msgbox::vbExclamation | msgbox::vbOKOnly, QString(), owner);
}
