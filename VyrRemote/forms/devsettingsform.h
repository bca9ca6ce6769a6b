#pragma once

#include "device.h"
#include "iretranslatable.h"
#include "records.h"

#include <QList>

#include <optional>

class QRadioButton;

namespace Ui {
class DevSettingsForm;
}

// The tester's device-wide settings: the checking mode (byte 6 of the device
// settings record), the watch-dog time, the start of a 1PPS or NTP
// synchronisation, and, in a group that stays hidden, the reset to default
// settings and the tester's clock.
//
// Threads. The form lives in the GUI thread and reaches Device (worker
// thread) only through the queued connections made here. It keeps its own
// copy of the device settings record, taken from Device::getDeviceSettings()
// after deviceSettingsReceived(); Device writes its own copy of the record
// with the new mode, so the form hands over only the mode code.
//
// The copy is held only while it is the tester's: it is dropped when the
// link goes down, and Apply without one sends nothing (Device would otherwise
// write a record it never read over the tester's). activate() asks for the
// record while none is held, and every Apply reads it back, so the form
// shows the mode the tester holds. The mode is no port's: a port switch
// (disableApply()) leaves Apply as it is.
class DevSettingsForm : public IRetranslatable
{
    Q_OBJECT
public:
    explicit DevSettingsForm(Device *device, QWidget *parent = nullptr);
    ~DevSettingsForm() override;

    void retranslate() override;

signals:
    void loadDefaultConfig();
    void setClock(device_time_t time);
    void sendCheckDeviceSettings(uchar checking);
    void sendSyncStatus(uchar checking);
    void sendWDtime(uint WD);
    // Reads the device settings record from the tester.
    void receiveDeviceSettings();

public slots:
    void activate();
    void deviceStatusUpdated();
    void deviceSettingsReceived();
    void onResetClicked();
    void onChangeDateTimeClicked();
    void onSetFromComputerClicked();
    void buttonClicked();
    void bApplyClicked();
    void bRunSyncClicked();
    void onWDclicked();

private:
    void updateClock();
    // Checks the button of the held record's mode, or none without a record.
    void showHeldMode();
    void dropSettings();

    Ui::DevSettingsForm *ui;
    Device *device;   // not owned
    std::optional<device_settings_t> m_settings;
    QList<QRadioButton *> m_modeButtons;
    uchar m_selectedIndex = 0;
};
