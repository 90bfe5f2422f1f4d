#pragma once
// Lightning: a flash brightens the 16-pixel terrain strip; the reset puts the
// current terrain back once the flash has been on screen.

// Adds 70 to each colour channel of every pixel of the 16-pixel terrain strip
// where the sum stays within 0 to 255 (a channel that would pass 255 keeps
// its value).
void LightenTerrain();
// Restores the current terrain (normal or winter) after a flash: at once when
// a frame has shown the flash, else right after the next frame.
void LightningReset();
// The map view has drawn a frame; `normalTerrainShown` while it used the
// 16-pixel terrain.
void TerrainFrameDrawn(bool normalTerrainShown);
