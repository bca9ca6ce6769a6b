#include "probeform.h"

#include "iptoolsformat.h"
#include "textfunctions.h"
#include "widgethelpers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

static_assert(sizeof(probe_settings_t) == testSettingsSize(TestPing), "ping settings size");
static_assert(sizeof(probe_settings_t) == testSettingsSize(TestTraceRoute), "trace settings size");

ProbeForm::ProbeForm(Device *device, TestInfo *testInfo, QWidget *parent)
    : TestForm(device, testInfo, parent)
{
}

void ProbeForm::initProbeGui(QLineEdit *address, QSpinBox *frame, QSpinBox *wait, QPushButton *start,
                             QPushButton *stop, QPushButton *apply, QPushButton *reset, QPushButton *saveReport)
{
    m_address = address;
    m_frame = frame;
    m_wait = wait;
    setIpv4Validator(address);

    initGui(start, nullptr, stop, apply, reset, nullptr, nullptr, saveReport);

    connect(address, &QLineEdit::textEdited, this, &ProbeForm::lIPChanged);
    connect(frame, qOverload<int>(&QSpinBox::valueChanged), this, &ProbeForm::sFrameChanged);
    connect(wait, qOverload<int>(&QSpinBox::valueChanged), this, &ProbeForm::sPauseChanged);

    apply->setEnabled(false);
    fitAddress();
}

void ProbeForm::refitToFont()
{
    fitAddress();
}

void ProbeForm::fitAddress()
{
    reserveWidthFor(m_address, {widestAddressText()});
}

bool ProbeForm::startsWithTesterSettings(uchar) const
{
    return true;
}

void ProbeForm::fillFormFromSettings()
{
    const std::optional<probe_settings_t> r = settingsAs<probe_settings_t>();
    if (!r)
        return;
    {
        const QSignalBlocker w(m_wait);
        const QSignalBlocker f(m_frame);
        m_address->setText(ipToString(r->destination));
        m_wait->setValue(r->wait_time);
        m_frame->setValue(r->frame_size);
    }
    // Each compare runs, so that every field takes its colour; a stored
    // value outside a box's range shows at its end and stays marked.
    const bool address = markChangedString(m_address, m_address->text(), ipToString(r->destination));
    const bool frame = markChangedInt(m_frame, m_frame->value(), r->frame_size);
    const bool wait = markChangedInt(m_wait, m_wait->value(), r->wait_time);
    markField(address || frame || wait);
}

void ProbeForm::fillSettingsFromForm()
{
    std::optional<probe_settings_t> r = settingsAs<probe_settings_t>();
    if (!r)
        return;
    const QString text = completeAddressOr(m_address->text(), FallbackDestination);
    if (text != m_address->text())
        m_address->setText(text);
    r->destination = stringToIp(text);
    r->wait_time = uint16_t(m_wait->value());
    r->frame_size = uint16_t(m_frame->value());
    storeSettings(*r);
}

void ProbeForm::lIPChanged(const QString &text)
{
    if (const std::optional<probe_settings_t> r = settingsAs<probe_settings_t>())
        markField(markChangedString(m_address, text, ipToString(r->destination)));
}

void ProbeForm::sFrameChanged(int value)
{
    if (const std::optional<probe_settings_t> r = settingsAs<probe_settings_t>())
        markField(markChangedInt(m_frame, value, r->frame_size));
}

void ProbeForm::sPauseChanged(int value)
{
    if (const std::optional<probe_settings_t> r = settingsAs<probe_settings_t>())
        markField(markChangedInt(m_wait, value, r->wait_time));
}

void ProbeForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({m_address, m_frame, m_wait}, fieldColourEqual());
}

