#include "ui/AliasData.h"

#include "connection/Frame.h"

#include <QSet>

AliasList ParseAliasList(const QString& raw)
{
    AliasList list;
    if (raw.isEmpty())
        return list;
    QSet<QString> names;
    const auto skip = [&list](qint32 number) {
        if (list.Skipped++ == 0)
            list.FirstProblem = ErrObject{number, ErrorDescription(number)};
    };
    for (const QString& record : raw.split(kAliasRecordSeparator)) {
        const qsizetype cut = record.indexOf(kAliasNameSeparator);
        if (cut < 0) {
            skip(errSubscriptOutOfRange);
            continue;
        }
        Alias alias{record.left(cut), record.mid(cut + 1)};
        // Text after a second separator is not part of the commands.
        const qsizetype end = alias.Commands.indexOf(kAliasNameSeparator);
        if (end >= 0)
            alias.Commands.truncate(end);
        if (names.contains(alias.Name)) {
            skip(errKeyNotUnique);
            continue;
        }
        names.insert(alias.Name);
        list.Aliases.push_back(std::move(alias));
    }
    return list;
}

AliasData ReadAliasData(const QString& data)
{
    AliasData result;
    const int subCode = SmallNumberValue(data);
    const QString rest = data.mid(1);
    switch (subCode) {
    case 0:
        result.kind = AliasData::Kind::List;
        result.List = ParseAliasList(rest);
        break;
    case 1: {
        const QStringList parts = rest.split(QChar(0));
        if (parts.size() < 2)
            Raise(errSubscriptOutOfRange);
        // "X" in place of the name: the user has no alias left to save.
        result.kind = parts[0] == QLatin1String("X") ? AliasData::Kind::SaveRefused : AliasData::Kind::Saved;
        result.Name = parts[0];
        result.Commands = parts[1];
        break;
    }
    case 2: {
        const QChar digit = rest.isEmpty() ? QChar() : rest.at(0);
        if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
            Raise(errTypeMismatch);
        result.kind = digit == QLatin1Char('0') ? AliasData::Kind::Removed : AliasData::Kind::RemoveFailed;
        result.Name = rest.mid(1);
        break;
    }
    default:
        break;
    }
    return result;
}
