#pragma once
// The map view's viewport.

// Recomputes the view around the own position and sends it to the server.
void UpdateViewport();
