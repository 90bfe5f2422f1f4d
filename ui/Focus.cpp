#include "ui/Focus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

bool CanTakeFocus(const QWidget* target)
{
    return target && target->isEnabled() && target->isVisible();
}

void SetFocusIfAble(QWidget* target)
{
    if (!CanTakeFocus(target))
        return;
    // The target's window becomes the active one: otherwise the window
    // manager chooses which window has the keyboard (when the window that had
    // it closes, often one that stays on top), and what the player types
    // next goes there.
    QWidget* window = target->window();
    if (QApplication::activeWindow() != window)
        window->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
}

void KeyboardOnlyByTab(QWidget* container)
{
    for (QAbstractButton* button : container->findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::TabFocus);
}
