#pragma once
// The language filter of received chat text.

#include <QString>

// Hides the seven filtered words wherever they occur, in any letter case and
// also inside longer words: each hit keeps its first character and the rest
// of its letters become asterisks ("Shit" gives "S***", "class" "cla**").
QString FilterLanguage(QString text);
