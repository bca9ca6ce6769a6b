#pragma once

// Answers the modal boxes and dialogs that the code under test runs with
// exec(): every few milliseconds the active modal widget is recorded and
// handed to the next scripted action, or simply closed when none is left.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalAnswerer
{
public:
    using Action = std::function<void(QWidget *)>;

    struct Seen
    {
        QString className;
        QString title;
        QString text;   // a message box's text; empty for other dialogs
    };

    ModalAnswerer()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    // The next modal widget goes to this action (which must close it).
    void then(Action action) { m_actions.append(std::move(action)); }

    QList<Seen> seen;

    int count(const QString &className) const
    {
        int n = 0;
        for (const Seen &s : seen)
            n += s.className == className;
        return n;
    }

    static void close(QWidget *w)
    {
        if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
        else
            w->close();
    }

private:
    void poll()
    {
        if (m_busy)
            return;
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        m_busy = true;
        Seen s;
        s.className = QString::fromLatin1(w->metaObject()->className());
        s.title = w->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(w))
            s.text = box->text();
        seen.append(s);
        QPointer<QWidget> guard(w);
        if (!m_actions.isEmpty())
            m_actions.takeFirst()(w);
        if (guard && guard->isVisible() && QApplication::activeModalWidget() == guard)
            close(guard);
        m_busy = false;
    }

    QTimer m_timer;
    QList<Action> m_actions;
    bool m_busy = false;
};
