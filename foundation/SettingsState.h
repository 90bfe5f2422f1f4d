#pragma once
// The program-wide settings: folder paths, option flags, fonts, colour sets,
// season and the command list. They live for the whole run; the settings
// load and save keep them in the per-user store.

#include <QString>
#include <QtGlobal>
#include <array>

// The colours of one kind of chat line.
struct ColourSet {
    quint32 Dark = 0;   // the sender's name part, RGB (red in the low byte)
    quint32 Light = 0;  // the message text
    QString Name;       // the colour name it was made from; this is what is stored
};

// Fills the set from a colour name (case-sensitive); an unknown name keeps
// the colours and still takes the name.
void SetColourSet(ColourSet& set, const QString& name);

// The 32-bit colour value of r, g, b (red in the low byte).
constexpr quint32 RGB(int r, int g, int b)
{
    return static_cast<quint32>(r & 0xFF) | (static_cast<quint32>(g & 0xFF) << 8) |
           (static_cast<quint32>(b & 0xFF) << 16);
}

// One user-defined command button: caption, tooltip and command text.
struct UserButton {
    QString Name;
    QString Tip;
    QString Command;
};

struct Settings {
    // Folder paths, each ending with a separator.
    QString GraphicsPath;
    QString DatPath;
    QString MapPath;

    // Sound options (true while on).
    bool SoundOn = false;
    bool MusicOn = false;
    bool RandomSongs = false;

    // Chat text.
    bool BoldNames = false;
    bool Italic = false;
    QString FontType;
    QString FontType2;
    qint16 FontSize = 0;

    ColourSet ChatColour;
    ColourSet TellColour;
    ColourSet PlanColour;
    ColourSet AnnounceColour;

    qint32 Season = 0;

    // The command list from "command.txt".
    QString CommandText;

    // The user button table shared by the main, game, store and who windows.
    std::array<UserButton, 33> Buttons;
    // The button count the settings load filled the table with (-1 while
    // nothing was loaded). Entries above it up to 20 were not read: the
    // settings writer keeps their stored values while they stay empty.
    qint32 LoadedButtonCount = -1;
};

Settings& settings();
void resetSettings();
