#include "connection/ConnectionState.h"

namespace {
Connection g_connection;
}

Connection& connection() { return g_connection; }

void resetConnectionState() { g_connection = Connection{}; }
