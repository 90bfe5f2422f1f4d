#pragma once
// The connection's state: who is logged in, the receive buffer and what the
// server has told about the player.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct Connection {
    QString UserName;
    QString Password;       // plain text while the program runs
    QString MasterServer;   // the master server's address

    // Received bytes not yet taken by a batch (one byte per character of the
    // code page).
    QByteArray RecvBuffer;

    qint16 UserLevel = 0;
    qint32 Money = 0;
    QString TeamName;
    bool InBuilding = false;
    qint32 TimeOfDay = 0;
    bool Lightning = false;
    // Set once the user's level reached 80; nothing clears it.
    bool bIsAdmin = false;
};

Connection& connection();
void resetConnectionState();
