#include "ui/frmMain.h"

// The receive buffer's batches.

void frmMain::ProcessData() {}
