#include "world/WorldReset.h"

#include "connection/ConnectionState.h"
#include "foundation/Forms.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"
#include "world/WorldModel.h"

void ResetWorld()
{
    ResetWorldModel();
    connection().RecvBuffer.clear();
    // Nothing can be typed, chatted or clicked on the map until the game
    // socket connects again and enables them.
    Forms::get<frmBack>().txtSend->setEnabled(false);
    frmChat& chat = Forms::get<frmChat>();
    chat.txtStatus->setEnabled(false);
    chat.WhoList->setEnabled(false);
    Forms::get<frmMain>().picMap->setEnabled(false);
}
