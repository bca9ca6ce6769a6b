#pragma once

// Answers the modal dialogs and boxes that a form runs with exec(), by
// script: every few milliseconds a modal widget not seen before is recorded
// and handed to the next step when that step is for its class (a box that
// comes up uninvited, such as the outcome of an earlier request, does not
// take a file dialog's step); any other widget is closed.
//
// Actions that make a dialog open a box of its own (a save dialog asking
// before it overwrites a file) must not wait for it: the poll does not run
// inside itself, so choose() queues the accept, and the box goes to the
// next action.

#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalScript
{
public:
    using Action = std::function<void(QWidget *)>;

    struct Step
    {
        const char *className = nullptr;   // null: any widget
        Action run;
    };

    struct Seen
    {
        QString className;
        QString title;
        QString text;           // a message box's text
        QString directory;      // a file dialog's folder when it came up
        QString proposedName;   // a file dialog's file name when it came up
        QStringList nameFilters;   // a file dialog's filters
        QString defaultSuffix;     // a file dialog's suffix for a name typed without one
        int icon = 0;           // a message box's QMessageBox::Icon
    };

    ModalScript()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    void then(Step step) { m_steps.append(std::move(step)); }
    void then(Action action) { then(Step{nullptr, std::move(action)}); }
    // A step for the next file dialog only.
    static Step forFileDialog(Action action) { return Step{"QFileDialog", std::move(action)}; }

    // What came up of one class, in order.
    QList<Seen> of(const QString &className) const
    {
        QList<Seen> out;
        for (const Seen &s : seen) {
            if (s.className == className)
                out << s;
        }
        return out;
    }

    // What came up, one line each, for failure messages.
    QString log() const
    {
        QStringList lines;
        for (const Seen &s : seen)
            lines << s.className + QLatin1String(" \"") + s.title + QLatin1String("\" ") + s.text + s.proposedName;
        return lines.join(QLatin1Char('\n'));
    }
    int pending() const { return m_steps.size(); }

    QList<Seen> seen;

    // Actions.
    static Step cancel()
    {
        return Step{nullptr, [](QWidget *w) { close(w); }};
    }
    // A file dialog chooses path and accepts (a relative path: in the
    // dialog's folder).
    static Step choose(const QString &path)
    {
        return forFileDialog([path](QWidget *w) {
            auto *d = qobject_cast<QFileDialog *>(w);
            if (!d) {
                close(w);
                return;
            }
            d->selectFile(path);
            // selectFile() leaves the name field alone while it has the
            // focus; the operator's typing does not.
            if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(path);
            // The dialog's own checks run, after the poll has returned.
            QMetaObject::invokeMethod(d, [d] { static_cast<QDialog *>(d)->accept(); }, Qt::QueuedConnection);
        });
    }
    // The tester's file name dialog (FileNameDialog) answered with OK once
    // the name the tester proposes has arrived.
    static Step acceptProposedName()
    {
        return Step{"FileNameDialog", [](QWidget *w) {
                        auto *edit = w->findChild<QLineEdit *>(QStringLiteral("lFileName"));
                        auto *buttons = w->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
                        if (!edit || !buttons) {
                            close(w);
                            return;
                        }
                        if (QTest::qWaitFor([&] { return !edit->text().isEmpty(); }, 20000))
                            buttons->button(QDialogButtonBox::Ok)->click();
                        else
                            close(w);
                    }};
    }

    // A message box answered with a button.
    static Step press(QMessageBox::StandardButton button)
    {
        return Step{"QMessageBox", [button](QWidget *w) {
                        auto *box = qobject_cast<QMessageBox *>(w);
                        if (box && box->button(button))
                            box->button(button)->click();
                        else
                            close(w);
                    }};
    }

    // A dialog's own question answered No, after which the dialog (its
    // parent) is cancelled.
    static Step refuseAndCancel()
    {
        return Step{"QMessageBox", [](QWidget *w) {
                        QWidget *dialog = w->parentWidget();
                        press(QMessageBox::No).run(w);
                        if (dialog)
                            QTimer::singleShot(50, dialog, [dialog] { close(dialog); });
                    }};
    }

    static void close(QWidget *w) { ModalAnswerer::close(w); }

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        for (const QPointer<QWidget> &h : qAsConst(m_handled)) {
            if (h == w)
                return;
        }
        m_handled.append(w);
        Seen s;
        s.className = QString::fromLatin1(w->metaObject()->className());
        s.title = w->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            s.text = box->text();
            s.icon = box->icon();
        }
        if (auto *d = qobject_cast<QFileDialog *>(w)) {
            s.directory = d->directory().absolutePath();
            s.nameFilters = d->nameFilters();
            s.defaultSuffix = d->defaultSuffix();
            if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                s.proposedName = edit->text();
        }
        seen.append(s);
        if (!m_steps.isEmpty() && (!m_steps.first().className || w->inherits(m_steps.first().className)))
            m_steps.takeFirst().run(w);
        else
            close(w);
    }

    QTimer m_timer;
    QList<Step> m_steps;
    QList<QPointer<QWidget>> m_handled;
};
