#include "platform/TopMost.h"

#include <QApplication>
#include <QWidget>

void SetStaysOnTop(QWidget* window, bool onTop)
{
    if (!window || bool(window->windowFlags() & Qt::WindowStaysOnTopHint) == onTop)
        return;
    // One that never was on screen has no place to keep: pinning its client
    // area at the origin would push its title bar off the screen.
    const bool placed = window->testAttribute(Qt::WA_WState_Created);
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (placed)
        window->setGeometry(geometry);
}

bool TopMostWindowShown(const QWidget* except)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows)
        if (w != except && w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint))
            return true;
    return false;
}

void StandOverTopMost(QWidget* dialog)
{
    // Still transient for the window that raised it, and centred on it: a
    // window manager places a dialog that belongs to a window other than the
    // active one out of the active one's way, far from where it was raised.
    if (dialog)
        SetStaysOnTop(dialog, TopMostWindowShown(dialog));
}
