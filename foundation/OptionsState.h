#pragma once
// Options of the options window that other parts read while the program
// runs (they are not stored between runs).

#include <QtGlobal>

struct OptionsState {
    quint8 AutoScreenCenter = 0;  // 255 while "Auto Screen Center" is on
    quint8 AutoOpenShops = 0;     // 255 while stores open by themselves on entry
    bool ShowChatInGame = false;  // global chat also in the game chat box
};

OptionsState& options();
void resetOptions();
