#include "oamform.h"
#include "ui_oamform.h"

#include "device.h"
#include "oamformat.h"
#include "oamrecords.h"
#include "widgethelpers.h"

#include <QSignalBlocker>

static_assert(sizeof(oam_settings_t) == testSettingsSize(TestOam), "OAM settings size");
static_assert(sizeof(oam_results_t) == testResultsSize(TestOam), "OAM results size");

OamForm::OamForm(Device *device, QWidget *parent)
    : TestForm(device, device->getOamInfo(), parent)
    , ui(new Ui::OamForm)
{
    ui->setupUi(this);
    initGui(ui->bStart, nullptr, ui->bStop, ui->bApply, ui->bReset, ui->gOAM, nullptr, nullptr);
    connect(ui->cbMode, qOverload<int>(&QComboBox::currentIndexChanged), this, &OamForm::cbModeIndexChanged);
    fitResultFields();
}

OamForm::~OamForm()
{
    delete ui;
}

void OamForm::refitToFont()
{
    fitResultFields();
}

void OamForm::retranslate()
{
    // The designer form refills the mode list; the choice on show (the
    // record's or the operator's) stays, and is no edit.
    const int mode = ui->cbMode->currentIndex();
    {
        const QSignalBlocker blocker(ui->cbMode);
        ui->retranslateUi(this);
        ui->cbMode->setCurrentIndex(mode);
    }
    setTitles();
    fitResultFields();
    fillFormFromResults();
}

void OamForm::fitResultFields()
{
    reserveWidthFor(ui->cbMode);
    // One width for the six fields: the widest text any of them shows.
    const QStringList texts = {QStringLiteral("00:00:00:00:00:00"), QStringLiteral("dd:dd:dd:dd:dd:dd"),
                               QStringLiteral("dd dd dd dd "), tr("Supported"), tr("Unsupported"), tr("Active"),
                               tr("Passive")};
    for (QLineEdit *field : {ui->lMAC, ui->lVendor, ui->lRemoteLB, ui->lMode, ui->lUnidirectional, ui->lLinkev})
        reserveWidthFor(field, texts);
}

// Start, Stop and Reset are always usable; Apply follows the edits only.
void OamForm::setButtonsEnabled() {}

bool OamForm::startsWithTesterSettings(uchar) const
{
    return true;
}

void OamForm::fillFormFromSettings()
{
    const std::optional<oam_settings_t> r = settingsAs<oam_settings_t>();
    if (!r)
        return;
    {
        const QSignalBlocker blocker(ui->cbMode);
        ui->cbMode->setCurrentIndex(oamModeIndex(r->mode));
    }
    setFieldColour(ui->cbMode, fieldColourEqual());
}

void OamForm::fillSettingsFromForm()
{
    std::optional<oam_settings_t> r = settingsAs<oam_settings_t>();
    if (!r)
        return;
    r->mode = oamModeFromIndex(ui->cbMode->currentIndex(), r->mode);
    storeSettings(*r);
}

void OamForm::cbModeIndexChanged(int index)
{
    const std::optional<oam_settings_t> r = settingsAs<oam_settings_t>();
    if (!r)
        return;
    markField(markChangedInt(ui->cbMode, oamModeFromIndex(index, r->mode), r->mode));
}

void OamForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour(ui->cbMode, fieldColourEqual());
}

void OamForm::fillFormFromResults()
{
    const std::optional<oam_results_t> q = testInfo->getResultsAs<oam_results_t>(currentPort());
    const OamResultsView v = oamResultsView(q ? &*q : nullptr);
    ui->lMAC->setText(v.mac);
    ui->lVendor->setText(v.vendor);
    ui->lRemoteLB->setText(v.remoteLoopback);
    ui->lMode->setText(v.mode);
    ui->lUnidirectional->setText(v.unidirectional);
    ui->lLinkev->setText(v.linkEvents);
}
