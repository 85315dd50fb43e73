#pragma once
// The platform control framework's stock events, as containers receive them: their dispatch ids and
// the argument codes of keys, shift state and mouse buttons.

#include <Dispatch.h>

#include <Qt>

namespace zent {

constexpr automation::DISPID kClick = -600;
constexpr automation::DISPID kDblClick = -601;
constexpr automation::DISPID kKeyDown = -602;   // (KeyCode by reference, Shift)
constexpr automation::DISPID kKeyPress = -603;  // (KeyAscii by reference)
constexpr automation::DISPID kKeyUp = -604;     // (KeyCode by reference, Shift)
constexpr automation::DISPID kMouseDown = -605; // (Button, Shift, X, Y)
constexpr automation::DISPID kMouseMove = -606; // (Button, Shift, X, Y)
constexpr automation::DISPID kMouseUp = -607;   // (Button, Shift, X, Y)
// (Number, Description by reference, SCode, Source, HelpFile, HelpContext, CancelDisplay by reference)
constexpr automation::DISPID kError = -608;
constexpr automation::DISPID kReadyStateChange = -609; // (ReadyState)

// Ready states of a control.
constexpr int kReadyStateLoading = 1;
constexpr int kReadyStateComplete = 4;

// The Windows virtual-key code of a key (letters as capitals, digits, function, editing and cursor
// keys); 0 for a key that has none.
int VirtualKeyCode(int qtKey);
// Shift 1, Ctrl 2, Alt 4.
int ShiftState(Qt::KeyboardModifiers modifiers);
// Left 1, right 2, middle 4.
int ButtonMask(Qt::MouseButtons buttons);

} // namespace zent
