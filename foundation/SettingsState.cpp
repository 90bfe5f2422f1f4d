#include "foundation/SettingsState.h"

namespace {
Settings g_settings;
}

Settings& settings() { return g_settings; }

void resetSettings() { g_settings = Settings{}; }

void SetColourSet(ColourSet& set, const QString& name)
{
    struct Entry {
        const char* name;
        quint32 dark;
        quint32 light;
    };
    static constexpr Entry kSets[] = {
        {"Red", RGB(128, 0, 0), RGB(192, 64, 64)},
        {"Blue", RGB(0, 0, 128), RGB(64, 64, 192)},
        {"Green", RGB(0, 128, 0), RGB(64, 192, 64)},
        {"Pink", RGB(128, 0, 128), RGB(192, 64, 192)},
        {"Yellow", RGB(128, 128, 0), RGB(192, 192, 64)},
        {"Turquoise", RGB(0, 128, 128), RGB(64, 192, 192)},
        {"Grey", RGB(128, 128, 128), RGB(192, 192, 192)},
        {"Maroon", RGB(154, 4, 57), RGB(202, 1, 74)},
        {"Orange", RGB(188, 106, 0), RGB(243, 139, 3)},
        {"Purple", RGB(100, 2, 156), RGB(152, 3, 237)},
    };
    set.Name = name;
    for (const Entry& e : kSets) {
        if (name == QLatin1String(e.name)) {
            set.Dark = e.dark;
            set.Light = e.light;
            return;
        }
    }
}
