#include "ui/StaffMenus.h"

void ShowStaffMenus(qint16)
{
}
