#include "foundation/MenuState.h"

void CheckItem::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    const auto listeners = listeners_;
    for (const auto& l : listeners)
        l(checked);
}

void CheckItem::onChange(std::function<void(bool)> listener) { listeners_.push_back(std::move(listener)); }

namespace {
OptionMenus& storage()
{
    static OptionMenus m;
    return m;
}
void designStates(OptionMenus& m)
{
    m.mnuOptionsTags.setChecked(true);
    m.mnuOptionsZoom.setChecked(true);
}
struct Init {
    Init() { designStates(storage()); }
} g_init;
} // namespace

OptionMenus& optionMenus() { return storage(); }

void resetOptionMenus()
{
    OptionMenus& m = storage();
    m = OptionMenus{};
    designStates(m);
}
