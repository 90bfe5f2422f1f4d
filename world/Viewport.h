#pragma once
// The map view's viewport.

// Recomputes the view around the own position (whole tiles across and down
// the map view, the top-left cell), sends it to the server as "M" and makes
// the own position the view's centre.
void UpdateViewport();
