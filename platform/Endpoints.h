#pragma once
// The program's folder, its name and version, and the network endpoints that
// the game's operator configures in "Endpoints.ini" beside the executable.

#include <QString>

namespace platform {

// The folder of the executable, without a trailing separator.
QString programFolder();
// The executable's file name without extension ("Quelvar"); the settings
// store's application name for the program's own keys.
QString programName();
// Tests run the client against a folder of their own.
void setProgramFolder(const QString& folder);

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 5;

struct Endpoints {
    QString webHost;       // serves "/files/address.txt" (scheme and host, no trailing "/")
    QString slaveServer;   // address of the second game server
    QString homePage;      // the game's home page
    QString forumBase;     // forum base address, ending in "/"
    QString advertising;   // the product's web address in the map's advertising line
    int gamePort = 10001;
    int userListPort = 777;
};

// Read once from programFolder()/Endpoints.ini; missing keys take defaults
// that point at this machine.
const Endpoints& endpoints();
// Test-only: replace the endpoints (ports included).
void setEndpointsForTests(const Endpoints& e);
// Re-reads the file (after setProgramFolder).
void reloadEndpoints();

} // namespace platform
