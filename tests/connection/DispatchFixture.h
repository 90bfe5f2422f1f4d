#pragma once
// A started world (150 x 150, empty overlays, the four stores) behind the
// dispatcher, with every window effect recorded.

#include "connection/ConnectionState.h"
#include "connection/Dispatcher.h"
#include "foundation/SettingsState.h"
#include "support/ClientTest.h"
#include "support/RecordingWindows.h"
#include "tests/connection/ServerFrames.h"
#include "world/WorldState.h"

class DispatchTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        World& w = world();
        w.MapWidth = w.MapHeight = 150;
        w.MaxX = w.MaxY = 149;
        for (MapLayer* layer : {&w.MapSplats, &w.MapAmmo, &w.MapObjects, &w.MapBots, &w.MapPlayers, &w.MapMarks})
            layer->fill(-1);
        w.MapTerrain.fill(1);
        const char* names[] = {"Mod Shop", "EQ Shop", "Gun Shop", "Ammo Shop"};
        const qint16 xs[] = {4, 4, 10, 10};
        const qint16 ys[] = {4, 10, 4, 10};
        for (int i = 0; i < 4; ++i)
            w.Shops[i] = Shop{static_cast<qint16>(12 + i), QString::fromLatin1(names[i]), xs[i], ys[i]};
        w.Pos = Point2{7, 7};
        settings().MapPath = programFolder() + QStringLiteral("/Map/");
        connection().UserName = QStringLiteral("Ann");
    }

    // The bytes arrive and the next frame tick runs a batch.
    void feed(const QByteArray& bytes)
    {
        connection().RecvBuffer += bytes;
        ProcessBatch(windows);
    }

    RecordingWindows windows;
};
