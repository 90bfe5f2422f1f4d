#pragma once
// Coloured text output into rich-text boxes, with links and the language
// filter.

#include "foundation/SettingsState.h"

#include <QString>
#include <QtGlobal>

class RichTextBox;

// The insertion point at the end of the box written last while Scroll Lock
// was off; one value shared by every box. With Scroll Lock on, a box is put
// back there after each write.
extern qint32 RtbSavedValue;

// The colour of links (blue).
constexpr quint32 kLinkColour = RGB(0, 0, 255);

// Appends text at the end of the box in the colour (RGB, red in the low
// byte). Every "http://" link (any letter case) up to the next blank is
// written blue and underlined in the box's current font; a link that ends
// the text is always followed by a blank and a line break. The plain rest
// after the last link is written bold when asked, in the second chat font
// when secondFont is set (else the first), at the chat font size and italic
// when that option is on, passes the language filter when that menu item is
// checked, and is followed by a line break when lineBreak is set. The box
// then shows its end, unless Scroll Lock is checked: then its view stays.
void AddText(const QString& text, RichTextBox& box, quint32 colour, bool lineBreak, bool bold, bool secondFont);
