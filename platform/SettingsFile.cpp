#include "platform/SettingsFile.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

namespace platform {

namespace {

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSpace(char c) { return isBlank(c) || isLineEnd(c) || c == '\f' || c == '\v'; }
// The value of a hexadecimal digit, or -1.
int hexValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
bool isHexDigit(char16_t c) { return hexValue(c) >= 0; }

// Text from UTF-8 bytes. A U+FEFF is a character like any other here: the
// toolkit's usual decoding would drop one at the start of the bytes, which
// inside a file is no byte-order mark but part of a name or value.
QString fromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// One line of the file, from its first character that is no blank to its
// end. A line break inside quotes or after a backslash does not end it; a
// ";" outside quotes begins a comment that runs to the end of the line.
struct Line {
    QByteArrayView text;
    qsizetype equals = -1;  // where the first "=" outside quotes stands
};

class Lines {
public:
    explicit Lines(QByteArrayView data)
        : data_(data)
    {
    }

    bool next(Line& line)
    {
        for (;;) {
            while (pos_ < data_.size() && isSpace(data_[pos_]))
                ++pos_;
            if (pos_ == data_.size())
                return false;
            if (data_[pos_] != ';')
                break;
            skipComment();
        }
        const qsizetype start = pos_;
        bool quoted = false;
        line.equals = -1;
        for (; pos_ < data_.size(); ++pos_) {
            const char c = data_[pos_];
            if (c == '\\') {
                skipEscaped();
            } else if (c == '"') {
                quoted = !quoted;
            } else if (quoted) {
                continue;
            } else if (c == '=') {
                if (line.equals < 0)
                    line.equals = pos_ - start;
            } else if (isLineEnd(c) || c == ';') {
                break;
            }
        }
        line.text = data_.sliced(start, pos_ - start);
        if (pos_ < data_.size() && data_[pos_] == ';')
            skipComment();
        return true;
    }

private:
    void skipComment()
    {
        while (pos_ < data_.size() && !isLineEnd(data_[pos_]))
            ++pos_;
    }

    // Past the character after a backslash, both characters of a line
    // break ("\r\n" or "\n\r") included.
    void skipEscaped()
    {
        if (pos_ + 1 >= data_.size())
            return;
        const char escaped = data_[++pos_];
        if (pos_ + 1 < data_.size() && isLineEnd(escaped) && isLineEnd(data_[pos_ + 1]) &&
            data_[pos_ + 1] != escaped)
            ++pos_;
    }

    QByteArrayView data_;
    qsizetype pos_ = 0;
};

// A section or key name: "%XX" and "%UXXXX" stand for a character, "\" for
// a "/".
QString unescapedName(QByteArrayView bytes)
{
    const QString s = fromUtf8(bytes);
    QString name;
    name.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (c == QLatin1Char('\\')) {
            name += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i == s.size() - 1) {
            name += c;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        qsizetype digits = 2;
        if (s[first] == QLatin1Char('U')) {
            ++first;
            digits = 4;
        }
        bool ok = first + digits <= s.size();
        unsigned code = 0;
        for (qsizetype d = first; ok && d < first + digits; ++d) {
            const int value = hexValue(s[d].unicode());
            ok = value >= 0;
            code = code * 16 + static_cast<unsigned>(std::max(value, 0));
        }
        if (!ok) {
            name += c;
            ++i;
            continue;
        }
        name += QChar(static_cast<char16_t>(code));
        i = first + digits;
    }
    return name;
}

QString sectionName(QByteArrayView line)
{
    QByteArrayView inner = line.sliced(1);
    if (const qsizetype close = inner.indexOf(']'); close >= 0)
        inner = inner.first(close);
    inner = inner.trimmed();
    const QByteArray lower = inner.toByteArray().toLower();
    if (lower == "general")
        return QString();
    if (lower == "%general")
        return QString::fromLatin1(inner.sliced(1));
    return unescapedName(inner);
}

// The value after a backslash: the C escapes, "\x" with hexadecimal and
// "\" with octal digits; a line break or any other character after a
// backslash gives nothing.
void addEscaped(QByteArrayView v, qsizetype& i, QString& text)
{
    static constexpr char kNamed[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'},  {'t', '\t'},
                                         {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const char e = v[i++];
    for (const auto& named : kNamed) {
        if (e == named[0]) {
            text += QLatin1Char(named[1]);
            return;
        }
    }
    const bool hex = e == 'x';
    const unsigned base = hex ? 16 : 8;
    const auto digit = [base](char d) {
        const int value = hexValue(static_cast<uchar>(d));
        return value < static_cast<int>(base) ? value : -1;
    };
    if (hex ? i < v.size() && digit(v[i]) >= 0 : digit(e) >= 0) {
        unsigned code = hex ? 0 : static_cast<unsigned>(digit(e));
        for (; i < v.size() && digit(v[i]) >= 0; ++i)
            code = (code * base + static_cast<unsigned>(digit(v[i]))) & 0xFFFF;
        text += QChar(static_cast<char16_t>(code));
    } else if (isLineEnd(e) && i < v.size() && isLineEnd(v[i]) && v[i] != e) {
        ++i;
    }
}

// A value as the library reads it: escapes undone, quotes taken off,
// blanks around an unquoted value dropped, and a "@" that it doubled at the
// start halved. An unquoted "," separates the items of a list, which is
// joined back into one text.
QString valueText(QByteArrayView v)
{
    QStringList items;
    QString text;
    QByteArray run;  // plain bytes not yet decoded
    bool list = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keep = 0;  // the characters of text before this lose no blank
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < v.size() && isBlank(v[i]))
            ++i;
    };
    const auto decode = [&] {
        text += fromUtf8(run);
        run.clear();
    };
    const auto endItem = [&] {
        decode();
        if (!quoted)
            while (text.size() > keep && (text.back() == QLatin1Char(' ') || text.back() == QLatin1Char('\t')))
                text.chop(1);
        items += text.startsWith(QLatin1String("@@")) ? text.sliced(1) : text;
        text.clear();
        keep = 0;
        quoted = false;
    };
    skipBlanks();
    while (i < v.size()) {
        const char c = v[i];
        if (c == '\\') {
            if (++i == v.size())
                break;
            decode();
            addEscaped(v, i, text);
            keep = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                decode();
                keep = text.size();
            }
        } else if (c == ',' && !inQuotes) {
            endItem();
            list = true;
            ++i;
            skipBlanks();
        } else {
            run += c;
            ++i;
        }
    }
    endItem();
    return list ? items.join(QLatin1String(", ")) : items.constFirst();
}

void addHex(QByteArray& out, unsigned code, int width)
{
    out += QByteArray::number(code, 16).toUpper().rightJustified(width, '0');
}

// Letters, digits, "_", "-" and "." stand as they are; every other
// character as "%XX" or "%UXXXX" (a "/" too, which the reader would take
// for its "\" otherwise).
QByteArray escapedName(const QString& name)
{
    QByteArray out;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
            c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            addHex(out, c, 2);
        } else {
            out += "%U";
            addHex(out, c, 4);
        }
    }
    return out;
}

QByteArray sectionLine(const QString& section)
{
    if (section.isEmpty())
        return "[General]\n";
    const QByteArray name = escapedName(section);
    return (name.toLower() == "general" ? "[%" : "[") + name + "]\n";
}

bool isLoneSurrogate(const QString& s, qsizetype i)
{
    const QChar c = s[i];
    if (c.isHighSurrogate())
        return i + 1 == s.size() || !s[i + 1].isLowSurrogate();
    return c.isLowSurrogate() && (i == 0 || !s[i - 1].isHighSurrogate());
}

// A value as the library writes it. A "\x" escape is followed by a
// hexadecimal digit only as another escape, so that the reader ends it
// where it ended. Half a surrogate pair, which has no UTF-8, is escaped too.
QByteArray escapedValue(const QString& value)
{
    const QString s = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray out;
    bool quotes = false;
    bool escapeDigit = false;
    const auto hexEscape = [&](char16_t c) {
        out += "\\x" + QByteArray::number(c, 16);
        escapeDigit = true;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        quotes = quotes || c == ';' || c == ',' || c == '=';
        if (escapeDigit && isHexDigit(c)) {
            hexEscape(c);
            continue;
        }
        escapeDigit = false;
        switch (c) {
        case 0: out += "\\0"; escapeDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += static_cast<char>(c);
            break;
        default:
            if (c <= 0x1F || isLoneSurrogate(s, i))
                hexEscape(c);
            else if (c < 0x80)
                out += static_cast<char>(c);
            else if (QChar::isHighSurrogate(c))
                out += s.sliced(i++, 2).toUtf8();
            else
                out += QString(QChar(c)).toUtf8();
        }
    }
    if (quotes || out.startsWith(' ') || out.endsWith(' '))
        return '"' + out + '"';
    return out;
}

} // namespace

SettingsSections ReadSettingsText(QByteArrayView text)
{
    // Some editors put a byte-order mark at the head of a file they save.
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    SettingsSections sections;
    QString section;
    Lines lines(text);
    Line line;
    while (lines.next(line)) {
        if (line.text.front() == '[') {
            section = sectionName(line.text);
        } else if (line.equals >= 0) {
            QByteArrayView key = line.text.first(line.equals);
            while (!key.isEmpty() && isBlank(key.back()))
                key.chop(1);
            sections[section][unescapedName(key)] = valueText(line.text.sliced(line.equals + 1));
        }
    }
    return sections;
}

QByteArray SettingsText(const SettingsSections& sections)
{
    QByteArray out;
    for (auto section = sections.begin(); section != sections.end(); ++section) {
        if (section->isEmpty())
            continue;
        if (!out.isEmpty())
            out += '\n';
        out += sectionLine(section.key());
        for (auto key = section->begin(); key != section->end(); ++key)
            out += escapedName(key.key()) + '=' + escapedValue(key.value()) + '\n';
    }
    return out;
}

} // namespace platform
