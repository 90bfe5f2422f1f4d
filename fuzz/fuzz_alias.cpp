// The server's alias texts as the alias window reads them: arbitrary text is
// either refused with one of the reader's errors or read into a list whose
// names are unique and which reads back unchanged once written out again.

#include "foundation/Ansi.h"
#include "foundation/RuntimeError.h"
#include "ui/AliasData.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>

namespace {
void checkList(const AliasList& list, const QString& raw)
{
    if (raw.isEmpty() ? !list.Aliases.empty() || list.Skipped != 0
                      : list.Aliases.size() + list.Skipped != static_cast<size_t>(raw.count(kAliasRecordSeparator) + 1))
        std::abort();
    if (list.Skipped > 0 && list.FirstProblem.Number != errSubscriptOutOfRange &&
        list.FirstProblem.Number != errKeyNotUnique)
        std::abort();
    QSet<QString> names;
    QStringList records;
    for (const Alias& a : list.Aliases) {
        if (names.contains(a.Name))
            std::abort();
        names.insert(a.Name);
        for (const QString& part : {a.Name, a.Commands})
            if (part.contains(kAliasRecordSeparator) || part.contains(kAliasNameSeparator))
                std::abort();
        records.append(a.Name + kAliasNameSeparator + a.Commands);
    }
    if (list.Aliases.empty())
        return;
    const AliasList again = ParseAliasList(records.join(kAliasRecordSeparator));
    if (again.Skipped != 0 || again.Aliases.size() != list.Aliases.size())
        std::abort();
    for (size_t i = 0; i < again.Aliases.size(); ++i)
        if (again.Aliases[i].Name != list.Aliases[i].Name || again.Aliases[i].Commands != list.Aliases[i].Commands)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QString text = FromAnsi(QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)));
    AliasData data;
    try {
        data = ReadAliasData(text);
    } catch (const RuntimeError& e) {
        if (e.number() != errInvalidProcedureCall && e.number() != errSubscriptOutOfRange &&
            e.number() != errTypeMismatch)
            std::abort();
        return 0;
    }
    switch (data.kind) {
    case AliasData::Kind::List:
        checkList(data.List, text.mid(1));
        break;
    case AliasData::Kind::Saved:
    case AliasData::Kind::SaveRefused:
        if (data.Name.contains(QChar(0)) || data.Commands.contains(QChar(0)) ||
            (data.kind == AliasData::Kind::SaveRefused) != (data.Name == QLatin1String("X")))
            std::abort();
        break;
    case AliasData::Kind::Removed:
    case AliasData::Kind::RemoveFailed:
        if (data.Name != text.mid(2))
            std::abort();
        break;
    case AliasData::Kind::None:
        break;
    }
    return 0;
}
