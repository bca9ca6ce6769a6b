#pragma once

// Finding and typing into the widgets of a form under test.

#include <QLatin1String>
#include <QLineEdit>
#include <QObject>
#include <QTableWidget>
#include <QTest>
#include <QtGlobal>

// The named child; a missing one ends the test run, since every later step
// would only fail more obscurely.
template <class T>
T *findWidget(const QObject *parent, const char *name)
{
    T *c = parent->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no widget %s", name);
    return c;
}

// The text of a table cell; empty while the cell has no item.
inline QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

// Replaces a line edit's text by typing it, so the validator has its say.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
