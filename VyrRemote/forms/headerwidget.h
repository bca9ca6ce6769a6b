#pragma once

#include "headersettings.h"
#include "records.h"

#include <QWidget>

#include <optional>

class Device;
class QComboBox;

namespace Ui {
class HeaderWidget;
}

// Editor of one frame-header record (header_settings_t), embedded by every
// form whose test generates frames. Plain QWidget, re-texted by its owner.
//
// The owner hands in a copy of the header of the current port's settings
// record before every load() and save() (setSettings), and after save()
// takes the edited copy back (settings()) into its own settings copy. The
// widget therefore never writes into a record it does not own: in
// particular the automatic destination address is only shown while "Auto
// IP destination" is ticked, and reaches the record at the next save.
//
// GUI thread only. The port addresses are read from the Device as copies.
class HeaderWidget : public QWidget
{
    Q_OBJECT
public:
    explicit HeaderWidget(QWidget *parent = nullptr);
    ~HeaderWidget() override;

    // The record being edited; null clears it (every slot then does nothing).
    void setSettings(const header_settings_t *record);
    std::optional<header_settings_t> settings() const { return m_settings; }
    // The usual calling order in one step: a copy of record is set and
    // loaded; the widgets are saved into a copy that replaces record.
    void loadFrom(const header_settings_t &record, Device *device);
    void saveInto(header_settings_t &record);

    void retranslate();
    // Shown as "IP source" instead of the port's own address at the next
    // load(); 0 means none.
    void setSourceIpOverride(uint32_t ip);
    void setSourceIp(uint32_t ip);
    void hideLevel2();

    // The address of a test port as the tester uses it: from the status
    // record while the port takes its address by DHCP, else the configured
    // one; 0 while its interface settings have not been read.
    static uint32_t portAddress(const Device *device, port_t port);

public slots:
    void load(Device *device);
    void save();
    void gotApplied();
    void cMacAutoToggled(bool checked);
    void cIPAutoToggled(bool checked);
    void cLvl3Toggled(bool checked);
    void cLvl4Toggled();
    void ttlChanged(int v);
    void sUDPdstChanged(int v);
    void sUDPsrcChanged(int v);
    void lMACchanged(const QString &s);
    void lIPchanged(const QString &s);
    void cbToSChanged(int index);
    void cbPrecChanged(int index);
    void cbDSCPChanged(int index);
    void gTosToggled(bool checked);
    void gDSCPToggled(bool checked);

signals:
    void toggledAutoIP(bool on);
    void enableApply();

private:
    // The four ToS bits of the record, and the box entry that shows them:
    // one of the listed entries, or UnlistedTosIndex for any other value
    // (more than one bit set), which the box shows as an extra entry.
    int storedTosBits() const;
    int storedTosIndex() const;
    // Adds, updates or removes the extra entry; true when the entries changed.
    bool showStoredTosEntry();
    // The same for the DSCP code point (bits 7-2 of the DS octet): one of
    // the listed entries, or UnlistedDscpIndex for a code the table lacks.
    int storedDscpCode() const;
    int storedDscpIndex() const;
    bool showStoredDscpEntry();
    // QoS box colour: blue while it shows a value outside the list,
    // otherwise black or grey with its group.
    void paintQosBox(QComboBox *box, bool groupOn);
    int storedPrecedence() const;
    void markCombo(QComboBox *combo, int index, int stored, bool groupOn);
    void setUdpRowsVisible(bool visible);

    uint32_t sourceIpOverride = 0;
    Ui::HeaderWidget *ui;
    Device *device = nullptr;   // not owned; the one given to the last load()
    std::optional<header_settings_t> m_settings;
    bool firstLoad = true;
};
