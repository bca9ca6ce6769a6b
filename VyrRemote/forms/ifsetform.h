#pragma once

#include "iretranslatable.h"

class Device;
class IFaceForm;
class QObject;

namespace Ui {
class IfsetForm;
}

// The interface settings window: one tab per port index (Port A, Port B,
// Port RC), each with the port's IFaceForm, and Apply and Reset under them.
// Apply writes every port that may be written now (no test running on it;
// Port RC not while it carries the link), reports the port of the shown tab
// when it was left out, and offers a restart when a MAC was changed.
//
// GUI thread only. The busy state and the connection type are read as
// copies from Device after its status signal; requests leave through the
// editors' queued signals and the queued resetAndConnect().
class IfsetForm : public IRetranslatable
{
    Q_OBJECT
public:
    explicit IfsetForm(QObject *device, QWidget *parent = nullptr);
    ~IfsetForm() override;

    void retranslate() override;

    // Texts of the message that Apply shows for a port it left out.
    static QString busyPortText(int port);
    static QString notReadPortText(int port);

public slots:
    void activate();
    void deviceStatusUpdated();
    void disableApply() override;
    void dataAreChanged(int p);
    void bApplyClicked();
    void bResetClicked();
    void tabWidgetChangeIndex(int index);

signals:
    void resetAndConnect();

private:
    static constexpr int PortIndexes = 3;

    bool portBusy(int port) const;
    // Writes one port's editor; false when nothing was sent.
    bool applyPort(int port);

    Ui::IfsetForm *ui;
    Device *device;   // not owned
    IFaceForm *editors[PortIndexes] = {};
    bool edited[PortIndexes] = {false, false, false};
};
