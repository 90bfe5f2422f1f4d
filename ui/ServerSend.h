#pragma once
// The main window, the chat routing and the private-message windows hand
// every command to the game window's send procedure through here.

#include <QString>
#include <functional>

// Calls frmMain::Server with the command character and the text.
void ServerSend(const QString& CtrlChar, const QString& Msg);

// Closes the game socket the way the disconnect and exit steps do: a close
// of our own is not the server closing the connection, so the socket's
// close handling does not run for it.
void CloseGameSocket();

// Test-only: called with every command just before it is handed over
// (an empty function removes the observer).
void setServerSendObserver(std::function<void(const QString&, const QString&)> observer);
