#include "platform/TopMost.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Marks a window that stays on top only to stand above another.
constexpr char kStandsOver[] = "quelvarStandsOverTopMost";

bool StandsOver(const QWidget* window) { return window->property(kStandsOver).toBool(); }

// The windows that stand above follow each showing and hiding of a window
// that stays on top of its own. One shown again by the player comes in front
// of them, as any window the player asks for; a click on one of them brings
// that one back in front.
void Follow()
{
    const bool above = TopMostWindowShown();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (StandsOver(w) && w->isVisible())
            SetStaysOnTop(w, above);
}

class TopMostFollower : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && watched->isWidgetType()) {
            const auto* w = static_cast<const QWidget*>(watched);
            if (w->isWindow() && (w->windowFlags() & Qt::WindowStaysOnTopHint) && !StandsOver(w))
                Follow();
        }
        return false;
    }
};

void FollowTopMostWindows()
{
    static QPointer<QObject> follower;
    if (follower || !qApp)
        return;
    follower = new TopMostFollower;
    follower->setParent(qApp);
    qApp->installEventFilter(follower);
}

} // namespace

void SetStaysOnTop(QWidget* window, bool onTop)
{
    if (!window || bool(window->windowFlags() & Qt::WindowStaysOnTopHint) == onTop)
        return;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    QWindow* native = window->windowHandle();
    if (!native) {
        window->setWindowFlags(flags);
        return;
    }
    // A change of the widget's flags would re-create the native window: that
    // hides it, which ends a box's event loop, and the window manager places
    // the new one afresh, a title bar higher or lower.
    window->overrideWindowFlags(flags);
    native->setFlags(flags);
}

bool TopMostWindowShown(const QWidget* except)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows)
        if (w != except && w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint) && !StandsOver(w))
            return true;
    return false;
}

void StandOverTopMost(QWidget* dialog)
{
    // Still transient for the window that raised it, and centred on it: a
    // window manager places a dialog that belongs to a window other than the
    // active one out of the active one's way, far from where it was raised.
    if (!dialog)
        return;
    FollowTopMostWindows();
    dialog->setProperty(kStandsOver, true);
    SetStaysOnTop(dialog, TopMostWindowShown(dialog));
}
