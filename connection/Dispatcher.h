#pragma once
// The server's messages: what each command character does.

#include "connection/RecvBuffer.h"

class ClientWindows;

// Runs the handler of one message by its command character (case-sensitive;
// an unknown character does nothing). A bad field (a missing one, an empty
// one where a small number is needed, a number outside a table, a decimal
// field that is not a number) raises a RuntimeError.
void DispatchMessage(const ServerMessage& message, ClientWindows& windows);

// One batch of the receive buffer: cuts it and dispatches every whole
// message. A run-time error in a handler is recorded with AddToLog, reported
// in a message box once per batch, and only that message is skipped. A batch
// that starts while another one runs (a handler let events run) does nothing
// and returns false.
bool ProcessBatch(ClientWindows& windows);

// True while a batch is running.
bool BatchRunning();
