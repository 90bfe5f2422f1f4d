#pragma once
// A started world: the map size start-up sets and the world as
// InitMapAndShops leaves it.

#include "support/ClientTest.h"
#include "world/WorldModel.h"
#include "world/WorldState.h"

class WorldTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        world().setWholeGridSize();
        InitMapAndShops();
    }

    // Number of cells of a layer that hold the value.
    static int count(const MapLayer& layer, qint16 value)
    {
        int n = 0;
        for (int i = 0; i < kMapCells * kMapCells; ++i)
            n += layer.data()[i] == value;
        return n;
    }
};
