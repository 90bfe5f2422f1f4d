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
    frmBack& back = Forms::get<frmBack>();
    back.DisableControl(back.txtSend);
    frmChat& chat = Forms::get<frmChat>();
    back.DisableControl(chat.txtStatus);
    back.DisableControl(chat.WhoList);
    back.DisableControl(Forms::get<frmMain>().picMap);
}
