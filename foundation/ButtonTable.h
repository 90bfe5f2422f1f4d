#pragma once
// The user button table in the per-user settings store: one section
// "Button<i>" per entry with the keys "Name", "Tip" and "Command". The
// settings load and save, and the store and who windows (which read their
// own blocks when they load and write the whole table when they unload),
// share these.

namespace platform {
class SettingsSave;
}

// Reads entry i (0 to 32) from the store into settings().Buttons; a missing
// value reads as empty. An index outside the table raises "Subscript out of
// range".
void ReadButtonEntry(int i);
// Writes every entry of the table, 0 to 32, as part of the save. An entry the
// settings load did not read (above the loaded button count, below the
// store's block) that nobody filled keeps what the store holds, so a smaller
// button count loses no stored buttons.
void WriteButtonTable(platform::SettingsSave& save);
