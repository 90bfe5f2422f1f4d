#include "foundation/LanguageFilter.h"
#include "foundation/SettingsState.h"

#include <gtest/gtest.h>
#include <random>

TEST(LanguageFilter, MasksEveryHitAfterItsFirstLetter)
{
    EXPECT_EQ(FilterLanguage(QStringLiteral("Shit happens")), QStringLiteral("S*** happens"));
    EXPECT_EQ(FilterLanguage(QStringLiteral("FUCK fuck FuCk")), QStringLiteral("F*** f*** F***"));
    // No word boundaries: inside longer words too.
    EXPECT_EQ(FilterLanguage(QStringLiteral("first class")), QStringLiteral("first cla**"));
    EXPECT_EQ(FilterLanguage(QStringLiteral("assassin")), QStringLiteral("a**a**in"));
    // Word by word in order: "bitch" is masked before "ass" is looked for.
    EXPECT_EQ(FilterLanguage(QStringLiteral("bitchass damn whore cunt")), QStringLiteral("b****a** d*** w**** c***"));
    EXPECT_EQ(FilterLanguage(QStringLiteral("nothing to hide")), QStringLiteral("nothing to hide"));
    EXPECT_EQ(FilterLanguage(QString()), QString());
}

TEST(LanguageFilter, EndsForEveryInput)
{
    std::mt19937 random(7);
    const QString letters = QStringLiteral("asShHiItTfFuUcCkKnNbBdDmMwWoOrReE *");
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i)
            text.append(letters.at(static_cast<int>(random() % letters.size())));
        const QString filtered = FilterLanguage(text);
        ASSERT_EQ(filtered.size(), text.size());
        // Filtering again changes nothing: no hit is left.
        ASSERT_EQ(FilterLanguage(filtered), filtered) << text.toStdString();
    }
}

TEST(ColourSets, TheTenNamesCaseSensitiveUnknownKeepsColours)
{
    ColourSet set;
    SetColourSet(set, QStringLiteral("Red"));
    EXPECT_EQ(set.Dark, RGB(128, 0, 0));
    EXPECT_EQ(set.Light, RGB(192, 64, 64));
    SetColourSet(set, QStringLiteral("Purple"));
    EXPECT_EQ(set.Dark, RGB(100, 2, 156));
    EXPECT_EQ(set.Light, RGB(152, 3, 237));
    SetColourSet(set, QStringLiteral("Maroon"));
    EXPECT_EQ(set.Dark, RGB(154, 4, 57));
    EXPECT_EQ(set.Light, RGB(202, 1, 74));
    SetColourSet(set, QStringLiteral("Orange"));
    EXPECT_EQ(set.Light, RGB(243, 139, 3));
    EXPECT_EQ(set.Name, QStringLiteral("Orange"));

    // Lower case is no known name: the colours stay, the name is taken.
    SetColourSet(set, QStringLiteral("blue"));
    EXPECT_EQ(set.Name, QStringLiteral("blue"));
    EXPECT_EQ(set.Dark, RGB(188, 106, 0));
    ColourSet fresh;
    SetColourSet(fresh, QStringLiteral("blue"));
    EXPECT_EQ(fresh.Dark, 0u);
    EXPECT_EQ(fresh.Light, 0u);

    const struct {
        const char* name;
        quint32 dark;
        quint32 light;
    } all[] = {{"Blue", RGB(0, 0, 128), RGB(64, 64, 192)},       {"Green", RGB(0, 128, 0), RGB(64, 192, 64)},
               {"Pink", RGB(128, 0, 128), RGB(192, 64, 192)},    {"Yellow", RGB(128, 128, 0), RGB(192, 192, 64)},
               {"Turquoise", RGB(0, 128, 128), RGB(64, 192, 192)}, {"Grey", RGB(128, 128, 128), RGB(192, 192, 192)}};
    for (const auto& c : all) {
        SetColourSet(set, QLatin1String(c.name));
        EXPECT_EQ(set.Dark, c.dark) << c.name;
        EXPECT_EQ(set.Light, c.light) << c.name;
    }
}
