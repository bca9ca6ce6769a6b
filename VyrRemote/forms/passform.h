#pragma once

#include "iretranslatable.h"

class Device;

namespace Ui {
class PassForm;
}

// The pass-through ("Thru") window: switches pass-through on and off for the
// current port. It holds no record; its two buttons follow the current
// port's process words in every polled status, shown or hidden, so they are
// right the moment the window is shown. GUI thread; the switch reaches
// Device in the worker thread queued.
class PassForm : public IRetranslatable
{
    Q_OBJECT
public:
    explicit PassForm(Device *device, QWidget *parent = nullptr);
    ~PassForm() override;

    void retranslate() override;

signals:
    // Device sends topology code 8 (on) or 7 (off) for the port current
    // when it handles the request.
    void setThruMode(bool on);

public slots:
    void activate();
    void deviceStatusUpdated();
    void bStartClicked();
    void bStopClicked();

private:
    Ui::PassForm *ui;
    Device *device;   // not owned
};
