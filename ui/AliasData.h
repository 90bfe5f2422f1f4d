#pragma once
// The server's alias texts: the alias list and the replies to a save or a
// removal, read into plain values that the alias window shows.

#include "foundation/RuntimeError.h"

#include <QString>
#include <vector>

// One alias as the server keeps it.
struct Alias {
    QString Name;
    QString Commands;
};

// An alias list: records separated by the character 5, each the name, the
// character 6 and the commands.
struct AliasList {
    std::vector<Alias> Aliases;  // in the order of the text; no name twice
    int Skipped = 0;             // malformed records left out
    ErrObject FirstProblem;      // what was wrong with the first of them
};

// Reads an alias list. An empty record, a record without the character 6
// and a name that is already listed are left out and counted; the rest is
// listed. An empty text is an empty list.
AliasList ParseAliasList(const QString& raw);

// What an alias data text tells the window.
struct AliasData {
    enum class Kind {
        None,          // a sub-code that means nothing
        List,          // the whole list
        Saved,         // an alias was saved: Name and Commands
        SaveRefused,   // no alias left to save: Commands names the refused one
        Removed,       // the alias Name was removed
        RemoveFailed,  // the alias Name was not found
    };
    Kind kind = Kind::None;
    AliasList List;
    QString Name;
    QString Commands;
};

// Reads an alias data text: a sub-code character (a small number) and what
// depends on it. Raises Invalid procedure call (5) for an empty text,
// Subscript out of range (9) for a saved alias without its commands part and
// Type mismatch (13) for a removal whose digit is missing.
AliasData ReadAliasData(const QString& data);

// The character that separates the records of a list, and the one between a
// record's name and its commands.
inline constexpr QChar kAliasRecordSeparator = QChar(5);
inline constexpr QChar kAliasNameSeparator = QChar(6);
