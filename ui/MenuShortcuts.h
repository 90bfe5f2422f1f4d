#pragma once
// An input line that has the focus takes Ctrl+Z, Ctrl+A, Ctrl+C ... as its
// own editing keys before any menu sees them. The menu commands of the
// client come first: while the user types, Ctrl+Z is still Zoom In and
// Ctrl+A still Buttons.

class QMenuBar;
class QWidget;

// Lets the shortcuts of the enabled items on the bar's menus (submenus
// included) come before the line's own keys; other keys keep their meaning.
void KeepMenuShortcuts(QWidget* line, const QMenuBar* bar);
