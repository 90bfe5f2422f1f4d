#pragma once
// Routing of the server's chat lines to the chat boxes, private-message
// windows and the status bar.

#include <QStringList>

// The kinds of chat line (field 2 of the message).
enum ChatKind : qint16 {
    GlobalChat = 0,
    Emote = 1,
    Tell = 2,
    TellEcho = 3,
    SystemNotice = 4,
    SystemText = 5,
    Announce = 6,
    TeamChat = 7,
    GamePlan = 8,
    StatusText = 9,
    AdminChat = 10,
};

// Handles one chat message ("c"): field 0 sender, field 1 text, field 2 kind.
// A kind that is not a decimal number raises Type mismatch.
void RouteChatLine(const QStringList& fields);
