#pragma once
// The sound effects: synthesised at 22050 Hz, written as 16-bit mono PCM.

#include <QString>
#include <vector>

namespace assetgen {

inline constexpr int kSampleRate = 22050;

struct SoundFile {
    const char* relativePath; // below the program's folder
    std::vector<float> (*make)();
};

// Every wave file of the program: the effects under Graphics/ and the
// desktop sounds under Sounds/.
const std::vector<SoundFile>& soundFiles();

bool writeWav(const QString& path, const std::vector<float>& samples);

} // namespace assetgen
