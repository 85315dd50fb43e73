#include "ZENTModuleState.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QWidget>

namespace zent {

namespace {

EngineContext g_EngineContext;
int g_nGraphWindowCount = 0;
CZENTCtrl* g_pCurrentControl = nullptr;
CZENTCtrl* g_pMouseControl = nullptr;

} // namespace

EngineContext& EngineContextBlock() {
    return g_EngineContext;
}

void BindEngine() {
    EngineSetContext(&g_EngineContext);
}

bool EnsureEngineRegistered() {
    BindEngine();
    if (g_EngineContext.registered != 0) {
        return true;
    }
    // The engine shows no dialogs of its own: the control lends it Qt's.
    EngineSetPrinterSetupHook([](QPrinter& printer, void* owner) {
        QPageSetupDialog dialog(&printer, static_cast<QWidget*>(owner));
        return dialog.exec() == QDialog::Accepted;
    });
    EngineSetPrintFileHook([](void* owner) {
        return QFileDialog::getSaveFileName(static_cast<QWidget*>(owner), QStringLiteral("Print to PDF File"),
                                            QString(), QStringLiteral("PDF Files (*.pdf *.PDF)"))
            .toStdString();
    });
    EngineSetFileNameHook([] {
        return QFileDialog::getSaveFileName(nullptr, QString(), QString(),
                                            QStringLiteral("Windows Metafiles (*.wmf *.WMF)"))
            .toStdString();
    });
    g_EngineContext.flags = 8;
    if (EngineRegisterWindowClasses(&g_EngineContext) == 0) {
        EngineHandleError();
        return false;
    }
    return true;
}

int NextGraphWindowNumber() {
    return g_nGraphWindowCount++;
}

CZENTCtrl* CurrentControl() {
    return g_pCurrentControl;
}
void SetCurrentControl(CZENTCtrl* control) {
    g_pCurrentControl = control;
}
CZENTCtrl* MouseControl() {
    return g_pMouseControl;
}
void SetMouseControl(CZENTCtrl* control) {
    g_pMouseControl = control;
}

void ForgetControl(CZENTCtrl* control) {
    if (g_pCurrentControl == control) {
        g_pCurrentControl = nullptr;
    }
    if (g_pMouseControl == control) {
        g_pMouseControl = nullptr;
    }
}

} // namespace zent
