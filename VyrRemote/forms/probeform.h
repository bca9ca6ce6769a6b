#pragma once

#include "iptoolsrecords.h"
#include "testform.h"

class QLineEdit;
class QSpinBox;

// What the ping and the trace route forms share: their settings record
// (probe_settings_t: destination address, frame size, wait time), its three
// fields, how they are shown, marked and written, and the standard buttons
// of the TCP/IP tools (start on the current port, stop, apply, reset, save
// report). The derived form builds its designer form, hands the widgets to
// initProbeGui() and shows its own results.
class ProbeForm : public TestForm
{
    Q_OBJECT
public:
    ProbeForm(Device *device, TestInfo *testInfo, QWidget *parent = nullptr);

public slots:
    void fillFormFromSettings() override;
    void fillSettingsFromForm() override;
    void lIPChanged(const QString &text);
    void sFrameChanged(int value);
    void sPauseChanged(int value);
    void gotApplied() override;

protected:
    // After setupUi: the fields and the buttons of the designer form.
    void initProbeGui(QLineEdit *address, QSpinBox *frame, QSpinBox *wait, QPushButton *start,
                      QPushButton *stop, QPushButton *apply, QPushButton *reset, QPushButton *saveReport);
    // For retranslate(): room for the widest address.
    void fitAddress();
    // A new font: room for the widest address in it.
    void refitToFont() override;
    // Without a record Start runs with the destination the tester holds.
    bool startsWithTesterSettings(uchar topology) const override;

private:

    QLineEdit *m_address = nullptr;
    QSpinBox *m_frame = nullptr;
    QSpinBox *m_wait = nullptr;
};
