#pragma once
// The tile strips of the map views.

// Loads every tile strip of the map, satellite and overview views.
void LoadGraphics();
// Loads "Terrain.BMP" into the 16-pixel terrain strip.
void LoadTerrainNormal();
// Loads "Winter.BMP" into the 16-pixel terrain strip.
void LoadTerrainWinter();
