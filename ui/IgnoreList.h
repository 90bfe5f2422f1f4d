#pragma once
// The ignore test of incoming chat lines.

#include <QString>

// True when the name is on the ignore list (exact, letter case counts). The
// first call loads the ignore window hidden, which reads the list's file.
bool IsIgnored(const QString& name);
