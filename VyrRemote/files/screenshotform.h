#pragma once

#include "iretranslatable.h"

#include <QSettings>

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
// the read failed (its picture is then the previous one).
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
    Ui::ScreenshotForm *ui;
    Device *device;   // not owned
    QSettings settings;
};
