#pragma once
// Windows that stay on top. Such a window lies over every ordinary window of
// the program, its modal boxes included, so a box that opened under it would
// block the program unseen: the program's boxes and dialogs stand above it,
// and only while it is shown.

class QWidget;

// Makes the window stay on top or puts it back among ordinary ones. A window
// that has a native window keeps it, and with it its place on screen and a
// box its answer: only the window manager is told.
void SetStaysOnTop(QWidget* window, bool onTop);

// True when a window of the program other than `except` stays on top of its
// own (not only to stand above another) and is on screen.
bool TopMostWindowShown(const QWidget* except = nullptr);

// Before a dialog is shown: it stays on top too while a window that stays on
// top is on screen, so that it opens above that window; otherwise it is an
// ordinary window. From then on it follows: ordinary again once no such
// window is shown, on top again when one is shown while the dialog is open.
// Nothing of the program stays above the player's other programs longer
// than the window it stands above.
void StandOverTopMost(QWidget* dialog);
