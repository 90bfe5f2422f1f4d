#include "foundation/Sound.h"

#include "foundation/SettingsState.h"
#include "platform/Services.h"

void PlaySound(qint32 kind, qint32 index)
{
    if (!settings().SoundOn)
        return;
    if (kind == 0) {
        if (index > 15)
            return;
        const char* file = nullptr;
        switch (index) {
        case 0: file = "boink.wav"; break;
        case 1: file = "Buy.wav"; break;
        case 2: file = "fire.wav"; break;
        case 3: file = "splat.wav"; break;
        case 4: file = "Hityou.wav"; break;
        case 5: file = "siren.wav"; break;
        case 8: file = "Unsiren.wav"; break;
        case 10: file = "water.wav"; break;
        case 12: file = "bots.wav"; break;
        case 13: file = "shotempty.wav"; break;
        case 14: file = "Thunder.wav"; break;
        case 15: file = "firing.wav"; break;
        default: break;
        }
        // Indexes without a file name the folder itself, which the desktop
        // answers with its default sound.
        platform::services().playSoundFile(settings().GraphicsPath + QString::fromLatin1(file ? file : ""));
        return;
    }
    static const char* const kAliases[] = {"SystemStart",  "SystemExit",     "RestoreUp",
                                           "RestoreDown",  "AppGPFault",     "SystemQuestion",
                                           "SystemAsterisk", "SystemExclamation", "SystemHand"};
    if (kind >= 1 && kind <= 9)
        platform::services().playSoundAlias(QString::fromLatin1(kAliases[kind - 1]));
}
