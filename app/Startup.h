#pragma once
// The program's entry and start-up sequence.

// The entry: refuses a second copy and a banned user, then builds the client.
void Main();
// True when another copy of this executable is already running.
bool IsPrevInstance();
// True when the system has at least one sound output device.
bool HasSoundCard();
// Folder paths, windows, settings, world, bitmaps, map, terrain, frame timer,
// window positions and the login dialog.
void InitClient();
// Shows the main and chat windows and sets the map size.
void InitForms();
// First-run defaults, or the saved settings on every later run.
void InitSettings();
