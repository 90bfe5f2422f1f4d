#pragma once
// Loading and saving the settings in the per-user store.

// Reads every stored setting (on every run but the first).
void LoadSettings();
// Writes every setting and ends the program (File > Exit).
[[noreturn]] void SaveSettings();
