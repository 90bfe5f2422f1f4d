#pragma once
// Server messages as the wire carries them, for the tests.

#include <QByteArray>
#include <QList>
#include <QString>
#include <initializer_list>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// 0xA6, the command, 0x00, the fields joined by 0x00, 0x01.
inline QByteArray frame(char command, const QList<QByteArray>& fields)
{
    QByteArray b;
    b += '\xA6';
    b += command;
    b += '\0';
    for (int i = 0; i < fields.size(); ++i) {
        if (i)
            b += '\0';
        b += fields[i];
    }
    b += '\x01';
    return b;
}

// Small numbers packed into one field: each is one byte of the value plus 5.
inline QByteArray smalls(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b += static_cast<char>(v + 5);
    return b;
}
