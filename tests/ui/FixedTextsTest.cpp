// The fixed texts of the main window's tool and information windows, each
// window held whole against the texts it must show.

#include "UiTest.h"

#include "foundation/SettingsState.h"
#include "support/WindowTexts.h"
#include "ui/frmAbout.h"
#include "ui/frmAlias.h"
#include "ui/frmBasic.h"
#include "ui/frmBtnEdit.h"
#include "ui/frmCmd.h"
#include "ui/frmIgnore.h"
#include "ui/frmOptions.h"
#include "ui/frmSound.h"
#include "ui/frmStats.h"

using FixedTextsTest = UiTest;

TEST_F(FixedTextsTest, EachToolWindowShowsItsFixedTexts)
{
    Settings& s = settings();
    s.DatPath = programFolder() + QStringLiteral("/Dat/");
    s.FontType = QStringLiteral("Arial");
    s.FontSize = 10;
    for (auto [set, name] : {std::pair{&s.ChatColour, "Blue"}, {&s.TellColour, "Green"}, {&s.PlanColour, "Red"},
                             {&s.AnnounceColour, "Pink"}})
        SetColourSet(*set, QLatin1String(name));
    const QStringList colours = {"Blue",   "Green",  "Grey", "Maroon",    "Orange",
                                 "Pink",   "Purple", "Red",  "Turquoise", "Yellow"};
    const QStringList none;
    const ExpectedWindow windows[] = {
        {"button editor", ShownForm<frmBtnEdit>,
         {.title = "Edit Button",
          .labels = {"Caption:", "Tip:", "Commands:",
                     "Use ampersand (&) to separate commands. Example \"BUY TUBE & DUMP TUBE GUN"},
          .buttons = {"&Save", "&Cancel"}}},
        {"aliases", ShownForm<frmAlias>,
         {.title = "Alias",
          .labels = {"Alias Name:"},
          .buttons = {"&Add", "Remo&ve", "&Refresh", "&Done", "&Update Alias"},
          .frames = {"Aliases", "Alias: none"},
          .headers = {{"Name", "Commands"}}}},
        {"ignore list", ShownForm<frmIgnore>,
         {.title = "Ignore",
          .labels = {"Current Users Being Ignored:", "Users Online:"},
          .buttons = {"<-Add", "Remove->", "Clear List", "Update", "Done"}}},
        {"options", ShownForm<frmOptions>,
         {.title = "Quelvar Options",
          .labels = {"Buttons on Main Screen:", "Font Type:", "Font Size:", "Chat:", "Tells:", "Team Plan:",
                     "Announcements:"},
          .buttons = {"&Update", "Cancel", "Apply", "Ok"},
          .checks = {"Auto Screen Center", "Auto Open Shops", "Show Chat in #GAME", "Bold Names", "Italic"},
          .frames = {"Colour Sets"},
          .boxes = {"14", "Arial", "10", "Blue", "Green", "Red", "Pink"},
          .tabs = {"General Options", "Player Options", "Fonts", "Sound Options"},
          .items = {{"14", "15", "16", "17", "18", "19", "20"},
                    {"Arial", "Comic Sans MS", "Courier", "Courier New", "Georgia", "Impact", "Modern",
                     "MS Sans Serif", "Roman", "Script", "Symbol", "Times New Roman", "Verdana", "Webdings",
                     "Wingdings"},
                    {"8", "10", "12", "14", "16", "18", "20"},
                    colours,
                    colours,
                    colours,
                    colours}}},
        {"sound", ShownForm<frmSound>,
         {.title = "Sound Options",
          .labels = {"Title:", "Artist:"},
          .buttons = {"Add", "Add Dir", "Remove", "Play", "Stop", "Done"},
          .checks = {"Play Music", "Play Sounds", "Random"},
          .frames = {"Play List", "MP3 Tag Info", "Options"}}},
        {"about", ShownForm<frmAbout>,
         {.title = "About Quelvar",
          .labels = {"Quelvar: ", "Game design and server: the Quelvar team",
                     "Desktop client: written for Linux with Qt",
                     "Pictures and sounds: drawn by the client's own generator",
                     "Thanks to every player who tested the arenas", "Game should be run in 1024x768 Resolution"},
          .buttons = {"Close"}}},
        {"command list", ShownForm<frmCmd>,
         {.title = "Quelvar Command List", .buttons = {"Ok"}, .boxes = {"Could Not Connect to Command List..."}}},
        {"statistics", ShownForm<frmStats>,
         {.title = "Your Statistics:",
          .labels = {"Your Statistics:", "Downloading Please Wait..."},
          .buttons = {"&Done"}}},
        {"instructions", ShownForm<frmBasic>, {.title = "Basic Instructions", .buttons = {"&Close"}}},
    };
    for (const auto& w : windows)
        EXPECT_EQ(TextDifferences(w.texts, TextsOf(w.open())), none) << w.name;
}
