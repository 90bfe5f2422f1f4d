#include "foundation/Convert.h"

#include "foundation/RuntimeError.h"

#include <cfenv>
#include <cmath>
#include <limits>

double RoundHalfEven(double value)
{
    const double r = std::nearbyint(value); // the default rounding mode rounds halves to even
    return r;
}

namespace {
template <typename T>
T roundInto(double value)
{
    if (std::isnan(value))
        Raise(errOverflow);
    const double r = RoundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) || r > static_cast<double>(std::numeric_limits<T>::max()))
        Raise(errOverflow);
    return static_cast<T>(r);
}

bool parseHexOrOctal(const QString& t, double& out)
{
    if (t.size() < 3 || t.at(0) != QLatin1Char('&'))
        return false;
    const QChar kind = t.at(1).toUpper();
    int base = 0;
    if (kind == QLatin1Char('H'))
        base = 16;
    else if (kind == QLatin1Char('O'))
        base = 8;
    else
        return false;
    bool ok = false;
    const qlonglong v = t.mid(2).toLongLong(&ok, base);
    if (!ok)
        return false;
    out = static_cast<double>(v);
    return true;
}
} // namespace

qint16 CInt(double value) { return roundInto<qint16>(value); }
qint32 CLng(double value) { return roundInto<qint32>(value); }
quint8 CByte(double value) { return roundInto<quint8>(value); }
double Fix(double value) { return std::trunc(value); }
double Int(double value) { return std::floor(value); }

namespace {
// Whole numbers of up to 15 plain digits are exact in a double and are most
// of what the server sends; they skip the general conversion, which costs
// a hundred times as much.
bool parsePlainDigits(const QString& text, double& out)
{
    if (text.isEmpty() || text.size() > 15)
        return false;
    qint64 v = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return false;
        v = v * 10 + (u - u'0');
    }
    out = static_cast<double>(v);
    return true;
}
} // namespace

double CDbl(const QString& text)
{
    double plain = 0;
    if (parsePlainDigits(text, plain))
        return plain;
    const QString t = text.trimmed();
    double v = 0;
    if (parseHexOrOctal(t, v))
        return v;
    bool ok = false;
    v = t.toDouble(&ok);
    if (!ok || t.isEmpty() || std::isnan(v) || std::isinf(v))
        Raise(errTypeMismatch);
    return v;
}

qint16 CInt(const QString& text) { return CInt(CDbl(text)); }
qint32 CLng(const QString& text) { return CLng(CDbl(text)); }
quint8 CByte(const QString& text) { return CByte(CDbl(text)); }

bool CBool(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return CDbl(t) != 0.0;
}

double Val(const QString& text)
{
    // Blanks, tabs and line feeds are skipped anywhere in the number.
    QString t;
    t.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            t.append(c);
    if (t.startsWith(QLatin1Char('&'))) {
        const QChar kind = t.size() > 1 ? t.at(1).toUpper() : QChar();
        const int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (base == 0)
            return 0;
        qsizetype end = 2;
        while (end < t.size()) {
            bool ok = false;
            QString(t.at(end)).toInt(&ok, base);
            if (!ok)
                break;
            ++end;
        }
        double hex = 0;
        return parseHexOrOctal(t.left(end), hex) ? hex : 0;
    }
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        ++i;
    const qsizetype digitsStart = i;
    while (i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128)
        ++i;
    if (i < t.size() && t.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128)
            ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && t.at(digitsStart) == QLatin1Char('.')))
        return 0;
    qsizetype end = i;
    if (i < t.size() && (t.at(i) == QLatin1Char('E') || t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('D') ||
                         t.at(i) == QLatin1Char('d'))) {
        qsizetype j = i + 1;
        if (j < t.size() && (t.at(j) == QLatin1Char('+') || t.at(j) == QLatin1Char('-')))
            ++j;
        const qsizetype expDigits = j;
        while (j < t.size() && t.at(j).isDigit() && t.at(j).unicode() < 128)
            ++j;
        if (j > expDigits)
            end = j;
    }
    QString number = t.left(end);
    number.replace(QLatin1Char('D'), QLatin1Char('E')).replace(QLatin1Char('d'), QLatin1Char('e'));
    bool ok = false;
    const double v = number.toDouble(&ok);
    return (ok && std::isfinite(v)) ? v : 0;
}

QString BoolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
