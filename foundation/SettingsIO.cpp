#include "foundation/SettingsIO.h"

#include "foundation/RuntimeError.h"

void LoadSettings()
{
}

void SaveSettings()
{
    End();
}
