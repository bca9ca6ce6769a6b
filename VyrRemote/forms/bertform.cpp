#include "bertform.h"
#include "ui_bertform.h"

#include "bertformat.h"
#include "device.h"
#include "rateunits.h"
#include "textfunctions.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>

#include <climits>
#include <limits>

static_assert(sizeof(bert_settings_t) == testSettingsSize(TestBert), "BERT settings size");
static_assert(sizeof(bert_results_t) == testResultsSize(TestBert), "BERT results size");

namespace {

constexpr int UserPatternIndex = BertPatternUser;

} // namespace

BertForm::BertForm(Device *device, QWidget *parent)
    : TestForm(device, device->getBertInfo(), parent)
    , ui(new Ui::BertForm)
{
    ui->setupUi(this);
    userPatternValidator =
        new QRegExpValidator(QRegExp(QLatin1String(BertUserPatternExpression), Qt::CaseSensitive), this);
    ui->lUserPattern->setValidator(userPatternValidator);

    connect(ui->cPattern, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &BertForm::cPatternCurrentIndexChanged);
    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &BertForm::cUnitsCurrentIndexChanged);
    connect(ui->sSize, qOverload<int>(&QSpinBox::valueChanged), this, &BertForm::sSizeValChanged);

    initGui(ui->bStartXX, ui->bStartXY, ui->bStop, ui->bApply, ui->bReset, ui->gBert, nullptr,
            ui->saveReportButton);

    connect(ui->lUserPattern, &QLineEdit::textEdited, this, &BertForm::lUserPatChanged);
    connect(ui->sRate, qOverload<int>(&QSpinBox::valueChanged), this, &BertForm::sRateChanged);
    connect(ui->sPatoff, qOverload<int>(&QSpinBox::valueChanged), this, &BertForm::sPatoffChanged);
    connect(ui->sSyncroWait, qOverload<int>(&QSpinBox::valueChanged), this, &BertForm::sSyncroWaitChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &BertForm::tDurChanged);

    fitFields();
}

BertForm::~BertForm()
{
    delete ui;
}

void BertForm::retranslate()
{
    // Re-texting may refill the lists; the choices on show (the record's or
    // the operator's) stay, and no change handler sees the refill.
    const int pattern = ui->cPattern->currentIndex();
    const int unit = ui->cUnits->currentIndex();
    {
        const QSignalBlocker quietPattern(ui->cPattern);
        const QSignalBlocker quietUnits(ui->cUnits);
        ui->retranslateUi(this);
        ui->cPattern->setCurrentIndex(pattern);
        ui->cUnits->setCurrentIndex(unit);
    }
    setTitles();
    fitFields();
    if (!isHidden())
        fillFormFromResults();
}

void BertForm::refitToFont()
{
    fitFields();
}

bool BertForm::startsWithTesterSettings(uchar) const
{
    return true;
}

void BertForm::fitFields()
{
    reserveWidthFor(ui->cPattern);
    reserveWidthFor(ui->cUnits);
    // Every result field is as wide as the largest counter needs.
    const QString widest = QString::number(std::numeric_limits<quint64>::max());
    for (QLineEdit *e : {ui->lElap, ui->lEst, ui->lBits, ui->lEbits, ui->lBER, ui->lLSS, ui->lLOS, ui->lLSSp,
                         ui->lLOSp})
        reserveWidthFor(e, {widest});
}

// ---- settings -------------------------------------------------------------------

void BertForm::fillFormFromSettings()
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (!r)
        return;
    keptDuration.fill(r->duration);
    {
        // The record is shown, not edited: no change handler runs here; the
        // fields are compared once all are set.
        const QSignalBlocker b1(ui->cPattern), b2(ui->lUserPattern), b3(ui->sSize), b4(ui->cUnits),
            b5(ui->sRate), b6(ui->tDur), b7(ui->sPatoff), b8(ui->sSyncroWait);
        ui->cPattern->setCurrentIndex(bertPatternIndex(r->pattern));
        ui->lUserPattern->setText(bertUserPatternText(r->userPattern));
        ui->sSize->setValue(r->frameSize);
        // Unit and its maximum before the rate, so that a stored rate within
        // the unit's limits is not clamped on the way in.
        const int unitIndex = bertUnitIndex(r->rateUnit);
        ui->cUnits->setCurrentIndex(unitIndex);
        setRateMaximum(unitIndex);
        ui->sRate->setValue(r->rate);
        showDuration(ui->tDur, r->duration);
        // Range from the shown frame size before the offset itself.
        ui->sPatoff->setRange(0, bertOffsetLimit(ui->sSize->value()));
        ui->sPatoff->setValue(r->patternOffset);
        ui->sSyncroWait->setValue(spinBoxValue(r->syncWait));
    }
    markAllFields();
}

void BertForm::fillSettingsFromForm()
{
    std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (!r)
        return;
    r->pattern = bertPatternCode(ui->cPattern->currentIndex(), r->pattern);
    if (!bertUserPatternComplete(ui->lUserPattern->text()))
        ui->lUserPattern->setText(bertUserPatternText(BertFallbackUserPattern));
    r->userPattern = bertUserPatternValue(ui->lUserPattern->text());
    r->frameSize = uint16_t(ui->sSize->value());
    r->rateUnit = bertUnitCode(ui->cUnits->currentIndex(), r->rateUnit);
    r->rate = uint16_t(ui->sRate->value());
    r->duration = keptDuration.toWrite(ui->tDur->time(), r->duration);
    r->patternOffset = uint8_t(ui->sPatoff->value());
    r->syncWait = uint32_t(ui->sSyncroWait->value());
    storeSettings(*r);
}

void BertForm::setRateMaximum(int unitIndex)
{
    const int maximum = unitIndex < 0 ? BertRateMaximumUnknownUnit : rateMaximumForIndex(unitIndex);
    if (maximum > 0)
        ui->sRate->setMaximum(maximum);
}

void BertForm::limitOffset(int frameSize)
{
    const int limit = bertOffsetLimit(frameSize);
    if (ui->sPatoff->value() > limit)
        ui->sPatoff->setValue(limit);
    ui->sPatoff->setRange(0, limit);
}

void BertForm::showUserPatternInUse(int patternIndex, const bert_settings_t &stored)
{
    const bool inUse = patternIndex == UserPatternIndex;
    ui->lUserPattern->setEnabled(inUse);
    if (inUse)
        markField(markChangedString(ui->lUserPattern, ui->lUserPattern->text(),
                                    bertUserPatternText(stored.userPattern)));
    else
        setFieldColour(ui->lUserPattern, fieldColourUnused());
}

// ---- edited fields ----------------------------------------------------------------

void BertForm::markAllFields()
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (!r)
        return;
    const int pattern = ui->cPattern->currentIndex();
    markField(markChanged(ui->cPattern, bertPatternCode(pattern, r->pattern) != r->pattern));
    showUserPatternInUse(pattern, *r);
    markField(markChanged(ui->cUnits, bertUnitCode(ui->cUnits->currentIndex(), r->rateUnit) != r->rateUnit));
    sSizeValChanged(ui->sSize->value());
    sRateChanged(ui->sRate->value());
    sPatoffChanged(ui->sPatoff->value());
    sSyncroWaitChanged(ui->sSyncroWait->value());
    markField(markChangedDuration(ui->tDur, ui->tDur->time(), r->duration));
}

void BertForm::cPatternCurrentIndexChanged(int index)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (!r)
        return;
    showUserPatternInUse(index, *r);
    markField(markChanged(ui->cPattern, bertPatternCode(index, r->pattern) != r->pattern));
}

void BertForm::cUnitsCurrentIndexChanged(int index)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (!r)
        return;
    markField(markChanged(ui->cUnits, bertUnitCode(index, r->rateUnit) != r->rateUnit));
    setRateMaximum(index);
}

void BertForm::sSizeValChanged(int size)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (!r)
        return;
    markField(markChangedInt(ui->sSize, size, r->frameSize));
    limitOffset(size);
}

void BertForm::lUserPatChanged(const QString &s)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (r)
        markField(markChangedString(ui->lUserPattern, s, bertUserPatternText(r->userPattern)));
}

void BertForm::sRateChanged(int v)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (r)
        markField(markChangedInt(ui->sRate, v, r->rate));
}

void BertForm::sSyncroWaitChanged(int v)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (r)
        markField(markChanged(ui->sSyncroWait, qint64(v) != qint64(r->syncWait)));
}

void BertForm::sPatoffChanged(int v)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (r)
        markField(markChangedInt(ui->sPatoff, v, r->patternOffset));
}

void BertForm::tDurChanged(const QTime &time)
{
    const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>();
    if (!r)
        return;
    keptDuration.edited();
    // A stored duration of a day or more has no time of day and stays marked.
    markField(markChangedDuration(ui->tDur, time, r->duration));
}

void BertForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->cPattern, ui->sSize, ui->cUnits, ui->sRate, ui->tDur, ui->sPatoff, ui->sSyncroWait},
                   fieldColourEqual());
    const bool userPattern = ui->cPattern->currentIndex() == UserPatternIndex;
    setFieldColour(ui->lUserPattern, userPattern ? fieldColourEqual() : fieldColourUnused());
    // A kept duration of a day or more is still not what the edit shows.
    if (const std::optional<bert_settings_t> r = settingsAs<bert_settings_t>())
        markChangedDuration(ui->tDur, ui->tDur->time(), r->duration);
}

// ---- results ----------------------------------------------------------------------

void BertForm::fillFormFromResults()
{
    const std::optional<bert_settings_t> s = settingsAs<bert_settings_t>();
    const std::optional<bert_results_t> q = testInfo->getResultsAs<bert_results_t>(currentPort());
    const BertResultsView v = bertResultsView(s ? &*s : nullptr, q ? &*q : nullptr);
    ui->lElap->setText(v.elapsed);
    ui->lEst->setText(v.estimate);
    ui->lBits->setText(v.bits);
    ui->lEbits->setText(v.errorBits);
    ui->lBER->setText(v.ber);
    ui->lLSS->setText(v.lss);
    ui->lLOS->setText(v.los);
    ui->lLSSp->setText(v.lssRate);
    ui->lLOSp->setText(v.losRate);
}
