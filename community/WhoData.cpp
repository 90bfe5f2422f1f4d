#include "community/WhoData.h"

#include "foundation/Convert.h"
#include "foundation/SettingsState.h"
#include "foundation/Utilities.h"
#include "world/WorldState.h"

#include <QSet>
#include <algorithm>
#include <array>

const QString& WhoRow::field(int i) const
{
    static constexpr QString WhoRow::*fields[kFieldCount] = {&WhoRow::Name,  &WhoRow::Level, &WhoRow::Rank,
                                                             &WhoRow::Splats, &WhoRow::Ready, &WhoRow::Team,
                                                             &WhoRow::Games,  &WhoRow::Idle,  &WhoRow::Cash};
    if (i < 0 || i >= kFieldCount)
        Raise(errSubscriptOutOfRange);
    return this->*fields[i];
}

namespace {

// The first nine fields of an entry, and how many it has (up to nine).
struct EntryFields {
    std::array<QStringView, WhoRow::kFieldCount> f;
    qsizetype count = 0;
};

// An entry cut at its colons, as far as the ninth field. Most fields are a
// few characters long: a plain look at each beats a search for the next colon.
EntryFields fieldsOf(QStringView entry)
{
    EntryFields e;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= entry.size() && e.count < WhoRow::kFieldCount; ++i) {
        if (i < entry.size() && entry[i] != u':')
            continue;
        e.f[static_cast<std::size_t>(e.count++)] = entry.sliced(start, i - start);
        start = i + 1;
    }
    return e;
}

WhoRow rowOf(const EntryFields& e)
{
    if (e.count < WhoRow::kFieldCount)
        Raise(errSubscriptOutOfRange);
    const auto& f = e.f;
    WhoRow r{f[0].toString(), f[1].toString(), f[2].toString(), f[3].toString(), f[4].toString(),
             f[5].toString(), f[6].toString(), f[7].toString(), f[8].toString()};
    r.LevelNumber = CDbl(r.Level);
    r.SplatsNumber = CDbl(r.Splats);
    r.CashNumber = CDbl(r.Cash);
    return r;
}

} // namespace

WhoRow WhoRowOf(const QStringList& fields)
{
    EntryFields e;
    for (; e.count < WhoRow::kFieldCount && e.count < fields.size(); ++e.count)
        e.f[static_cast<std::size_t>(e.count)] = fields[e.count];
    return rowOf(e);
}

namespace {

const QString kSkipName = QStringLiteral("$w");
const QString kInGame = QStringLiteral("IN GAME");

// A name that equals another letter case aside (as QString::compare has it),
// read in place in the reply.
struct FoldedName {
    QStringView name;
    bool operator==(const FoldedName& o) const { return name.compare(o.name, Qt::CaseInsensitive) == 0; }
};
std::size_t qHash(const FoldedName& n, std::size_t seed = 0) noexcept
{
    quint64 h = static_cast<quint64>(n.name.size());
    const QStringView s = n.name;
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(static_cast<char16_t>(c), s[++i].unicode());
        const bool upperAscii = c >= u'A' && c <= u'Z';
        h = h * 31 + (c < 0x80 ? c + (upperAscii ? 0x20 : 0) : QChar::toCaseFolded(c));
    }
    return ::qHash(h, seed);  // spread over every bit
}

bool isPlayerLevel(const WhoRow& row) { return row.LevelNumber >= 10 && row.LevelNumber <= 79; }

// Sub-item p (from 1) takes the text; the sub-items before it come into
// being empty, as a list item's do.
void setCellText(std::vector<WhoCell>& cells, std::size_t p, const QString& text)
{
    if (cells.size() < p)
        cells.resize(p);
    cells[p - 1].text = text;
}

// A picture sub-item inserted at position p: what stood there moves on.
void insertCellIcon(std::vector<WhoCell>& cells, std::size_t p, const QString& key)
{
    if (cells.size() < p - 1)
        cells.resize(p - 1);
    cells.insert(cells.begin() + static_cast<std::ptrdiff_t>(p - 1), WhoCell{QString(), key});
}

QString splatsIcon(double splats)
{
    if (splats < 100)
        return QStringLiteral("0Splats");
    if (splats < 1000)
        return QStringLiteral("100Splats");
    if (splats < 5000)
        return QStringLiteral("1000Splats");
    if (splats < 10000)
        return QStringLiteral("5000Splats");
    return QStringLiteral("10000Splats");
}

quint32 playerColour(double level)
{
    static const quint32 byTens[] = {RGB(0, 0, 255),   RGB(0, 192, 0),   RGB(255, 128, 0), RGB(255, 0, 255),
                                     RGB(0, 192, 192), RGB(128, 64, 64), RGB(128, 64, 64)};
    const int tens = std::clamp(static_cast<int>(level / 10), 1, 7);
    return byTens[tens - 1];
}

} // namespace

WhoReply ParseWhoReply(const QString& raw)
{
    WhoReply reply;
    QSet<FoldedName> names;
    // The entries and fields are read in place: a reply of a thousand
    // players would otherwise make a list of texts for every entry.
    const QList<QStringView> entries = QStringView(raw).split(u';');
    names.reserve(entries.size());
    reply.rows.reserve(static_cast<std::size_t>(entries.size()));
    for (const QStringView entry : entries) {
        const EntryFields fields = fieldsOf(entry);
        if (fields.f[0] == kSkipName)
            continue;
        try {
            WhoRow row = rowOf(fields);
            const qsizetype known = names.size();
            names.insert(FoldedName{fields.f[0]});
            if (names.size() == known)
                Raise(errKeyNotUnique);
            reply.rows.push_back(std::move(row));
        } catch (const RuntimeError& e) {
            if (reply.skipped++ == 0)
                reply.firstError = e.err();
        }
    }
    return reply;
}

std::optional<quint32> WhoWindowColour(const WhoRow& row)
{
    if (isPlayerLevel(row))
        return RGB(255, 128, 0);
    static const std::pair<const char*, quint32> staff[] = {{"80", RGB(0, 192, 0)}, {"85", RGB(0, 128, 0)},
                                                            {"90", RGB(0, 0, 192)}, {"95", RGB(0, 0, 128)},
                                                            {"99", RGB(192, 0, 0)}};
    for (const auto& [text, colour] : staff)
        if (row.Level == QLatin1String(text))
            return colour;
    return std::nullopt;
}

const char* const kWhoListPictureKeys[13] = {"Trainer",     "Ignore",    "InHolding",  "10Dollars", "5Dollars",
                                             "1000Dollars", "InGame",    "0Splats",    "10000Splats",
                                             "5kDollars",   "100Splats", "1000Splats", "5000Splats"};

WhoListLook WhoListRowLook(const WhoRow& row)
{
    WhoListLook look;
    look.cells.reserve(5);  // the level, splats, cash and up to two cash pictures
    look.cells.push_back({row.Level, QString()});
    const auto ready = [&] {
        look.inGame = row.Ready == kInGame;
        look.icon = look.inGame ? QStringLiteral("InGame") : QStringLiteral("InHolding");
    };
    const auto splats = [&] { insertCellIcon(look.cells, 2, splatsIcon(row.SplatsNumber)); };
    const auto cashText = [&] { setCellText(look.cells, 3, row.Cash); };

    if (isPlayerLevel(row)) {
        ready();
        splats();
        look.colour = playerColour(row.LevelNumber);
    } else if (row.Level == QLatin1String("85") || row.Level == QLatin1String("90") ||
               row.Level == QLatin1String("95") || row.Level == QLatin1String("99")) {
        splats();
        ready();
        look.colour = row.Level == QLatin1String("85") ? RGB(255, 0, 0) : RGB(192, 192, 0);
        look.icon = QStringLiteral("Trainer");
        look.bold = row.Level == QLatin1String("95") || row.Level == QLatin1String("99");
        cashText();
    } else {
        cashText();
        splats();
        ready();
    }

    const double cash = row.CashNumber;
    if (cash >= 1000 && cash < 5000)
        insertCellIcon(look.cells, 3, QStringLiteral("1000Dollars"));
    else if (cash >= 5000 && cash < 10000)
        insertCellIcon(look.cells, 3, QStringLiteral("5Dollars"));
    else if (cash >= 10000)
        insertCellIcon(look.cells, 3, QStringLiteral("10Dollars"));
    if (cash >= 50000)
        insertCellIcon(look.cells, 3, QStringLiteral("5kDollars"));
    return look;
}

WhoAddLook WhoListAddLook(qint16 level)
{
    const QString trainer = QStringLiteral("Trainer");
    const quint32 olive = RGB(192, 192, 0);
    if (level >= 1 && level <= 9)
        return {RGB(0, 0, 0), false, QString()};
    if (level >= 10 && level <= 79)
        return {RGB(0, 0, 255), false, QString()};
    if (level >= 80 && level <= 89)
        return {RGB(255, 0, 0), false, trainer};
    if (level >= 90 && level <= 94)
        return {olive, false, trainer};
    if (level >= 95 && level <= 99)
        return {olive, true, trainer};
    return {};
}

void CheckWhoSlot(qint16 slot)
{
    if (slot < 0 || slot >= static_cast<int>(world().PlayerSlots.size()))
        Raise(errSubscriptOutOfRange);
}

void NameWhoSlot(qint16 slot, const QString& name)
{
    CheckWhoSlot(slot);
    world().PlayerSlots[static_cast<std::size_t>(slot)].Name = name;
}

void FreeWhoSlot(qint16 slot)
{
    CheckWhoSlot(slot);
    PlayerSlot& s = world().PlayerSlots[static_cast<std::size_t>(slot)];
    s.Name.clear();
    s.Tile = 0;
}

std::optional<QString> WhoButtonText(const QString& command, const QStringList& selected, bool severalSelection)
{
    const QString placeholder = QStringLiteral("%1");
    if (!severalSelection) {
        if (selected.isEmpty())
            return std::nullopt;
        return QString(command).replace(placeholder, selected.first());
    }
    QString text;
    for (const QString& name : selected)
        text += QLatin1Char('&') + QString(command).replace(placeholder, name);
    return text;
}

QString WhoCaption(int players)
{
    return QStringLiteral("Who's Online - ") + QString::number(players) + QStringLiteral(" Players Online.");
}
