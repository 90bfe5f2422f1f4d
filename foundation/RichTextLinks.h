#pragma once
// Finding the link under the mouse pointer in a rich-text box: a hand
// pointer over links, and the address of the link that was clicked.

#include <QString>

class RichTextBox;

// Mouse pointer values of a box: the control's own (the text pointer), or its
// custom one (the hand over a link).
constexpr int kDefaultPointer = 0;
constexpr int kCustomPointer = 99;

// Sets the box's mouse pointer to its custom one while the pointer (x, y in
// twips, relative to the box) is over underlined text, else to the default
// one. The scratch box is the hidden box that a copy of the text could be
// inspected in; the format is read here without touching either box's
// selection, so it stays as it is.
void RTBLinkHover(RichTextBox& box, RichTextBox& scratch, int Button, int Shift, float x, float y);

// On a left click (Button 1) over underlined text: the link there, from its
// "http://" up to the blank after it. Otherwise the empty text.
QString RTBLinkClick(RichTextBox& box, RichTextBox& scratch, int Button, int Shift, float x, float y);
