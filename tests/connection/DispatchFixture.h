#pragma once
// A started world (150 x 150, empty overlays, the four stores) behind the
// dispatcher, with every window effect recorded.

#include "connection/ConnectionState.h"
#include "connection/Dispatcher.h"
#include "foundation/SettingsState.h"
#include "support/ClientTest.h"
#include "support/RecordingWindows.h"
#include "support/StartedWorld.h"
#include "tests/connection/ServerFrames.h"
#include "world/WorldState.h"

class DispatchTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        StartWorld(world());
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
