// The fixed texts of the community windows, each window held whole against
// the texts it must show; and the store's categories with the words that
// sort an item into each.

#include "CommunityTest.h"

#include "community/frmGame.h"
#include "community/frmNews.h"
#include "community/frmRanks.h"
#include "community/frmShop.h"
#include "community/frmTeams.h"
#include "community/frmTop10.h"
#include "community/frmTourn.h"
#include "community/frmWho.h"
#include "support/WindowTexts.h"

namespace {

struct StoreKind {
    const char* payloadWord;  // the word that makes the list this kind of store
    QStringList categories;   // captions in tree order
    // Item names, each the word that sorts it, with the caption it goes under.
    std::vector<std::pair<const char*, const char*>> words;
};

} // namespace

TEST_F(CommunityTest, EachWindowShowsItsFixedTextsAndTheStoresSortByTheirWords)
{
    const QStringList none;
    const ExpectedWindow windows[] = {
        {"who", ShownForm<frmWho>,
         {.title = "Who's Online - 0 Players Online.",
          .buttons = {"&Close", "Update"},
          .headers = {{"Charactername", "Lvl", "Rank", "Splats", "Ready", "Team", "Games", "Idle", ""}}}},
        {"store", ShownForm<frmShop>,
         {.title = "Store", .labels = {"%1 = Store Item"}, .buttons = {"Update List", "Purchase", "&Close"}}},
        {"teams", ShownForm<frmTeams>,
         {.title = "Teams",
          .labels = {"Search Team by Name:", "Name:", "Website:", "News:", "Splats:", "Online:", "Players:"},
          .buttons = {"&Search", "&Update", "Create", "Leave", "&Close"},
          .frames = {"Find a Team:", "Team Information:", "Team Stats:", "Team Members"},
          .headers = {{"Name", "Rank"}}}},
        {"top 10", ShownForm<frmTop10>,
         {.title = "Top 10 Results",
          .labels = {"Please Choose a Score to View:", "Top 10 for This (above) Score:"},
          .buttons = {"&Ok "},
          .headers = {{"Name", "Splats", "Date"}},
          .items = {{"Last Game Splats", "Top 10 Splats", "Top 10 Team Splats", "Top 10 Login Hours",
                     "Top 10 Total Worth"}}}},
        {"ranks", ShownForm<frmRanks>,
         {.title = "Quelvar Rank Names",
          .labels = {"Experience for Splat:"},
          .buttons = {"Done"},
          .items = {{"Newbie", "Rookie", "Private", "Corporal", "Sergeant", "Captain", "Major", "Colonel", "Master",
                     "Lord", "God"}}}},
        {"tournament", ShownForm<frmTourn>,
         {.title = "Tournament",
          .labels = {"Current Tournament", "Run By", "Total Pot", "Total Teams", "Team", "Password", "Team1:",
                     "Team2:"},
          .buttons = {"Join", "Start Game", "Set Game", "Lock Tourn"},
          .options = {"Team1:", "Team2:"},
          .frames = {"Join", "Start Game", "Set Game"},
          .boxes = {"<No Tournament Running>", "<No Tournament Running>", "<No Tournament Running>",
                    "<No Tournament Running>"},
          .tabs = {"Current", "Teams", "Info", "Admin"}}},
        {"news", ShownForm<frmNews>, {.title = "Quelvar News", .buttons = {"Close"}}},
        {"game room", ShownForm<frmGame>,
         {.title = "Game Information",
          .labels = {"Players:"},
          .buttons = {"Game Info", "Players", "Ok", "&Ok"},
          .boxes = {"Loading Game Data...\n", "Change Status"},
          .items = {{"Ready", "Not Ready", "Auto Ready"}}}},
    };
    for (const auto& w : windows)
        EXPECT_EQ(TextDifferences(w.texts, TextsOf(w.open())), none) << w.name;

    const StoreKind kinds[] = {
        {"mod",
         {"Assorted", "Gun Enhancements", "Vision", "Armor"},
         {{"auto", "Gun Enhancements"},
          {"spread", "Gun Enhancements"},
          {"trigger", "Gun Enhancements"},
          {"barrel", "Gun Enhancements"},
          {"pocket", "Assorted"},
          {"insulation", "Vision"},
          {"lens", "Vision"},
          {"hopper", "Gun Enhancements"},
          {"cleat", "Assorted"},
          {"jetpack", "Assorted"},
          {"armor", "Armor"},
          {"mod", "Assorted"}}},
        {"gun",
         {"Guns", "Rifles", "Grenade Launchers", "Rocket Launchers", "Mines", "Other"},
         {{"gun", "Guns"}, {"rocket", "Rocket Launchers"}, {"grenade", "Grenade Launchers"}, {"rifle", "Rifles"},
          {"tank", "Other"}}},
        {"jacket",
         {"Head Wear", "Neck Wear", "Pod Packs", "Jerseys", "Belts", "Foot Wear", "Pants", "Other"},
         {{"mask", "Head Wear"},
          {"scarf", "Neck Wear"},
          {"neck", "Neck Wear"},
          {"pod", "Pod Packs"},
          {"jacket", "Jerseys"},
          {"jersey", "Jerseys"},
          {"belt", "Belts"},
          {"leg", "Pants"},
          {"boot", "Foot Wear"},
          {"shoe", "Foot Wear"},
          {"goggle", "Head Wear"},
          {"pant", "Pants"},
          {"mounted", "Head Wear"},
          {"cleats", "Foot Wear"},
          {"hat", "Other"}}},
        {"pouch",
         {"Regular Ammo", "Dart Ammo", "Sniper Ammo", "Beginner Ammo", "Grenades", "Rockets", "Other"},
         {{"rocket", "Rockets"},
          {"grenade", "Grenades"},
          {"darts", "Dart Ammo"},
          {"sniper", "Sniper Ammo"},
          {"vile", "Beginner Ammo"},
          {"liquid", "Other"},
          {"pouch", "Regular Ammo"}}},
    };
    for (const StoreKind& kind : kinds) {
        QByteArrayList rows;
        for (const auto& [word, caption] : kind.words)
            rows << QByteArray(word) + ":1:1";
        receive(ServerFrame('l', {rows.join('\r')}));
        const QTreeWidget* tree = Forms::get<frmShop>().ListView;
        QStringList categories;
        QStringList sorted;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* category = tree->topLevelItem(i);
            categories << category->text(0);
            for (int j = 0; j < category->childCount(); ++j)
                sorted << category->child(j)->text(0) + QStringLiteral(" -> ") + category->text(0);
        }
        QStringList expected;
        for (const auto& [word, caption] : kind.words)
            expected << QLatin1String(word) + QStringLiteral(" -> ") + QLatin1String(caption);
        sorted.sort();
        expected.sort();
        EXPECT_EQ(categories, kind.categories) << kind.payloadWord;
        EXPECT_EQ(sorted, expected) << kind.payloadWord;
    }
}
