#include "dnsform.h"
#include "ui_dnsform.h"

#include "device.h"
#include "iptoolsformat.h"
#include "widgethelpers.h"

#include <QMessageBox>
#include <QStringList>

static_assert(sizeof(dns_settings_t) == testSettingsSize(TestDns), "DNS settings size");
static_assert(sizeof(dns_results_t) == testResultsSize(TestDns), "DNS results size");

namespace {
// Host names as long as the edit takes (20 characters) and as the record
// holds (31 bytes), for the room of the edit and of the result.
const char *const LongestEditedName = "time-server-02.corp.";
const char *const LongestHostName = "time-server-02.corp.example.org";
constexpr int LastStatusShown = DnsNotConnected + 1;
} // namespace

DnsForm::DnsForm(Device *device, QWidget *parent)
    : TestForm(device, device->getDnsInfo(), parent)
    , ui(new Ui::DnsForm)
{
    ui->setupUi(this);

    initGui(ui->bStart, nullptr, ui->bStop, ui->bApply, ui->bReset, nullptr, nullptr,
            ui->saveReportButton);

    connect(ui->lHost, &QLineEdit::textEdited, this, &DnsForm::lHostChanged);

    fitTexts();
}

DnsForm::~DnsForm()
{
    delete ui;
}

void DnsForm::retranslate()
{
    ui->retranslateUi(this);
    fitTexts();
    redrawResults();
}

void DnsForm::fitTexts()
{
    QStringList statuses;
    for (int status = 0; status <= LastStatusShown; ++status)
        statuses << dnsStatusText(uint8_t(status));
    reserveWidthFor(ui->lStatus, statuses);
    reserveWidthFor(ui->lHost, {QString::fromLatin1(LongestEditedName)});
    reserveWidthFor(ui->lHostRes, {QString::fromLatin1(LongestHostName)});
    reserveWidthFor(ui->lIPres, {widestAddressText()});
}

QString DnsForm::shownName(const dns_settings_t &record) const
{
    // What setText leaves of a name longer than the edit holds.
    return dnsHostName(record).left(ui->lHost->maxLength());
}

// ---- settings ---------------------------------------------------------------

bool DnsForm::canStartXX()
{
    return !ui->lHost->text().isEmpty();
}

void DnsForm::fillFormFromSettings()
{
    const std::optional<dns_settings_t> r = settingsAs<dns_settings_t>();
    if (!r)
        return;
    const QString name = shownName(*r);
    ui->lHost->setText(name);
    lHostChanged(name);
}

bool DnsForm::canWriteSettings()
{
    const std::optional<dns_settings_t> r = settingsAs<dns_settings_t>();
    const QString name = ui->lHost->text();
    if (!r || name == shownName(*r) || dnsHostNameBytes(name) <= DnsHostNameMaxBytes)
        return true;
    QMessageBox::warning(this, tr("Wrong host name"),
                         tr("The host name takes %1 bytes; the tester holds at most %2.\n"
                            "Nothing was sent.")
                             .arg(dnsHostNameBytes(name))
                             .arg(DnsHostNameMaxBytes),
                         QMessageBox::Ok);
    return false;
}

void DnsForm::fillSettingsFromForm()
{
    std::optional<dns_settings_t> r = settingsAs<dns_settings_t>();
    if (!r)
        return;
    const QString name = ui->lHost->text();
    // An untouched name keeps the tester's bytes; canWriteSettings() has
    // refused every other name that does not fit.
    if (name == shownName(*r) || !setDnsHostName(*r, name))
        return;
    storeSettings(*r);
}

void DnsForm::lHostChanged(const QString &text)
{
    if (const std::optional<dns_settings_t> r = settingsAs<dns_settings_t>())
        markField(markChangedString(ui->lHost, text, shownName(*r)));
}

void DnsForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour(ui->lHost, fieldColourEqual());
}

// ---- results ----------------------------------------------------------------

void DnsForm::fillFormFromResults()
{
    const std::optional<dns_settings_t> s = settingsAs<dns_settings_t>();
    const std::optional<dns_results_t> r = testInfo->getResultsAs<dns_results_t>(currentPort());
    const DnsResultsView v = dnsResultsView(s ? &*s : nullptr, r ? &*r : nullptr);
    showText(ui->lHostRes, v.hostName);
    showText(ui->lIPres, v.address);
    showText(ui->lStatus, v.status);
}
