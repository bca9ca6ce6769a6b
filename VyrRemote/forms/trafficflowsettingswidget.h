#pragma once

#include "asymrecords.h"
#include "keptvalues.h"

#include <QWidget>

#include <optional>

class Device;

namespace Ui {
class TrafficFlowSettingsWidget;
}

// Editor of one direction's settings (flow_settings_t) of the asymmetric
// traffic test: the frame header (without its level-2 part) and the rate
// unit, rate, packet length and highest frame loss ratio. A plain QWidget
// embedded twice by AsymTrafficForm and re-texted by it.
//
// The widget keeps its own copy of the flow it loaded last and marks every
// field against that copy; saveFlow() writes the fields into the record the
// owner passes and makes the result the new reference. It never holds a
// pointer into a record it does not own.
//
// A stored value the fields cannot show (a unit code beyond the table, with
// the rate that goes with it; a loss ratio that is no number) is shown as
// the nearest thing the field has, marked, and written back as stored until
// the operator edits that field.
//
// GUI thread only.
class TrafficFlowSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TrafficFlowSettingsWidget(QWidget *parent = nullptr);
    ~TrafficFlowSettingsWidget() override;

    // The device the header editor reads the port addresses from; set by
    // the owner before the first load.
    void setDevice(Device *device);
    // Shows the flow and makes it the reference of the change markers.
    // Nothing happens for a null flow.
    void loadFlow(const flow_settings_t *flow);
    // As loadFlow(), with the other direction's IPv4 destination shown as
    // this flow's IP source (the input direction answers the output one).
    void loadFlowWithSource(const flow_settings_t *flow, const flow_settings_t *other);
    // Writes the fields into the flow (bytes the widget does not edit stay
    // as they are) and makes it the new reference.
    void saveFlow(flow_settings_t *flow);
    // Shows an IPv4 address (first octet in the most significant byte) as
    // the header's IP source.
    void showSourceIp(uint32_t ip);
    void retranslate();

signals:
    // To the header editor: its fields return to black.
    void gotApply();
    // A field now differs from the reference.
    void enableApply();

public slots:
    void on_cUnits_currentIndexChanged(int index);
    void enableApplySlot();
    void cUnitsChanged();
    void sRateChanged(int value);
    void sFLRChanged(double value);
    void sLenChanged(int value);
    void gotApplySlot();

private:
    // Each colours its field against the reference and tells whether it
    // differs; false without a reference.
    bool markUnit();
    bool markRate();
    bool markFlr();
    bool markLen();
    void markAll();

    Ui::TrafficFlowSettingsWidget *ui;
    Device *device = nullptr;   // not owned
    std::optional<flow_settings_t> m_flow;
    bool m_loading = false;
    // The stored value could not be shown and the operator has not edited
    // the field since: saveFlow() leaves it as stored.
    KeptRate m_keptRate;
    bool m_keepFlr = false;
};
