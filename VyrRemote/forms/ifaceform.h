#pragma once

#include "interfaceformat.h"
#include "records.h"

#include <QList>
#include <QWidget>

#include <optional>

class Device;
class InterfaceInfo;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace Ui {
class IFaceForm;
}

// Editor of one port's interface settings (eth_settings_t, settings block
// 20): link speeds and duplex, MAC, DHCP and static address, VLAN tags,
// MPLS labels and the receive filter. The interface settings window holds
// three of them, for Port A, Port B and Port RC. Plain QWidget, re-texted
// by its owner.
//
// Threads. GUI thread only. The editor keeps its own copy of the port's
// record, taken from InterfaceInfo after settingsReceived(); the copy is
// what the fields are compared with and what fillAndSendSettings() writes
// into, and a copy of it goes back to InterfaceInfo::sendSettings through a
// queued signal. Nothing here writes into the worker's record. While no
// record is held (never read, the last read failed, the link was lost) the
// editor keeps showing what it shows and sends nothing.
class IFaceForm : public QWidget
{
    Q_OBJECT
public:
    IFaceForm(Device *device, int port, QWidget *parent = nullptr);
    ~IFaceForm() override;

    int port() const { return m_port; }
    // A record of the port is held, so an apply has something to send.
    bool hasSettings() const { return m_settings.has_value(); }

    void retranslate();
    // Colours after an apply: the fields black, rows beyond the counts and
    // the DHCP-governed addresses grey.
    void resetColors();

    // Set by fillAndSendSettings(): the MAC written differs from the one the
    // record held (the tester takes a new MAC only after a restart).
    bool macChanged = false;

public slots:
    // Writes the fields into the held record and sends it; false (nothing
    // sent, fields left as they are) while no record is held.
    bool fillAndSendSettings();
    // The port's record has been read (or the read failed).
    void settingsReceived();
    void deviceStatusUpdated();
    void bDefaultMacClicked();

    void c10toggled(bool checked);
    void c100toggled(bool checked);
    void c1000toggled(bool checked);
    void cHDXtoggled(bool checked);
    void cFDXtoggled(bool checked);
    void cDHCPToggled(bool checked);
    void lMACchanged(const QString &text);
    void lIPchanged(const QString &text);
    void lMaskChanged(const QString &text);
    void lGateChanged(const QString &text);
    void sVLANchanged(int count);
    void sMPLSchanged(int count);
    void lTPID1Changed(const QString &text);
    void lTPID2Changed(const QString &text);
    void lTPID3Changed(const QString &text);
    void sPCP1Changed(int value);
    void sPCP2Changed(int value);
    void sPCP3Changed(int value);
    void sVID1Changed(int value);
    void sVID2Changed(int value);
    void sVID3Changed(int value);
    void lValue1Changed(const QString &text);
    void lValue2Changed(const QString &text);
    void lValue3Changed(const QString &text);
    void sQoS1Changed(int value);
    void sQoS2Changed(int value);
    void sQoS3Changed(int value);
    void sTTL1Changed(int value);
    void sTTL2Changed(int value);
    void sTTL3Changed(int value);

    // Connected by name when the designer form is set up.
    void on_cbMacDest_toggled(bool checked);
    void on_cbMacSource_toggled(bool checked);
    void on_cbIpDest_toggled(bool checked);
    void on_cbIpSource_toggled(bool checked);
    void on_cbVlan1_toggled(bool checked);
    void on_cbVlan2_toggled(bool checked);
    void on_sbVlan1_valueChanged(int value);
    void on_sbVlan2_valueChanged(int value);
    void on_leMacDest_textEdited(const QString &text);
    void on_leIpDest_textEdited(const QString &text);

signals:
    // Re-read the port's record from the tester.
    void receiveSettings();
    // The whole record as applied, for InterfaceInfo::sendSettings.
    void sendSettings(eth_settings_t settings);
    // A field now differs from the held record.
    void dataChanged(int port);

private:
    static constexpr int RowsPerTable = 3;   // VLAN tags, MPLS entries

    // A changed field marks the port as edited.
    void markField(bool differs);
    void markCheck(QCheckBox *box, bool checked, bool stored);
    // A field against its value in the held record; nothing without one.
    void markText(QLineEdit *edit, const QString &text, QString InterfaceFields::*stored);
    void markValue(QSpinBox *box, int value, int InterfaceFields::*stored);
    void filterToggled(QCheckBox *box, uint8_t eth_settings_t::*flag, bool checked);
    void speedToggled(QCheckBox *box, uint8_t modes, bool checked);
    void duplexToggled(QCheckBox *box, QCheckBox *other, uint8_t modes, bool checked);
    void markRowText(QLineEdit *edit, const QString &text, QString (InterfaceFields::*stored)[RowsPerTable], int row);
    void markRowValue(QSpinBox *box, int value, int (InterfaceFields::*stored)[RowsPerTable], int row);
    // The VLAN table (TPID, PCP, VID) or the MPLS table (label, traffic
    // class, TTL): three rows of a text edit and two spin boxes, and the
    // fields of the record they show.
    struct RowTable
    {
        const QList<QLineEdit *> *text;
        const QList<QSpinBox *> *first;
        const QList<QSpinBox *> *second;
        QString (InterfaceFields::*storedText)[RowsPerTable];
        int (InterfaceFields::*storedFirst)[RowsPerTable];
        int (InterfaceFields::*storedSecond)[RowsPerTable];
    };
    RowTable vlanTable() const;
    RowTable mplsTable() const;
    static QList<QWidget *> rowWidgets(const RowTable &table, int row);
    // Rows 1..count in use (enabled), the others disabled and grey.
    void showRows(const RowTable &table, int count);
    // Rows in use black, the others grey.
    void colourRows(const RowTable &table, int count);
    // Row widgets in use drawn against the record, blue where they differ;
    // true when any differs.
    bool markRows(const RowTable &table, int count);
    // The address fields: from the status record while DHCP is on, else
    // the held record's static address; enabled only while DHCP is off.
    void showAddresses();
    void showAddressTexts(const port_addresses_t &addresses);
    void fillWidgets(const eth_settings_t &record);
    // Every field whose signals a fill must not fire.
    QList<QWidget *> editingWidgets() const;
    void fitFields();
    void dropSettings();

    InterfaceInfo *interfaceInfo;   // not owned
    Device *device;                 // not owned
    Ui::IFaceForm *ui;
    const int m_port;
    std::optional<eth_settings_t> m_settings;

    // Row order 1-3.
    QList<QLineEdit *> tpidEdits;
    QList<QLineEdit *> labelEdits;
    QList<QSpinBox *> pcpBoxes;
    QList<QSpinBox *> vidBoxes;
    QList<QSpinBox *> qosBoxes;
    QList<QSpinBox *> ttlBoxes;
};
