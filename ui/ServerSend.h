#pragma once
// The main window, the chat routing and the private-message windows hand
// every command to the game window's send procedure through here.

#include <QString>
#include <functional>

// Calls frmMain::Server with the command character and the text.
void ServerSend(const QString& CtrlChar, const QString& Msg);

// Test-only: called with every command just before it is handed over
// (an empty function removes the observer).
void setServerSendObserver(std::function<void(const QString&, const QString&)> observer);
