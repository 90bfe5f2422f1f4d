// Any bytes as a store list: the parser never crashes, places every row it
// keeps under a category the tree has, gives every node a key of its own and
// accounts for every row (shown or skipped).
#include "community/ShopList.h"
#include "foundation/Ansi.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString payload = FromAnsi(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const store::ShopList list = store::ParseShopList(payload);

    QSet<QString> keys;
    QSet<QString> categories;
    for (const store::Category& c : store::StoreCategories(list.Kind))
        categories.insert(c.Key);
    if (list.OtherAdded) {
        if (categories.contains(QLatin1String(store::kOtherKey)))
            std::abort();
        categories.insert(QLatin1String(store::kOtherKey));
    }
    keys = categories;
    for (const store::Item& item : list.Items) {
        if (!categories.contains(item.Category))
            std::abort();
        for (const QString& key : {item.Name, store::CostKey(item.Row), store::WeightKey(item.Row)}) {
            if (key.isEmpty())
                continue;
            if (keys.contains(key))
                std::abort();
            keys.insert(key);
        }
    }
    const qsizetype rows = payload.count(QLatin1Char('\r')) + 1;
    if (static_cast<qsizetype>(list.Items.size()) + list.Skipped != rows || (list.Skipped > 0) != (list.FirstError.Number != 0))
        std::abort();
    return 0;
}
