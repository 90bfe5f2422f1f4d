#pragma once
// What the foundation's windows and the game window's Exit need from the
// layers above them (the main window, the game window's send, the settings
// save), reached without including them: the top layer installs the real
// procedures once, before any window is used. Without them the error-log
// window sends nothing and Exit only ends the program.

#include <QString>
#include <functional>

class QWidget;

struct ProgramLinks {
    // The main window (frmBack) when it is loaded; null otherwise, and it
    // never loads it.
    std::function<QWidget*()> mainWindow;
    // frmMain.Server: frames the command and sends it while connected.
    std::function<void(const QString& ctrlChar, const QString& msg)> server;
    // Writes every setting, hides the game window and ends the program.
    std::function<void()> saveSettings;
};

// The links in use; the top layer fills them in.
ProgramLinks& programLinks();

// The linked procedures, doing nothing where no link is installed.
QWidget* LinkedMainWindow();
void LinkedServer(const QString& ctrlChar, const QString& msg);
// Ends the program in any case, after the settings were saved.
[[noreturn]] void LinkedSaveSettings();
