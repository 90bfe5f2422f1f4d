#include "foundation/LanguageFilter.h"

QString FilterLanguage(QString text)
{
    static const QLatin1String kWords[] = {
        QLatin1String("shit"), QLatin1String("fuck"), QLatin1String("cunt"), QLatin1String("bitch"),
        QLatin1String("ass"),  QLatin1String("damn"), QLatin1String("whore"),
    };
    for (const QLatin1String& word : kWords) {
        // A hit is masked in place (same length) and the search goes on one
        // character after its start; the asterisks match no word, so the
        // loop always ends.
        qsizetype p = text.indexOf(word, 0, Qt::CaseInsensitive);
        while (p >= 0) {
            for (qsizetype k = 1; k < word.size(); ++k)
                text[p + k] = QLatin1Char('*');
            p = text.indexOf(word, p + 1, Qt::CaseInsensitive);
        }
    }
    return text;
}
