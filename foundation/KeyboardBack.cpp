#include "foundation/KeyboardBack.h"

#include "foundation/Forms.h"
#include "foundation/ProgramLinks.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Long enough for the window manager's own choice to arrive, short of the
// player's next click on another window.
constexpr int kOwedMs = 400;
// A press of the player's in a window this close to the moment the window
// became active is what made it active (the window manager's click to
// focus); the press may reach the program before the activation or after.
constexpr int kClickMs = 400;

// The main window is owed the keyboard for a moment after a form that had it
// hid. Asked for at once, a window manager (metacity) may still give it to
// another window: it takes the request as older than the player's last key
// when that was the Alt+F4 that closed the form, a key only it saw. Once it
// is taken back from such a window, that window may still turn out to be
// the player's choice, by a press in it that arrives late.
struct OwedKeyboard {
    QPointer<QWidget> main;
    QDeadlineTimer until;
    QPointer<QWidget> takenFrom;
    QDeadlineTimer takenUntil;
};

OwedKeyboard& owed()
{
    static OwedKeyboard o;
    return o;
}

// A window the window manager closed (Alt+F4, its close box): the close
// came from the window system.
QPointer<QWidget>& closedByWindowManager()
{
    static QPointer<QWidget> w;
    return w;
}

struct LastPress {
    QPointer<QWidget> window;
    QDeadlineTimer recent;
};

LastPress& lastPress()
{
    static LastPress p;
    return p;
}

bool CanTakeKeyboard(const QWidget* main) { return main && main->isVisible() && !main->isMinimized(); }

// Asked as the form loses the keyboard, before the window manager learns of
// the hiding: asked after, the room has the keyboard already. Not asked when
// the window manager closed the form: the request would be older than the
// key or click that only it saw, and a window manager that refuses it
// (metacity) marks the main window as demanding attention for good. The
// window it activates instead gives the keyboard back.
void Hiding(QWidget* window)
{
    const bool closedByManager = closedByWindowManager() == window;
    closedByWindowManager() = nullptr;
    QWidget* main = LinkedMainWindow();
    if (main == window || !CanTakeKeyboard(main))
        return;
    if (!closedByManager)
        main->activateWindow();
    owed() = {main, QDeadlineTimer(kOwedMs), nullptr, {}};
}

// Another window became active all the same: asked once more, now that the
// window manager's own change is known, unless the player pressed a mouse
// button in that window just now.
void Activated(QWidget* window)
{
    OwedKeyboard& o = owed();
    if (!o.main || window == o.main)
        return;
    const QPointer<QWidget> main = o.main;
    const bool due = !o.until.hasExpired() && CanTakeKeyboard(main);
    const LastPress& p = lastPress();
    o = {};
    if (!due || (p.window == window && !p.recent.hasExpired()))
        return;
    main->activateWindow();
    o.takenFrom = window;
    o.takenUntil = QDeadlineTimer(kClickMs);
}

// The player's press: a window the keyboard was just taken back from gets
// it again.
void Pressed(QWidget* window)
{
    lastPress() = {window, QDeadlineTimer(kClickMs)};
    OwedKeyboard& o = owed();
    if (!o.takenFrom || o.takenFrom != window)
        return;
    const bool late = !o.takenUntil.hasExpired();
    o = {};
    if (late)
        window->activateWindow();
}

} // namespace

void FollowKeyboard(QWidget* widget, const QEvent& event)
{
    if (!widget)
        return;
    if (event.type() == QEvent::MouseButtonPress && event.spontaneous()) {
        Pressed(widget->window());
        return;
    }
    if (!widget->isWindow())
        return;
    switch (event.type()) {
    case QEvent::WindowDeactivate:
        // Hidden already but still on screen: it loses the keyboard because
        // it hides.
        if (widget->isHidden() && dynamic_cast<FormBase*>(widget))
            Hiding(widget);
        break;
    case QEvent::WindowActivate: Activated(widget); break;
    case QEvent::Close:
        if (event.spontaneous())
            closedByWindowManager() = widget;
        break;
    case QEvent::Show: KeyboardGivenAway(); break;
    default: break;
    }
}

void KeyboardGivenAway() { owed() = {}; }
