#include "ui/IgnoreList.h"

bool IsIgnored(const QString&)
{
    return false;
}
