#pragma once
// Map files: "Map/<name>.map", one character per terrain cell, row after row
// (150 x 150 = 22,500 characters, nothing between rows), and their decoding
// into the terrain with the two wall auto-tiling passes.

#include <QString>

// Decodes a map text into MapTerrain: the character table over the cells the
// text reaches (the others keep their values, characters past the last cell
// are ignored), then each wall family re-coded from its four wrapping
// neighbours.
void DecodeMap(const QString& text);

// MapPath & MapID & ".map".
QString MapFilePath(const QString& MapID);
// True when that path names a normal file (not a folder).
bool MapFileExists(const QString& MapID);
// Reads the map file of that name (bytes in the code page, as far as the
// last cell) and decodes it; returns false and changes nothing when there is
// no such file. A file that exists but cannot be read raises "Permission
// denied".
bool LoadMapFile(const QString& MapID);
