// Any bytes as a settings file: the reader never fails, and what the writer
// makes of the values it read reads back as the same values and is written
// again as the same bytes.
#include "platform/SettingsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platform;
    const SettingsSections read = ReadSettingsText(QByteArrayView(reinterpret_cast<const char*>(data),
                                                                  static_cast<qsizetype>(size)));
    const QByteArray written = SettingsText(read);
    const SettingsSections again = ReadSettingsText(written);
    if (again != read || SettingsText(again) != written)
        std::abort();
    return 0;
}
