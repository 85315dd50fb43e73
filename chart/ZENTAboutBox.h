#pragma once
// The control's About dialog.

#include <memory>

class QDialog;

namespace zent {

// "About ZENT Control": the control's icon, "ZENT Control, Version 1.0" and an "OK" button.
std::unique_ptr<QDialog> CreateAboutDialog();
// The dialog, modal.
void ShowAboutBox();

} // namespace zent
