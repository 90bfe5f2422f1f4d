#pragma once
// The server's numbered status messages: the client owns their wording.

#include <QString>
#include <QtGlobal>

class ClientWindows;

// Writes the line of a numbered status message into the game chat box, with
// its sounds and side effects. Every id first asks for the who list and marks
// (or refreshes) the "Game Chat" tab. A run-time error inside ends it quietly;
// what was done before stays done.
void ShowServerMessage(qint16 id, const QString& s1, const QString& s2, const QString& s3, ClientWindows& windows);
