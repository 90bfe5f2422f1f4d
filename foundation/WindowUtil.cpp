#include "foundation/WindowUtil.h"

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
