#include "foundation/TextOutput.h"

#include "foundation/Controls.h"

#include <QTextCursor>

void AddText(const QString& text, RichTextBox& box, quint32 colour, bool lineBreak, bool bold, bool)
{
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    cursor.insertText(lineBreak ? text + QStringLiteral("\n") : text, format);
    box.moveCursor(QTextCursor::End);
}
