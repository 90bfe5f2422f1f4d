#include "world/WorldState.h"

namespace {
World g_world;
}

World& world() { return g_world; }

void resetWorldState() { g_world = World{}; }
