#include "world/TileBitmaps.h"

void LoadGraphics()
{
}

void LoadTerrainNormal()
{
}

void LoadTerrainWinter()
{
}
