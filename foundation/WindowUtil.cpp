#include "foundation/WindowUtil.h"

#include "foundation/Forms.h"
#include "foundation/ProgramLinks.h"
#include "platform/TopMost.h"

#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

void SetOnTop(QWidget* window, qint16 flag)
{
    if (!window)
        return;
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (flag == -1 || flag == 0)
        SetStaysOnTop(window, flag == -1);
    BelongToMainWindow(window);
    window->show();
    if (flag != 0)
        window->raise();
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void BelongToMainWindow(QWidget* window)
{
    QWidget* main = LinkedMainWindow();
    if (!window || !main || window == main || !window->isWindow() || window->parentWidget())
        return;
    if (window->windowType() != Qt::Tool && window->windowType() != Qt::Dialog)
        return;
    // On the native window, which a change of the window's flags replaces:
    // so once more before every showing.
    window->winId();
    main->winId();
    if (window->windowHandle() && main->windowHandle())
        window->windowHandle()->setTransientParent(main->windowHandle());
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

namespace {
bool OwnerMinimised(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    const QWindow* owner = handle ? handle->transientParent() : nullptr;
    return owner && (owner->windowStates() & Qt::WindowMinimized);
}
} // namespace

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
        if (!w)
            return;
        const Qt::WindowStates undone = OwnerMinimised(w) ? unwanted & ~Qt::WindowMinimized : unwanted;
        if (w->windowState() & undone)
            w->setWindowState(w->windowState() & ~undone);
    });
}
