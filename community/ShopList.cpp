#include "community/ShopList.h"

#include "world/WorldState.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace store {
namespace {

struct Keyword {
    const char* word;
    const char* key;
};

bool contains(const QString& text, const char* word) { return text.contains(QLatin1String(word), Qt::CaseInsensitive); }

template <std::size_t N>
QString firstHit(const QString& name, const Keyword (&table)[N], const char* none)
{
    for (const Keyword& k : table)
        if (contains(name, k.word))
            return QLatin1String(k.key);
    return QLatin1String(none);
}

bool hasCategory(const std::vector<Category>& categories, const QString& key)
{
    return std::any_of(categories.begin(), categories.end(), [&](const Category& c) { return c.Key == key; });
}

} // namespace

int StoreKind(const QString& payload)
{
    if (contains(payload, "mod"))
        return KindMod;
    int kind = KindNone;
    if (contains(payload, "gun"))
        kind = KindGun;
    if (contains(payload, "pouch"))
        kind = KindAmmo;
    else if (contains(payload, "jacket"))
        kind = KindEquipment;
    return kind;
}

std::vector<Category> StoreCategories(int kind)
{
    auto list = [](std::initializer_list<std::pair<const char*, const char*>> pairs) {
        std::vector<Category> out;
        for (const auto& [key, caption] : pairs)
            out.push_back({QLatin1String(key), QLatin1String(caption)});
        return out;
    };
    switch (kind) {
    case KindMod:
        return list({{"All", "Assorted"}, {"Gun", "Gun Enhancements"}, {"Vision", "Vision"}, {"Armor", "Armor"}});
    case KindGun:
        return list({{"Gun", "Guns"},
                     {"Rifle", "Rifles"},
                     {"Grenade", "Grenade Launchers"},
                     {"Rocket", "Rocket Launchers"},
                     {"Mine", "Mines"},
                     {"Other", "Other"}});
    case KindEquipment:
        return list({{"Head", "Head Wear"},
                     {"Neck", "Neck Wear"},
                     {"Back", "Pod Packs"},
                     {"Body", "Jerseys"},
                     {"Waist", "Belts"},
                     {"Feet", "Foot Wear"},
                     {"Pants", "Pants"},
                     {"Other", "Other"}});
    case KindAmmo:
        return list({{"Paintball", "Regular Ammo"},
                     {"Dart", "Dart Ammo"},
                     {"Sniper", "Sniper Ammo"},
                     {"Beginner", "Beginner Ammo"},
                     {"Grenade", "Grenades"},
                     {"Rocket", "Rockets"},
                     {"Other", "Other"}});
    default: return {};
    }
}

QString GetItemCategory(const QString& itemName, int kind)
{
    static const Keyword equipment[] = {{"mask", "Head"},   {"scarf", "Neck"},   {"neck", "Neck"},
                                        {"pod", "Back"},    {"jacket", "Body"},  {"jersey", "Body"},
                                        {"belt", "Waist"},  {"leg", "Pants"},    {"boot", "Feet"},
                                        {"shoe", "Feet"},   {"goggle", "Head"},  {"pant", "Pants"},
                                        {"mounted", "Head"}, {"cleats", "Feet"}};
    static const Keyword ammo[] = {{"rocket", "Rocket"}, {"grenade", "Grenade"}, {"darts", "Dart"},
                                   {"sniper", "Sniper"}, {"vile", "Beginner"},   {"liquid", "Other"}};
    static const Keyword guns[] = {{"chain", "Auto"},      {"gun", "Gun"},     {"rocket", "Rocket"},
                                   {"grenade", "Grenade"}, {"rifle", "Rifle"}, {"spare", "Spare"}};
    static const Keyword mods[] = {{"auto", "Gun"},       {"spread", "Gun"},       {"trigger", "Gun"},
                                   {"barrel", "Gun"},     {"pocket", "All"},       {"insulation", "Vision"},
                                   {"lens", "Vision"},    {"hopper", "Gun"},       {"cleat", "All"},
                                   {"jetpack", "All"},    {"armor", "Armor"}};
    switch (kind) {
    case KindEquipment: return firstHit(itemName, equipment, "Other");
    case KindAmmo: return firstHit(itemName, ammo, "Paintball");
    case KindGun: return firstHit(itemName, guns, "Other");
    default: return firstHit(itemName, mods, "All");
    }
}

QString StoreCaption(int kind)
{
    // The store table's order differs from the kinds': mod, EQ, gun, ammo.
    static const int entryOfKind[] = {-1, 0, 2, 1, 3};
    if (kind <= KindNone || kind > KindAmmo)
        return QStringLiteral("Store");
    return world().Shops[static_cast<std::size_t>(entryOfKind[kind])].Name;
}

QString CostKey(qint16 row) { return QStringLiteral("$'") + QString::number(row) + QLatin1Char('\''); }
QString WeightKey(qint16 row) { return QString::number(row) + QLatin1Char('l'); }
QString CostText(const QString& cost) { return QStringLiteral("Cost: $") + cost; }
QString WeightText(const QString& weight) { return QStringLiteral("Weight: ") + weight + QStringLiteral(" lbs"); }

ShopList ParseShopList(const QString& payload)
{
    ShopList list;
    list.Kind = StoreKind(payload);
    const std::vector<Category> categories = StoreCategories(list.Kind);
    const QString other = QLatin1String(kOtherKey);

    QSet<QString> keys;
    for (const Category& c : categories)
        keys.insert(c.Key);
    auto skip = [&list](qint32 number) {
        if (list.Skipped++ == 0)
            list.FirstError = {number, ErrorDescription(number)};
    };

    const QStringList rows = payload.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i > std::numeric_limits<qint16>::max()) {
            skip(errOverflow);
            continue;
        }
        const QStringList fields = rows[i].split(QLatin1Char(':'));
        if (fields.size() < 3) {
            skip(errSubscriptOutOfRange);
            continue;
        }
        Item item{fields[0], fields[1], fields[2], static_cast<qint16>(i), GetItemCategory(fields[0], list.Kind)};
        if (!hasCategory(categories, item.Category))
            item.Category = other;
        const bool addOther = item.Category == other && !keys.contains(other);

        const QString cost = CostKey(item.Row);
        const QString weight = WeightKey(item.Row);
        // An empty name is a node without a key: it cannot clash.
        const bool nameTaken = !item.Name.isEmpty() && (keys.contains(item.Name) || (addOther && item.Name == other) ||
                                                        item.Name == cost || item.Name == weight);
        if (nameTaken || keys.contains(cost) || keys.contains(weight)) {
            skip(errKeyNotUnique);
            continue;
        }
        if (addOther) {
            keys.insert(other);
            list.OtherAdded = true;
        }
        if (!item.Name.isEmpty())
            keys.insert(item.Name);
        keys.insert(cost);
        keys.insert(weight);
        list.Items.push_back(std::move(item));
    }
    return list;
}

} // namespace store
