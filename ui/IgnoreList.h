#pragma once
// The ignore list.

#include <QString>

// True when the name is on the ignore list.
bool IsIgnored(const QString& name);
