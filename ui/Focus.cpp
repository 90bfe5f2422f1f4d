#include "ui/Focus.h"

#include <QWidget>

bool CanTakeFocus(const QWidget* target)
{
    return target && target->isEnabled() && target->isVisible();
}

void SetFocusIfAble(QWidget* target)
{
    if (CanTakeFocus(target))
        target->setFocus(Qt::OtherFocusReason);
}
