#include "ipscannerform.h"
#include "ui_ipscannerform.h"

#include "device.h"
#include "iptoolsformat.h"
#include "textfunctions.h"
#include "widgethelpers.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>

#include <cstdint>

static_assert(sizeof(ipscan_settings_t) == testSettingsSize(TestIpScanner), "IP scanner settings size");
static_assert(sizeof(ipscan_results_t) == testResultsSize(TestIpScanner), "IP scanner results size");

IpScannerForm::IpScannerForm(Device *device, QWidget *parent)
    : TestForm(device, device->getIpScannerInfo(), parent)
    , ui(new Ui::IpScannerForm)
{
    ui->setupUi(this);
    setIpv4Validator(ui->leFirstAddress);
    setIpv4Validator(ui->leLastAddress);

    initGui(ui->bStart, nullptr, ui->bStop, ui->bApply, ui->bReset, nullptr, nullptr,
            ui->saveReportButton);

    connect(ui->leFirstAddress, &QLineEdit::textEdited, this, &IpScannerForm::leFirstAddressChanged);
    connect(ui->leLastAddress, &QLineEdit::textEdited, this, &IpScannerForm::leLastAddressChanged);
    connect(ui->sbWaitTime, qOverload<int>(&QSpinBox::valueChanged), this, &IpScannerForm::sbWaitTimeChanged);
    connect(ui->sbIteration, qOverload<int>(&QSpinBox::valueChanged), this, &IpScannerForm::sbIterationChanged);

    fitTexts();
}

IpScannerForm::~IpScannerForm()
{
    delete ui;
}

void IpScannerForm::retranslate()
{
    ui->retranslateUi(this);
    fitTexts();
    redrawResults();
}

void IpScannerForm::fitTexts()
{
    reserveWidthFor(ui->leFirstAddress, {widestAddressText()});
    reserveWidthFor(ui->leLastAddress, {widestAddressText()});
    // The longest run time: 2^32 - 1 seconds.
    const QString longestTime = secondsToString(UINT32_MAX);
    reserveWidthFor(ui->leElapsedTime, {longestTime});
    reserveWidthFor(ui->leEstimatedTime, {longestTime});

    // The list scrolls through its 256 rows; its width holds the longest
    // entry beside the row numbers and the scroll bar.
    QTableWidget *list = ui->twIPList;
    ipscan_results_t noConnection{};
    noConnection.status = IpScanNoConnection;
    const QStringList entries = {widestAddressText(),
                                 ipScanResultsView(nullptr, &noConnection).rows[0]};
    QHeaderView *top = list->horizontalHeader();
    top->setStretchLastSection(false);
    fitColumnTo(list, 0, 0, entries);
    const int width = 2 * list->frameWidth() + list->verticalHeader()->sizeHint().width() + list->columnWidth(0)
                      + list->verticalScrollBar()->sizeHint().width();
    top->setStretchLastSection(true);
    list->setMinimumWidth(width);
}

// ---- settings ---------------------------------------------------------------

void IpScannerForm::fillFormFromSettings()
{
    const std::optional<ipscan_settings_t> r = settingsAs<ipscan_settings_t>();
    if (!r)
        return;
    {
        const QSignalBlocker w(ui->sbWaitTime);
        const QSignalBlocker i(ui->sbIteration);
        ui->leFirstAddress->setText(ipToString(r->first_address));
        ui->leLastAddress->setText(ipToString(r->last_address));
        ui->sbWaitTime->setValue(r->wait_time);
        ui->sbIteration->setValue(r->iterations);
    }
    markAllFields(*r);
}

void IpScannerForm::fillSettingsFromForm()
{
    std::optional<ipscan_settings_t> r = settingsAs<ipscan_settings_t>();
    if (!r)
        return;
    const struct {
        QLineEdit *edit;
        uint32_t fallback;
        uint32_t ipscan_settings_t::*field;
    } addresses[] = {
        {ui->leFirstAddress, FallbackScanFirst, &ipscan_settings_t::first_address},
        {ui->leLastAddress, FallbackScanLast, &ipscan_settings_t::last_address},
    };
    for (const auto &a : addresses) {
        const QString text = completeAddressOr(a.edit->text(), a.fallback);
        if (text != a.edit->text())
            a.edit->setText(text);
        (*r).*a.field = stringToIp(text);
    }
    r->wait_time = uint16_t(ui->sbWaitTime->value());
    r->iterations = uint16_t(ui->sbIteration->value());
    storeSettings(*r);
}

void IpScannerForm::markAllFields(const ipscan_settings_t &r)
{
    // Each compare runs, so that every field takes its colour.
    const bool first = markChangedString(ui->leFirstAddress, ui->leFirstAddress->text(), ipToString(r.first_address));
    const bool last = markChangedString(ui->leLastAddress, ui->leLastAddress->text(), ipToString(r.last_address));
    const bool wait = markChangedInt(ui->sbWaitTime, ui->sbWaitTime->value(), r.wait_time);
    const bool iterations = markChangedInt(ui->sbIteration, ui->sbIteration->value(), r.iterations);
    markField(first || last || wait || iterations);
}

void IpScannerForm::leFirstAddressChanged(const QString &text)
{
    if (const std::optional<ipscan_settings_t> r = settingsAs<ipscan_settings_t>())
        markField(markChangedString(ui->leFirstAddress, text, ipToString(r->first_address)));
}

void IpScannerForm::leLastAddressChanged(const QString &text)
{
    if (const std::optional<ipscan_settings_t> r = settingsAs<ipscan_settings_t>())
        markField(markChangedString(ui->leLastAddress, text, ipToString(r->last_address)));
}

void IpScannerForm::sbWaitTimeChanged(int value)
{
    if (const std::optional<ipscan_settings_t> r = settingsAs<ipscan_settings_t>())
        markField(markChangedInt(ui->sbWaitTime, value, r->wait_time));
}

void IpScannerForm::sbIterationChanged(int value)
{
    if (const std::optional<ipscan_settings_t> r = settingsAs<ipscan_settings_t>())
        markField(markChangedInt(ui->sbIteration, value, r->iterations));
}

void IpScannerForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->leFirstAddress, ui->leLastAddress, ui->sbWaitTime, ui->sbIteration}, fieldColourEqual());
}

// ---- results ----------------------------------------------------------------

void IpScannerForm::fillFormFromResults()
{
    const std::optional<ipscan_settings_t> s = settingsAs<ipscan_settings_t>();
    const std::optional<ipscan_results_t> r = testInfo->getResultsAs<ipscan_results_t>(currentPort());
    const IpScanResultsView v = ipScanResultsView(s ? &*s : nullptr, r ? &*r : nullptr);
    if (!v.elapsed.isNull())
        showText(ui->leElapsedTime, v.elapsed);
    if (!v.remaining.isNull())
        showText(ui->leEstimatedTime, v.remaining);
    const int rows = qMin(ui->twIPList->rowCount(), IpScanAddresses);
    for (int row = 0; row < rows; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->twIPList, row, 0))
            item->setData(Qt::DisplayRole, v.rows[row]);
    }
}
