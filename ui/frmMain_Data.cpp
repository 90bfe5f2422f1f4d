#include "ui/frmMain.h"

#include "connection/Dispatcher.h"
#include "ui/WindowsBridge.h"

#include <utility>

// The receive buffer's batches, with the real windows behind the dispatcher.

void frmMain::ProcessData()
{
    WindowsBridge windows;
    if (ProcessBatch(windows) && std::exchange(closeAfterBatch_, false))
        Wsk_Close();
}
