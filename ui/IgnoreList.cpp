#include "ui/IgnoreList.h"

#include "ui/frmIgnore.h"

bool IsIgnored(const QString& name)
{
    const QListWidget* list = Forms::get<frmIgnore>().lstIgnored;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == name)
            return true;
    return false;
}
