#include "ui/frmMain.h"

#include "connection/Dispatcher.h"
#include "ui/WindowsBridge.h"

// The receive buffer's batches, with the real windows behind the dispatcher.

void frmMain::ProcessData()
{
    WindowsBridge windows;
    ProcessBatch(windows);
}
