#pragma once
// The chat window's list of players online.

#include <QString>
#include <QtGlobal>

// Marks the player as a buddy in the list (the empty name removes every mark).
void MarkWhoListUser(const QString& name);
// Adds a player to the list at a slot with a level.
void WhoListAdd(const QString& name, qint16 slot, qint16 level);
// Removes a player from the list and clears the slot's name.
void WhoListRemove(const QString& name, qint16 slot);
// Asks the server for the who list.
void SendWhoRefresh();
