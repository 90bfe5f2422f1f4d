#include "foundation/RichTextLinks.h"

#include "foundation/Controls.h"
#include "foundation/Twips.h"

#include <QTextCursor>
#include <cmath>

namespace {

const QLatin1String kLinkStart("http://");

// The character index at a point given in twips relative to the box.
int charFromPos(RichTextBox& box, float x, float y)
{
    const QPoint inBox(static_cast<int>(std::lround(x / kTwipsPerPixel)),
                       static_cast<int>(std::lround(y / kTwipsPerPixel)));
    return box.cursorForPosition(box.viewport()->mapFrom(&box, inBox)).position();
}

// Whether text put in at character index c would be underlined: the format
// of the character before that insertion point.
bool underlinedAt(RichTextBox& box, int c)
{
    QTextCursor probe(box.document());
    probe.setPosition(c);
    return probe.charFormat().fontUnderline();
}

void setPointer(RichTextBox& box, int pointer)
{
    box.viewport()->setCursor(pointer == kCustomPointer ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

} // namespace

void RTBLinkHover(RichTextBox& box, RichTextBox&, int, int, float x, float y)
{
    const int c = charFromPos(box, x, y);
    setPointer(box, c >= 1 && underlinedAt(box, c) ? kCustomPointer : kDefaultPointer);
}

QString RTBLinkClick(RichTextBox& box, RichTextBox&, int Button, int, float x, float y)
{
    if (Button != 1)
        return QString();
    const int c = charFromPos(box, x, y);
    if (c < 1 || !underlinedAt(box, c))
        return QString();
    const QString text = box.toPlainText();
    // The blank that ends the link; a link that ends the text runs to its end.
    qsizetype blank = text.indexOf(QLatin1Char(' '), c - 1);
    if (blank < 0)
        blank = text.size();
    // The last "http://" (any letter case, as links are recognised) that lies
    // wholly before the blank.
    const qsizetype lastStart = blank - kLinkStart.size();
    if (lastStart < 0)
        return QString();
    const qsizetype start = text.lastIndexOf(kLinkStart, lastStart, Qt::CaseInsensitive);
    if (start < 0)
        return QString();
    return text.mid(start, blank - start);
}
