#pragma once
// Routing of the server's chat lines to the chat boxes, private-message
// windows and the status bar.

#include <QStringList>

// Handles one chat message ("c"): field 0 sender, field 1 text, field 2 kind.
void RouteChatLine(const QStringList& fields);
