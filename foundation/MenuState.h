#pragma once
// Options that exist only as checked menu items of the game window. The
// check marks live here so that the text output, the dispatcher and the
// settings can read them without a window; the game window's menu items
// show and change these same states.

#include <functional>
#include <vector>

class CheckItem {
public:
    bool Checked() const { return checked_; }
    void setChecked(bool checked);
    // Called with the new state whenever it changes.
    void onChange(std::function<void(bool)> listener);
    void clearListeners() { listeners_.clear(); }

private:
    bool checked_ = false;
    std::vector<std::function<void(bool)>> listeners_;
};

// The checked items, named as the game window's menu items.
struct OptionMenus {
    CheckItem mnuKeyMove;            // Keypad Movement
    CheckItem mnuOptionsTags;        // Name Tags
    CheckItem mnuOptionsZoom;        // Zoom In
    CheckItem mnuOptionLangFilter;   // Language Filter
    CheckItem mnuOptionsScroll;      // Scroll Lock
    CheckItem mnuOptionsChat;        // Auto-Chat
    CheckItem mnuOptionsAdmin;       // Auto-Admin
    CheckItem mnuOptionLoginIgnore;  // Ignore Logins
    CheckItem mnuOptionSplatIgnore;  // Ignore Who Splats
    CheckItem mnuLogAll;             // Log All
    CheckItem mnuLogChatter;         // LogChatter
    CheckItem mnuOptionsReadyNot;    // Not Ready
    CheckItem mnuOptionsReadyYes;    // Ready
    CheckItem mnuOptionsReadyAuto;   // Auto-Ready
};

OptionMenus& optionMenus();
// Back to the design states (Name Tags and Zoom In checked), listeners dropped.
void resetOptionMenus();
