#pragma once
// The fixed texts a window shows, gathered from its controls, so that a test
// can hold a whole window against the texts it must show.

#include "foundation/Forms.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct WindowTexts {
    QString title{};
    // Labels, push buttons, check boxes, option buttons, frame titles and
    // filled text boxes, each sorted: their order on screen is the layout's.
    QStringList labels{}, buttons{}, checks{}, options{}, frames{}, boxes{};
    // Tab captions in tab order; the column headers of each list view and
    // the items of each list and combo box in their own order, the lists
    // sorted among themselves.
    QStringList tabs{};
    QList<QStringList> headers{}, items{};
};

// Every control of the window, shown or not. A picture, an empty label, box,
// frame title or list and a hidden column header count for nothing.
WindowTexts TextsOf(const QWidget* window);

// The differences between two windows' texts, one line each; empty when
// they agree.
QStringList TextDifferences(const WindowTexts& expected, const WindowTexts& actual);

// A window to hold against its texts: how to open it and what it must show.
struct ExpectedWindow {
    const char* name;
    std::function<QWidget*()> open;
    WindowTexts texts;
};

// The form shown (created and loaded on first use) and its window.
template <class T>
QWidget* ShownForm()
{
    T& form = Forms::get<T>();
    form.Show();
    return form.formWidget();
}
