#include "foundation/KeyboardBack.h"

#include "foundation/Forms.h"
#include "foundation/ProgramLinks.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QWidget>

namespace {

// Long enough for the window manager's own choice to arrive, short of the
// player's next click on another window.
constexpr int kOwedMs = 400;

// The main window is owed the keyboard for a moment after a form that had it
// hid. Asked for at once, a window manager (metacity) may still give it to
// another window: it takes the request as older than the player's last key
// when that was the Alt+F4 that closed the form, a key only it saw.
struct OwedKeyboard {
    QPointer<QWidget> main;
    QDeadlineTimer until;
};

OwedKeyboard& owed()
{
    static OwedKeyboard o;
    return o;
}

bool CanTakeKeyboard(const QWidget* main) { return main && main->isVisible() && !main->isMinimized(); }

// Asked as the form loses the keyboard, before the window manager learns of
// the hiding: asked after, the room has the keyboard already.
void Hiding(QWidget* window)
{
    QWidget* main = LinkedMainWindow();
    if (main == window || !CanTakeKeyboard(main))
        return;
    main->activateWindow();
    owed() = {main, QDeadlineTimer(kOwedMs)};
}

// Another window became active all the same: asked once more, now that the
// window manager's own change is known.
void Activated(QWidget* window)
{
    OwedKeyboard& o = owed();
    if (!o.main || window == o.main)
        return;
    const QPointer<QWidget> main = o.main;
    const bool due = !o.until.hasExpired();
    o = {};
    if (due && CanTakeKeyboard(main))
        main->activateWindow();
}

} // namespace

void FollowKeyboard(QWidget* widget, QEvent::Type type)
{
    if (!widget || !widget->isWindow())
        return;
    switch (type) {
    case QEvent::WindowDeactivate:
        // Hidden already but still on screen: it loses the keyboard because
        // it hides.
        if (widget->isHidden() && dynamic_cast<FormBase*>(widget))
            Hiding(widget);
        break;
    case QEvent::WindowActivate: Activated(widget); break;
    case QEvent::Show: KeyboardGivenAway(); break;
    default: break;
    }
}

void KeyboardGivenAway() { owed() = {}; }
