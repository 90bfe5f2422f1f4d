#include "ui/frmMain.h"

// The game window's sockets and the send procedure.

void frmMain::connectSockets() {}

void frmMain::Server(const QString&, const QString&) {}
void frmMain::Wsk_Connect() {}
void frmMain::Wsk_DataArrival(qint64) {}
void frmMain::Wsk_Close() {}
void frmMain::Wsk_Error(int, const QString&) {}
void frmMain::WskUsers_Connect() {}
void frmMain::WskUsers_DataArrival(qint64) {}
