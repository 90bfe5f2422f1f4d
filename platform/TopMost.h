#pragma once
// Windows that stay on top. Such a window lies over every ordinary window of
// the program, its modal boxes included, so a box that opened under it would
// block the program unseen: the program's boxes and dialogs stand above it.

class QWidget;

// Makes the window stay on top or puts it back among ordinary ones. Changing
// this re-creates the native window, which hides it; a window that has been
// on screen keeps its place.
void SetStaysOnTop(QWidget* window, bool onTop);

// True when a window of the program other than `except` stays on top and is
// on screen.
bool TopMostWindowShown(const QWidget* except = nullptr);

// Before a dialog is shown: it stays on top too while a window that stays on
// top is on screen, so that it opens above that window; otherwise it is an
// ordinary window.
void StandOverTopMost(QWidget* dialog);
