#pragma once
// Clicks on a list box's items, where the player clicks them.

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

// Clicks the first item of the list box that shows the text.
inline void ClickListItem(QListWidget* list, const QString& text)
{
    const QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
