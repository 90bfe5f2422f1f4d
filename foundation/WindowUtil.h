#pragma once
// Window placement helpers.

#include <QtGlobal>

class QWidget;

// Puts the window on top of all others (flag -1), back among ordinary
// windows (0), or raises it among them (any other value); it is shown but
// neither moved, resized nor activated.
void SetOnTop(QWidget* window, qint16 flag);

// Before a tool window or dialog of the program is shown: it belongs to the
// main window, as the window system's tool windows belong to their owner.
// One that belongs to no window is kept by some window managers (metacity)
// in the layer of the program's highest window, over the game room that
// stays on top; one that belongs to the main window stays in its layer, above
// the main window.
void BelongToMainWindow(QWidget* window);

// Centres the window on its owner's window, or on the screen without one.
void CentreOnOwner(QWidget* window, const QWidget* owner);

// A window without a minimise box is never minimised, and a form without a
// maximise box never maximised, though a window manager may draw those
// buttons on every window: such a state is undone as soon as the window
// manager sets it. A minimised modal box would otherwise block the program
// with nothing on screen. Dialogs that are not forms (file choosers) may
// still be maximised where the window manager offers it. A window taken down
// with the window it belongs to (openbox minimises a window's own windows
// with it) stays down and comes back with it: undoing that would bring the
// owner back up too.
void UndoStateWithoutBox(QWidget* window);
