#include "foundation/WindowUtil.h"

#include "foundation/Forms.h"

#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

void SetOnTop(QWidget* window, qint16 flag)
{
    if (!window)
        return;
    // A window that has been on screen keeps its place. One that never was
    // has no place to keep: pinning its client area at the origin would push
    // its title bar off the screen. Qt itself keeps a position the program
    // gave it.
    const bool placed = window->testAttribute(Qt::WA_WState_Created);
    const QRect geometry = window->geometry();
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (flag == -1 || flag == 0) {
        // Changing the flag re-creates the native window, which hides it.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, flag == -1);
        if (placed)
            window->setGeometry(geometry);
    }
    window->show();
    if (flag != 0)
        window->raise();
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void CentreOnOwner(QWidget* window, const QWidget* owner)
{
    if (!window)
        return;
    QRect area;
    if (owner)
        area = owner->frameGeometry();
    else if (const QScreen* screen = window->screen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void UndoStateWithoutBox(QWidget* window)
{
    if (!window || !window->isWindow())
        return;
    Qt::WindowStates unwanted;
    if (!(window->windowFlags() & Qt::WindowMinimizeButtonHint))
        unwanted |= Qt::WindowMinimized;
    if (!(window->windowFlags() & Qt::WindowMaximizeButtonHint) && dynamic_cast<FormBase*>(window))
        unwanted |= Qt::WindowMaximized;
    if (!(window->windowState() & unwanted))
        return;
    // Once the window manager's change has been delivered: undoing it inside
    // its own notification would be overwritten.
    QTimer::singleShot(0, window, [w = QPointer<QWidget>(window), unwanted] {
        if (w && (w->windowState() & unwanted))
            w->setWindowState(w->windowState() & ~unwanted);
    });
}
