#include "foundation/WindowUtil.h"

#include <QScreen>
#include <QWidget>

void SetOnTop(QWidget* window, qint16 flag)
{
    if (!window)
        return;
    const QRect geometry = window->geometry();
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (flag == -1 || flag == 0) {
        // Changing the flag re-creates the native window, which hides it.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, flag == -1);
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
