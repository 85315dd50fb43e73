#include "ZENTModuleState.h"

#include <QFileDialog>
#include <QObject>
#include <QPageSetupDialog>
#include <QWidget>

namespace zent {

namespace {

EngineContext g_EngineContext;
int g_nGraphWindowCount = 0;
CZENTCtrl* g_pCurrentControl = nullptr;
CZENTCtrl* g_pMouseControl = nullptr;
int g_nLiveObjects = 0;

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
        QFileDialog dialog(nullptr, QStringLiteral("Save Metafile"), QString(),
                           QStringLiteral("Windows Metafiles (*.wmf *.WMF)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("wmf")); // a name typed without one still gets a metafile name
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::string();
        }
        return dialog.selectedFiles().constFirst().toStdString();
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

void CountObject(QObject* object) {
    if (object == nullptr) {
        return;
    }
    ++g_nLiveObjects;
    QObject::connect(object, &QObject::destroyed, [] { --g_nLiveObjects; });
}

int LiveObjectCount() {
    return g_nLiveObjects;
}

} // namespace zent
