#pragma once
// Where the keyboard goes when a window of the program hides. When a form
// closes or hides while it has the keyboard, the keyboard goes back to the
// main window, to the control that had it there, unless the main window is
// hidden or minimised. Left to itself a window manager (metacity) hands it
// to the program's top-most window, the game room, and what the player
// types next lands there.
//
// A focus move the form makes as it closes still holds: it goes into the
// main window too, or comes later and makes its own window the active one;
// so does a window the program shows after the form hid (a box, a form),
// and a window the player clicks into: only the window manager's own choice
// is undone.

class QEvent;
class QWidget;

// Called by the application object for the events of every widget: a
// window's loss of the keyboard, its activation and its showing, and the
// player's mouse presses.
void FollowKeyboard(QWidget* widget, const QEvent& event);

// The program gives the keyboard to a window of its choice (a form it shows
// again while it is open): nothing is owed to the main window any more.
void KeyboardGivenAway();
