#pragma once
// The small text files beside the executable.

#include <QByteArray>

namespace assetgen {

QByteArray commandList();   // command.txt, Windows-1252, CR LF
QByteArray designData();    // DesignData.Dat
QByteArray endpointsIni();  // Endpoints.ini

} // namespace assetgen
