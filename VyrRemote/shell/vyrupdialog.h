#pragma once

#include <QByteArray>
#include <QDialog>
#include <QSettings>
#include <QString>

namespace Ui {
class vyrupDialog;
}

// Picks an update package file (".vyrup") and hands its bytes to the Device,
// which writes it through the remote link; lists the progress texts and the
// result code that come back. The package is validated by the device side.
//
// One write at a time: Accept stays disabled from the moment the bytes are
// handed over until the result code of that write arrives (corrResult), so a
// second click cannot queue a second firmware write behind the first.
// GUI thread only; the bytes cross to the worker by value in writeVYRUP.
class vyrupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit vyrupDialog(QWidget *parent = nullptr);
    ~vyrupDialog() override;

    // The log line shown for a result code of the update steps.
    static QString resultText(int code);

    // Texts of the buttons in the installed language; the path and the log
    // keep what they show.
    void retranslate();

signals:
    void writeVYRUP(QByteArray data);
    void closeUpdate();
    void closeRemote();

public slots:
    void vyrupInfo(QString text);
    void corrResult(int code);
    void vyrupDirOpen();
    void vyrupAccepted();
    void vyrupRejected();

private:
    void updateAcceptButton();

    Ui::vyrupDialog *ui;
    QSettings m_settings;
    bool m_writing = false;
};
