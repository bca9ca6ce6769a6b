#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class FileNameDialog;
}

// Asks for the name under which a configuration or report is stored on the
// tester (at most 19 characters of a restricted set) and pre-fills it with
// the name the tester proposes. The proposal arrives queued from the worker
// thread; once the operator has typed, a late proposal no longer replaces the
// text. GUI thread only.
class FileNameDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNameLength = 19;

    // remote: the Device (or null: nothing is asked); test: the test id whose
    // file is named.
    FileNameDialog(QObject *remote, uint test, QWidget *parent = nullptr);
    ~FileNameDialog() override;

    // The edited name without white space at either end.
    QString fileName() const;

    // Runs the dialog modally, without a parent, for a report or
    // configuration file of the test: the name taken, or an empty text when
    // the operator cancelled.
    static QString askFileName(QObject *remote, uint test);

signals:
    void getNewFileName(uint test);

public slots:
    void newFileNameReceived(QString fileName);
    void lFileNameTextEdited(const QString &text);

private:
    void updateOkButton(const QString &text);

    Ui::FileNameDialog *ui;
    bool m_operatorTyped = false;
};
