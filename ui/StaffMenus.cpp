#include "ui/StaffMenus.h"

#include "ui/frmMain.h"

void ShowStaffMenus(qint16 level)
{
    frmMain& game = Forms::get<frmMain>();
    game.mnuLoadMap->setVisible(false);
    game.mnuLogChatter->setVisible(false);
    game.mnuLogAll->setVisible(false);
    game.mnuerrorlog->setVisible(false);
    game.mnuOptionsAdmin->setVisible(false);
    // Only visibility changes here; the check marks stay as they are.
    if (level >= 80 && level <= 99) {
        game.mnuAdmin->menuAction()->setVisible(true);
        game.mnuOptionsAdmin->setVisible(true);
    }
    if (level >= 90 && level <= 99) {
        game.mnuLogChatter->setVisible(true);
        game.mnuLoadMap->setVisible(true);
    }
    if (level >= 95 && level <= 99) {
        game.mnuLogAll->setVisible(true);
        game.mnuerrorlog->setVisible(true);
    }
}
