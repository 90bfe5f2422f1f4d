#pragma once
// Clearing the world when a connection starts or ends.

// Clears the overlay layers, resets the view origin and own position,
// empties the receive buffer and disables the input line, the game chat box,
// the chat window's user list and the map until the next connect.
void ResetWorld();
