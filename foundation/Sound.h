#pragma once
// Sound effects: kind 0 plays a wave file of the Graphics folder by index,
// kinds 1 to 9 a system sound by its alias; only while SoundOn is set.

#include <QtGlobal>

void PlaySound(qint32 kind, qint32 index);
