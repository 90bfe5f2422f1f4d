#pragma once
// The map files: 150 x 150 cells, one character each, row after row, no line
// breaks.

#include <QByteArray>
#include <QString>
#include <vector>

namespace assetgen {

inline constexpr int kMapSide = 150;

struct MapFile {
    QString name; // file name below Map/
    QByteArray cells;
};

std::vector<MapFile> mapFiles();

} // namespace assetgen
