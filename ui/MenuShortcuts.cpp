#include "ui/MenuShortcuts.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <vector>

namespace {
// True when the key is the shortcut of an enabled item of a menu on the bar.
bool isMenuShortcut(const QMenuBar* bar, const QKeyEvent* key)
{
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    std::vector<const QMenu*> menus;
    for (const QAction* a : bar->actions())
        if (a->menu())
            menus.push_back(a->menu());
    for (std::size_t i = 0; i < menus.size(); ++i) {
        for (const QAction* a : menus[i]->actions()) {
            if (a->menu())
                menus.push_back(a->menu());
            else if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == pressed)
                return true;
        }
    }
    return false;
}

class MenuShortcutsFirst : public QObject {
public:
    MenuShortcutsFirst(QWidget* line, const QMenuBar* bar)
        : QObject(line)
        , bar_(bar)
    {
        line->installEventFilter(this);
    }

protected:
    // Keeping the override from the line leaves it unaccepted, so the
    // shortcut runs.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && bar_ && isMenuShortcut(bar_, static_cast<QKeyEvent*>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<const QMenuBar> bar_;
};
} // namespace

void KeepMenuShortcuts(QWidget* line, const QMenuBar* bar)
{
    new MenuShortcutsFirst(line, bar);
}
