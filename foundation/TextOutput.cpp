#include "foundation/TextOutput.h"

#include "foundation/Controls.h"
#include "foundation/LanguageFilter.h"
#include "foundation/MenuState.h"
#include "foundation/SettingsState.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

qint32 RtbSavedValue = 0;

namespace {

QColor toColor(quint32 colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

const QLatin1String kLinkStart("http://");

// Puts the cursor at the end of the box's text; with Scroll Lock off that
// end is remembered for every box.
void toEnd(QTextCursor& cursor, bool scrollLock)
{
    cursor.movePosition(QTextCursor::End);
    if (!scrollLock)
        RtbSavedValue = cursor.position();
}

// The chat font settings that the plain rest of a text takes.
void applyChatFont(QTextCharFormat& format, bool bold, bool secondFont)
{
    const Settings& s = settings();
    if (bold)
        format.setFontWeight(QFont::Bold);
    // An empty font name or a size of 0 (settings that never got a value)
    // keeps the font the box writes in already.
    const QString& family = secondFont ? s.FontType2 : s.FontType;
    if (!family.isEmpty())
        format.setFontFamilies(QStringList{family});
    if (s.FontSize > 0)
        format.setFontPointSize(s.FontSize);
    if (s.Italic)
        format.setFontItalic(true);
}

} // namespace

void AddText(const QString& text, RichTextBox& box, quint32 colour, bool lineBreak, bool bold, bool secondFont)
{
    const bool scrollLock = optionMenus().mnuOptionsScroll.Checked();
    QScrollBar* vbar = box.verticalScrollBar();
    QScrollBar* hbar = box.horizontalScrollBar();
    const int keepV = vbar->value();
    const int keepH = hbar->value();

    QTextCharFormat& format = box.SelFormat;
    const QColor given = toColor(colour);
    QTextCursor cursor(box.document());
    QString rest = text;
    bool endedWithLink = false;
    // One change of the document for the whole piece: the box lays out its
    // text once, not once per run of one format.
    cursor.beginEditBlock();

    // Each link and the text before it, in the box's current font.
    for (qsizetype p = rest.indexOf(kLinkStart, 0, Qt::CaseInsensitive); p >= 0;
         p = rest.indexOf(kLinkStart, 0, Qt::CaseInsensitive)) {
        toEnd(cursor, scrollLock);
        format.setForeground(given);
        if (p > 0)
            cursor.insertText(rest.left(p), format);
        format.setForeground(toColor(kLinkColour));
        format.setFontUnderline(true);
        const qsizetype blank = rest.indexOf(QLatin1Char(' '), p + 1);
        if (blank < 0) {
            cursor.insertText(rest.mid(p), format);
            format.setForeground(given);
            format.setFontUnderline(false);
            cursor.insertText(QStringLiteral(" "), format);
            cursor.insertBlock(cursor.blockFormat(), format);
            endedWithLink = true;
            break;
        }
        cursor.insertText(rest.mid(p, blank - p), format);
        format.setForeground(given);
        format.setFontUnderline(false);
        rest = rest.mid(blank);
    }

    // The plain rest after the last link.
    if (!endedWithLink) {
        toEnd(cursor, scrollLock);
        format.setForeground(given);
        applyChatFont(format, bold, secondFont);
        if (optionMenus().mnuOptionLangFilter.Checked())
            rest = FilterLanguage(rest);
        if (!rest.isEmpty())
            cursor.insertText(rest, format);
        if (lineBreak)
            cursor.insertBlock(cursor.blockFormat(), format);
    }

    cursor.endEditBlock();

    // Where the box's own insertion point goes and what it shows.
    const int end = box.document()->characterCount() - 1;
    const int target = scrollLock ? std::clamp(RtbSavedValue, 0, end) : end;
    // The box's insertion point follows text put in where it stands, so it
    // usually is in place already; moving it costs a repaint.
    if (box.textCursor().position() != target || box.textCursor().hasSelection()) {
        QTextCursor view(box.document());
        view.setPosition(target);
        box.setTextCursor(view);
    }
    if (!scrollLock) {
        vbar->setValue(vbar->maximum());
    } else {
        vbar->setValue(keepV);
        hbar->setValue(keepH);
    }

    if (!endedWithLink)
        format.setFontWeight(QFont::Normal);
}
