#pragma once
// The game window's Administration menu by staff level.

#include <QtGlobal>

// Shows the staff items of the Administration menu for the level.
void ShowStaffMenus(qint16 level);
