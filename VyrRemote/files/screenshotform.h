#pragma once

#include "iretranslatable.h"

#include <QSettings>

class QImage;

class Device;

namespace Ui {
class ScreenshotForm;
}

// The "Screenshot" tab of the file transfer window: on request fetches the
// tester's 320 x 240 screen, shows it at its natural size, and saves the
// last fetched picture as a PNG file on the PC. Device reads and decodes the
// screen in the worker thread and keeps the picture; the form asks for it,
// shows a copy and writes a copy.
//
// Threads. GUI thread only. "Receive" stays disabled while a request is in
// flight; Device answers every request with screenshotReceived(), also when
// the read failed. A failed read leaves Device without a picture: the label
// then says that the screenshot did not arrive, and "Save" refuses with a
// message instead of writing an older picture under a new time.
class ScreenshotForm : public IRetranslatable
{
    Q_OBJECT
public:
    // Settings key of the folder the last PNG save dialog ended in.
    static const char *const PngPathKey;

    explicit ScreenshotForm(Device *device, QWidget *parent = nullptr);
    ~ScreenshotForm() override;

    void retranslate() override;

signals:
    void receiveScreenshot();

public slots:
    // Showing the tab fetches nothing.
    void activate();
    void on_bScreen_clicked();
    void on_bSave_clicked();
    void screenshotReceived();

private:
    static QString notReceivedText();
    // True (after saying so) when there is no picture to save.
    bool refuseWithoutPicture(const QImage &picture);

    Ui::ScreenshotForm *ui;
    Device *device;   // not owned
    QSettings settings;
    // The last read broke off; the label shows notReceivedText().
    bool notReceived = false;
};
