#pragma once
// The chat window's list of players online (frmChat.WhoList): four columns,
// the name (the item's text, column 0), the level, the splats picture and
// the cash text and picture. Players come and go one at a time through the
// server's entries and are rebuilt as a whole from every who reply.

#include "community/WhoData.h"

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// Marks the player as a buddy in the list (the empty name removes every mark).
void MarkWhoListUser(const QString& name);
// Adds a player to the list at a slot with a level.
void WhoListAdd(const QString& name, qint16 slot, qint16 level);
// Removes a player from the list and clears the slot's name.
void WhoListRemove(const QString& name, qint16 slot);
// Asks the server for the who list.
void SendWhoRefresh();

// The list's columns and look; the chat window calls it once.
void SetUpWhoList(QTreeWidget* list);
// Replaces the list's players by the rows of a who reply, in their order
// (the items keep the rows); returns the names of those in a game, in the
// same order.
QStringList RebuildWhoList(QTreeWidget* list, const std::shared_ptr<const std::vector<WhoRow>>& rows);

// The chat window's image list: the 16 x 16 picture of a key
// (kWhoListPictureKeys), read once from "WhoIcons.png" in the graphics
// folder; a null icon for an unknown key or a missing file.
QIcon ImageList1(const QString& key);
// Each column of an item keeps the key of the picture it shows under this
// role (empty for none); the buddy mark's key is "Sun.ico".
constexpr int kPictureKeyRole = Qt::UserRole + 1;
// Puts the picture of a key into a column of an item (the empty key removes it).
void SetItemPicture(QTreeWidgetItem* item, int column, const QString& key);
