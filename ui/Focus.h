#pragma once
// Keyboard focus moves between the main window's parts. A move is made only
// when its target can take the focus: it is enabled and shown (the map and
// the input line are disabled between a disconnect and the next connect).

class QWidget;

// True when the widget is enabled and shown.
bool CanTakeFocus(const QWidget* target);
// Gives the widget the keyboard focus when it can take it, making its window
// the active one; otherwise the focus stays where it is.
void SetFocusIfAble(QWidget* target);
// The buttons in the container take the keyboard only from Tab: a click
// presses one and leaves the keyboard where it was, so the next space typed
// presses no button the player did not reach with Tab.
void KeyboardOnlyByTab(QWidget* container);
