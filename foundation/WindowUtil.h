#pragma once
// Window placement helpers.

#include <QtGlobal>

class QWidget;

// Puts the window on top of all others (flag -1), back among ordinary
// windows (0), or raises it among them (any other value); it is shown but
// neither moved, resized nor activated.
void SetOnTop(QWidget* window, qint16 flag);

// Centres the window on its owner's window, or on the screen without one.
void CentreOnOwner(QWidget* window, const QWidget* owner);
