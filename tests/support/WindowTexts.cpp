#include "support/WindowTexts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <algorithm>

namespace {
QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QList<QStringList> sorted(QList<QStringList> lists)
{
    std::sort(lists.begin(), lists.end(),
              [](const QStringList& a, const QStringList& b) { return a.join(QChar(1)) < b.join(QChar(1)); });
    return lists;
}

QString boxText(const QWidget* w)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(w))
        return line->text();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return plain->toPlainText();
    if (const auto* rich = qobject_cast<const QTextEdit*>(w))
        return rich->toPlainText();
    return QString();
}

template <class T>
QString show(const T& value)
{
    return QLatin1Char('"') + value + QLatin1Char('"');
}
QString show(const QStringList& list) { return QLatin1Char('[') + list.join(QStringLiteral(" | ")) + QLatin1Char(']'); }
QString show(const QList<QStringList>& lists)
{
    QStringList parts;
    for (const QStringList& l : lists)
        parts << show(l);
    return parts.join(QLatin1Char(' '));
}
} // namespace

WindowTexts TextsOf(const QWidget* window)
{
    WindowTexts t;
    t.title = window->windowTitle();
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (!label->text().isEmpty())
                t.labels << label->text();
        } else if (const auto* check = qobject_cast<const QCheckBox*>(w)) {
            t.checks << check->text();
        } else if (const auto* option = qobject_cast<const QRadioButton*>(w)) {
            t.options << option->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            // The tab bars' scroll arrows and the like carry no text.
            if (!button->text().isEmpty())
                t.buttons << button->text();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
            if (!frame->title().isEmpty())
                t.frames << frame->title();
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                t.tabs << tabs->tabText(i);
        } else if (const auto* tree = qobject_cast<const QTreeWidget*>(w)) {
            if (tree->isHeaderHidden())
                continue;
            QStringList header;
            for (int c = 0; c < tree->columnCount(); ++c)
                header << tree->headerItem()->text(c);
            t.headers << header;
        } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
            if (!items.isEmpty())
                t.items << items;
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            if (!items.isEmpty())
                t.items << items;
            if (combo->isEditable() && !combo->currentText().isEmpty())
                t.boxes << combo->currentText();
        } else if (const QString text = boxText(w); !text.isEmpty()) {
            // An editable combo box's own line is counted with the combo box.
            if (!qobject_cast<const QComboBox*>(w->parentWidget()))
                t.boxes << text;
        }
    }
    for (QStringList* list : {&t.labels, &t.buttons, &t.checks, &t.options, &t.frames, &t.boxes})
        *list = sorted(*list);
    t.headers = sorted(t.headers);
    t.items = sorted(t.items);
    return t;
}

QStringList TextDifferences(const WindowTexts& expected, const WindowTexts& actual)
{
    QStringList out;
    const auto compare = [&out](const char* kind, const auto& want, const auto& got) {
        if (want != got)
            out << QStringLiteral("%1: expected %2, shown %3").arg(QLatin1String(kind), show(want), show(got));
    };
    compare("title", expected.title, actual.title);
    compare("labels", sorted(expected.labels), actual.labels);
    compare("buttons", sorted(expected.buttons), actual.buttons);
    compare("check boxes", sorted(expected.checks), actual.checks);
    compare("option buttons", sorted(expected.options), actual.options);
    compare("frames", sorted(expected.frames), actual.frames);
    compare("text boxes", sorted(expected.boxes), actual.boxes);
    compare("tabs", expected.tabs, actual.tabs);
    compare("column headers", sorted(expected.headers), actual.headers);
    compare("list items", sorted(expected.items), actual.items);
    return out;
}
