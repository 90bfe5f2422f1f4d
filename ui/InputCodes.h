#pragma once
// The key codes, modifier states and mouse buttons that the window handlers
// work with: virtual-key codes (Enter 13, Left 37 ... Down 40, numpad 0-9
// 96-105, ` 192), the Shift state as bits (1 Shift, 2 Ctrl, 4 Alt) and the
// buttons 1 left, 2 right, 4 middle.

#include <Qt>
#include <functional>

class QKeyEvent;
class QWidget;

constexpr int vbKeyReturn = 13;
constexpr int vbKeyLeft = 37;
constexpr int vbKeyUp = 38;
constexpr int vbKeyRight = 39;
constexpr int vbKeyDown = 40;
constexpr int vbKeyNumpad0 = 96;
constexpr int vbKeyBackquote = 192;

constexpr int vbShiftMask = 1;
constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;

// The virtual-key code of a key event; 0 for a key without one.
int VirtualKeyCode(const QKeyEvent& event);
// The Shift state of a key event (a Shift, Ctrl or Alt key's own press counts
// as that modifier held).
int ShiftState(const QKeyEvent& event);
int ShiftState(Qt::KeyboardModifiers modifiers);
int MouseButtonCode(Qt::MouseButton button);

// Calls the handler with the button code, the Shift state and the position in
// twips whenever a mouse button goes down on the widget (push buttons report
// only left clicks by themselves).
void OnMouseDown(QWidget* widget, std::function<void(int Button, int Shift, float X, float Y)> handler);
