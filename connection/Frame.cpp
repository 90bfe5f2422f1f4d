#include "connection/Frame.h"

#include "foundation/Ansi.h"
#include "foundation/RuntimeError.h"
#include "platform/Endpoints.h"

QString CleanFrameText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x0000 || u == 0x0001 || u == 0x0002 || u == 0x00A6)
            continue;
        out.append(c);
    }
    return out;
}

QByteArray BuildFrame(const QString& ctrlChar, const QString& msg)
{
    QByteArray frame;
    frame.reserve(msg.size() + ctrlChar.size() + 4);
    frame.append(kFrameStart);
    frame.append(ToAnsi(ctrlChar));
    frame.append('\0');
    frame.append(ToAnsi(CleanFrameText(msg)));
    frame.append('\0');
    frame.append(kFrameEnd);
    return frame;
}

QByteArray BuildLoginFrame(const QString& userName, const QString& password, const QString& version)
{
    QByteArray frame;
    frame.append(kFrameStart);
    frame.append('!');
    frame.append('\0');
    for (const QString* field : {&userName, &password, &version}) {
        frame.append(ToAnsi(*field));
        frame.append('\0');
    }
    frame.append(kFrameEnd);
    return frame;
}

QString VersionText()
{
    return QString::number(platform::kVersionMajor) + QString::number(platform::kVersionMinor) +
           QString::number(platform::kVersionRevision);
}

QChar SmallNumber(int value)
{
    if (value < -5 || value > 250)
        Raise(errInvalidProcedureCall);
    return AnsiChar(static_cast<unsigned char>(value + 5));
}

int SmallNumberValue(QChar c)
{
    const int code = AnsiCode(c);
    return (code < 0 ? '?' : code) - 5;
}

int SmallNumberValue(const QString& field)
{
    if (field.isEmpty())
        Raise(errInvalidProcedureCall);
    return SmallNumberValue(field.at(0));
}

int SmallNumberValue(const QByteArray& field) { return SmallNumberValue(field, 0); }

int SmallNumberValue(const QByteArray& field, int index)
{
    if (index < 0 || index >= field.size())
        Raise(errInvalidProcedureCall);
    return static_cast<unsigned char>(field.at(index)) - 5;
}
