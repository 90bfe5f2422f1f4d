#include "foundation/ButtonTable.h"

#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "platform/Endpoints.h"
#include "platform/SettingsStore.h"

namespace {

// The first entry of the store window's block; the entries between the
// loaded button count and it belong to no block of their own.
constexpr int kStoreBlockFirst = 21;

QString section(int index) { return QStringLiteral("Button") + QString::number(index); }

QString get(int index, const char* key)
{
    return platform::GetSetting(platform::programName(), section(index), QLatin1String(key), QString());
}

} // namespace

void ReadButtonEntry(int i)
{
    auto& table = settings().Buttons;
    if (i < 0 || i >= static_cast<int>(table.size()))
        Raise(errSubscriptOutOfRange);
    UserButton& b = table[static_cast<std::size_t>(i)];
    b.Name = get(i, "Name");
    b.Tip = get(i, "Tip");
    b.Command = get(i, "Command");
}

void WriteButtonTable(platform::SettingsSave& save)
{
    const Settings& s = settings();
    for (int i = 0; i < static_cast<int>(s.Buttons.size()); ++i) {
        UserButton b = s.Buttons[static_cast<std::size_t>(i)];
        const bool unread = i > s.LoadedButtonCount && i < kStoreBlockFirst;
        if (unread && b.Name.isEmpty() && b.Tip.isEmpty() && b.Command.isEmpty()) {
            b.Name = get(i, "Name");
            b.Tip = get(i, "Tip");
            b.Command = get(i, "Command");
        }
        save.put(section(i), QStringLiteral("Name"), b.Name);
        save.put(section(i), QStringLiteral("Tip"), b.Tip);
        save.put(section(i), QStringLiteral("Command"), b.Command);
    }
}
