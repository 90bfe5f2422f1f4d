#pragma once
// The world model's procedures.

// Empties every overlay layer, sets the terrain to 1 and places the four
// default stores.
void InitMapAndShops();
