#pragma once
// Coloured text output into rich-text boxes, with links and the language
// filter.

#include <QString>
#include <QtGlobal>

class RichTextBox;

// Appends text at the end of the box in the colour (RGB, red in the low
// byte), optionally bold, in the second chat font when secondFont is set,
// optionally ending the line.
void AddText(const QString& text, RichTextBox& box, quint32 colour, bool lineBreak, bool bold, bool secondFont);
