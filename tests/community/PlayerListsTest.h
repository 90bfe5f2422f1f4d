#pragma once
// Window tests of the community windows: the end-to-end set-up (the main
// windows offscreen, logged in to the fake game server as "ann"), and the
// looks of list items.

#include "tests/integration/EndToEnd.h"

class QTreeWidgetItem;

class PlayerListsTest : public EndToEndTest {
protected:
    void SetUp() override;
    // Points the graphics folder at the generated assets.
    void useGeneratedGraphics();
};

// A column's picture key and the item's look.
QString pictureOf(const QTreeWidgetItem* item, int column);
// The item's text colour as RGB (red in the low byte); -1 while it has the default.
qint64 colourOf(const QTreeWidgetItem* item);
bool boldOf(const QTreeWidgetItem* item);
