#pragma once
// Loading and saving the settings in the per-user store, the button count of
// "DesignData.Dat" and the command list of "command.txt".

// The button count taken when "DesignData.Dat" gives none (the count the
// options window offers first).
constexpr int kDefaultButtonCount = 14;

// Reads every stored setting (on every run but the first). A flag or number
// that does not convert, a missing command list or button count is recorded
// in the error log and its default taken; a missing file is also reported
// once in a message box. Later statements that fail are skipped.
void LoadSettings();
// Writes every setting, hides the game window and ends the program
// (File > Exit).
[[noreturn]] void SaveSettings();
