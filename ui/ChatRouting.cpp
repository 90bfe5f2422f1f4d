#include "ui/ChatRouting.h"

void RouteChatLine(const QStringList&)
{
}
