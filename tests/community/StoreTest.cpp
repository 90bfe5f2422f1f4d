// The store: how a list is sorted into kinds and categories, and the window
// against the fake server (the tree, purchase, user buttons, load and close).

#include "community/ShopList.h"
#include "community/frmShop.h"
#include "foundation/Controls.h"
#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"
#include "tests/integration/EndToEnd.h"
#include "ui/frmBack.h"
#include "ui/frmBtnEdit.h"

#include <QApplication>
#include <QTest>

using namespace store;

namespace {

TEST(StoreListTest, KindsAndCategoriesFollowTheKeywordsInOrderIgnoringCase)
{
    // "mod" anywhere wins, also inside another row's word; then "pouch" over "jacket" over "gun".
    EXPECT_EQ(StoreKind("Gun:1:1\rPouch:1:1\rCommodore:1:1"), KindMod);
    EXPECT_EQ(StoreKind("Jacket:1:1\rPaint POUCH:1:1"), KindAmmo);
    EXPECT_EQ(StoreKind("Gun Belt:1:1\rJACKET:1:1"), KindEquipment);
    EXPECT_EQ(StoreKind("Shotgun:1:1"), KindGun);
    EXPECT_EQ(StoreKind("Tube:1:1"), KindNone);

    const struct {
        int kind;
        const char* item;
        const char* key;
    } cases[] = {
        {KindEquipment, "GAS MASK", "Head"},   {KindEquipment, "gas mask", "Head"},
        {KindEquipment, "Neck Jacket", "Neck"}, {KindEquipment, "Goggle Pod", "Back"},
        {KindEquipment, "Leg Boots", "Pants"}, {KindEquipment, "Steel Cleats", "Feet"},
        {KindEquipment, "Hat", "Other"},       {KindAmmo, "Grenade Darts", "Grenade"},
        {KindAmmo, "SNIPER Shells", "Sniper"}, {KindAmmo, "Vile", "Beginner"},
        {KindAmmo, "Liquid Paint", "Other"},   {KindAmmo, "Paint Tube", "Paintball"},
        {KindGun, "Chain Gun", "Auto"},        {KindGun, "Rocket Rifle", "Rocket"},
        {KindGun, "Spare Tank", "Spare"},      {KindGun, "Tripod", "Other"},
        {KindMod, "Auto Armor", "Gun"},        {KindMod, "LENS Pocket", "All"},
        {KindMod, "Insulation", "Vision"},     {KindMod, "Armor", "Armor"},
        {KindNone, "Jetpack", "All"},          {KindMod, "Thing", "All"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetItemCategory(QLatin1String(c.item), c.kind), QLatin1String(c.key)) << c.item;

    // Rows whose category the store lacks go under "Other", made when the store has none.
    ShopList guns = ParseShopList("Chain Gun:900:12\rSniper Rifle:500:8");
    ASSERT_EQ(guns.Items.size(), 2u);
    EXPECT_EQ(guns.Items[0].Category, QStringLiteral("Other"));
    EXPECT_FALSE(guns.OtherAdded);
    ShopList plain = ParseShopList("Tube:1:1\rOther:2:2");
    ASSERT_EQ(plain.Items.size(), 1u);
    EXPECT_TRUE(plain.OtherAdded);
    EXPECT_EQ(plain.Skipped, 1);
    EXPECT_EQ(StoreCaption(plain.Kind), QStringLiteral("Store"));
}

class StoreWindowTest : public EndToEndTest {
protected:
    frmShop& shop() { return Forms::get<frmShop>(); }
    QStringList children(QTreeWidgetItem* node)
    {
        QStringList texts;
        for (int i = 0; i < node->childCount(); ++i)
            texts << node->child(i)->text(0) + QLatin1Char('|') + node->child(i)->data(0, Qt::UserRole).toString();
        return texts;
    }
};

TEST_F(StoreWindowTest, AListBuildsTheTreeAndSkipsOnlyTheRowsThatCannotBeShown)
{
    login();
    // A duplicate, an item named like a category, a short row and the piece after the final carriage return.
    receive(ServerFrame('l', {"Paint Pouch:10:1\rPaint Pouch:12:1\rRocket:40:9\rTube:5\rPaint Tube:5:2:x\r"}));
    ASSERT_TRUE(Forms::isLoaded<frmShop>());
    EXPECT_FALSE(shop().Visible());
    EXPECT_EQ(shop().Caption(), QStringLiteral("Ammo Shop"));
    QStringList roots;
    for (int i = 0; i < shop().ListView->topLevelItemCount(); ++i)
        roots << shop().ListView->topLevelItem(i)->text(0);
    EXPECT_EQ(roots, QStringList({"Regular Ammo", "Dart Ammo", "Sniper Ammo", "Beginner Ammo", "Grenades", "Rockets",
                                  "Other"}));
    EXPECT_EQ(children(shop().Node("Paintball")), QStringList({"Paint Pouch|Paint Pouch", "Paint Tube|Paint Tube"}));
    EXPECT_EQ(children(shop().Node("Paint Pouch")), QStringList({"Cost: $10|$'0'", "Weight: 1 lbs|0l"}));
    EXPECT_EQ(children(shop().Node("Paint Tube")), QStringList({"Cost: $5|$'4'", "Weight: 2 lbs|4l"}));
    EXPECT_EQ(shop().Node("Rockets"), nullptr);
    EXPECT_EQ(shop().Node("Rocket")->childCount(), 0);
    EXPECT_EQ(lineTexts(*Forms::get<frmDebug>().txtLog),
              QStringList{"Error #35602 Key is not unique in collection (4 rows of the store list skipped) in "
                          "frmShop,ParseShopData"});
    // The window asked for the list as it loaded; the log window switched the server's debug output on.
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('l', ""), ClientFrame('e', "1")}));
}

TEST_F(StoreWindowTest, PurchaseAndUserButtonsNameTheSelectedItem)
{
    login();
    settings().SoundOn = true;
    shop().Show();
    // Set after the load, which re-reads these entries from the settings store.
    settings().Buttons[21].Command = QStringLiteral("sell %1 & look %1");
    settings().Buttons[22].Command = QStringLiteral("dump all");
    shop().ParseShopData(QStringLiteral("Gas Mask:75:2\rJacket:50:4"));
    EXPECT_EQ(shop().Caption(), QStringLiteral("EQ Shop"));
    sentFrames();

    // A cost line names the item above it; the sound plays once.
    shop().ListView->setCurrentItem(shop().Node("$'0'"));
    QTest::mouseClick(shop().cmdBuy, Qt::LeftButton);
    EXPECT_EQ(services().soundFiles, QStringList{settings().GraphicsPath + QStringLiteral("Buy.wav")});
    EXPECT_EQ(shop().Caption(), QStringLiteral("You've just purchased: Gas Mask"));
    shop().ListView->setCurrentItem(shop().Node("Jacket"));
    QTest::mouseClick(shop().cmdAlias[0], Qt::LeftButton);
    QTest::mouseClick(shop().cmdAlias[1], Qt::LeftButton);
    EXPECT_EQ(sentFrames(), (QList<QByteArray>{ClientFrame('C', "buy Gas Mask"),
                                               ClientFrame('C', "sell Jacket & look Jacket"),
                                               ClientFrame('C', "dump all")}));

    // A category or no selection names nothing: nothing is sent, not even a command without "%1".
    for (QTreeWidgetItem* selected : {shop().Node("Body"), static_cast<QTreeWidgetItem*>(nullptr)}) {
        shop().ListView->setCurrentItem(selected);
        if (!selected)
            shop().ListView->clearSelection();
        for (QPushButton* b : {shop().cmdBuy, shop().cmdAlias[0], shop().cmdAlias[1]})
            QTest::mouseClick(b, Qt::LeftButton);
    }
    EXPECT_EQ(services().soundFiles.size(), 1);
    QTest::mouseClick(shop().cmdUpdate, Qt::LeftButton);
    EXPECT_EQ(sentFrames(), QList<QByteArray>{ClientFrame('l', "")});

    // The right button opens the editor; the left one does not.
    EXPECT_FALSE(Forms::isLoaded<frmBtnEdit>());
    QTest::mouseClick(shop().cmdAlias[5], Qt::RightButton);
    ASSERT_TRUE(Forms::isLoaded<frmBtnEdit>());
    EXPECT_TRUE(Forms::find<frmBtnEdit>()->Visible());
}

TEST_F(StoreWindowTest, LoadReadsItsOwnEntriesAndCloseWritesTheWholeTable)
{
    const QString app = platform::programName();
    platform::SaveSetting(app, QStringLiteral("Button21"), QStringLiteral("Name"), QStringLiteral("Sell"));
    platform::SaveSetting(app, QStringLiteral("Button26"), QStringLiteral("Command"), QStringLiteral("look %1"));
    platform::SaveSetting(app, QStringLiteral("Button27"), QStringLiteral("Name"), QStringLiteral("Who"));
    settings().Buttons[5].Command = QStringLiteral("hello");

    shop().Show();
    EXPECT_EQ(settings().Buttons[21].Name, QStringLiteral("Sell"));
    EXPECT_EQ(settings().Buttons[26].Command, QStringLiteral("look %1"));
    EXPECT_TRUE(settings().Buttons[27].Name.isEmpty());
    // Captions are the settings load's business.
    EXPECT_TRUE(shop().cmdAlias[0]->text().isEmpty());

    // With the input line disabled (as between a disconnect and the next login) the focus stays.
    back().txtSend->setEnabled(false);
    QTest::mouseClick(shop().cmdDone, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmShop>());
    EXPECT_EQ(platform::GetSetting(app, QStringLiteral("Button5"), QStringLiteral("Command"), {}),
              QStringLiteral("hello"));
    EXPECT_EQ(platform::GetSetting(app, QStringLiteral("Button21"), QStringLiteral("Name"), {}), QStringLiteral("Sell"));
    EXPECT_EQ(platform::GetSetting(app, QStringLiteral("Button32"), QStringLiteral("Tip"), QStringLiteral("unset")),
              QString());

    // Logged in, Close hands the focus to the input line.
    back().txtSend->setEnabled(true);
    login();
    activate();
    shop().Show();
    QTest::mouseClick(shop().cmdDone, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), back().txtSend);
}

} // namespace
