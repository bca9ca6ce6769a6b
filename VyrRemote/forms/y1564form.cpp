#include "y1564form.h"
#include "ui_y1564form.h"

#include "device.h"
#include "devicetexts.h"
#include "keptvalues.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QSignalBlocker>
#include <QStringList>

#include <memory>
#include <vector>

static_assert(sizeof(y1564_settings_t) == testSettingsSize(TestY1564), "Y.1564 settings size");
static_assert(sizeof(y1564_results_t) == testResultsSize(TestY1564), "Y.1564 results size");

namespace {

constexpr int StreamsFlrColumn = 2;
constexpr int StreamsFlrColumnWidth = 150;

void black(QWidget *w) { setFieldColour(w, fieldColourEqual()); }
void grey(QWidget *w) { setFieldColour(w, fieldColourUnused()); }

// The check box of a checkable group box carries the mark; a plain
// "color:" sheet would colour every child of the group as well.
void markGroupTitle(QGroupBox *group, const QColor &colour)
{
    group->setStyleSheet(QStringLiteral("QGroupBox#%1 { color: %2 }").arg(group->objectName(), colour.name()));
}

bool markGroupBool(QGroupBox *group, bool value, int stored)
{
    const bool differs = uint8_t(value ? 1 : 0) != uint8_t(stored ? 1 : 0);
    markGroupTitle(group, differs ? fieldColourChanged() : fieldColourEqual());
    return differs;
}

void setTableCells(QTableWidget *table, const QString *cells, int rows, int columns)
{
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (QTableWidgetItem *item = tableItem(table, row, column))
                item->setText(cells[row * columns + column]);
        }
    }
}

} // namespace

Y1564Form::Y1564Form(Device *device, QWidget *parent)
    : TestForm(device, device->getY1564Info(), parent)
    , ui(new Ui::Y1564Form)
{
    ui->setupUi(this);
    ui->bSyncStart->hide();
    ui->bSyncStop->hide();

    // Values are as wide as their texts; the FLR column keeps its width.
    for (QTableWidget *t : {ui->tRate, ui->tStreams, ui->tDelay, ui->tJitter, ui->tPerf_1, ui->tPerf_2})
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tStreams->horizontalHeader()->setSectionResizeMode(StreamsFlrColumn, QHeaderView::Interactive);
    ui->tStreams->setColumnWidth(StreamsFlrColumn, StreamsFlrColumnWidth);

    tpidEdits = {ui->lTPID1, ui->lTPID2, ui->lTPID3};
    pcpBoxes = {ui->sPCP1, ui->sPCP2, ui->sPCP3};
    vidBoxes = {ui->sVID1, ui->sVID2, ui->sVID3};

    initGui(ui->bStartXX, ui->bStartXY, ui->bStop, ui->bApply, ui->bReset, ui->gY1564, nullptr,
            ui->saveReportButton);

    const auto intChanged = qOverload<int>(&QSpinBox::valueChanged);
    const auto doubleChanged = qOverload<double>(&QDoubleSpinBox::valueChanged);
    connect(ui->sStreamNum, intChanged, this, &Y1564Form::sStreamNumChanged);
    connect(ui->sStreamRes, intChanged, this, &Y1564Form::sStreamNumResChanged);
    connect(ui->sStreamRes_2, intChanged, this, &Y1564Form::sStreamNumRes2Changed);
    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Y1564Form::cUnitsCurrentIndexChanged);
    connect(ui->cActiveStream, &QCheckBox::toggled, this, &Y1564Form::cActiveStreamToggled);
    connectHeader(ui->headerWidget);
    connect(ui->cConfTest, &QCheckBox::toggled, this, &Y1564Form::cConfTestToggled);
    connect(ui->cStepLoad, &QCheckBox::toggled, this, &Y1564Form::cStepLoadToggled);
    connect(ui->cPolicy, &QCheckBox::toggled, this, &Y1564Form::cPolicyToggled);
    connect(ui->cPerformTest, &QCheckBox::toggled, this, &Y1564Form::cPerformTestToggled);
    connect(ui->sPackLength, intChanged, this, &Y1564Form::sPackLengthChanged);
    connect(ui->sLearnInt, intChanged, this, &Y1564Form::sLearnIntChanged);
    connect(ui->sWaitInt, intChanged, this, &Y1564Form::sWaitIntChanged);
    connect(ui->sTestStep, intChanged, this, &Y1564Form::sTestStepChanged);
    connect(ui->dsCIR, doubleChanged, this, &Y1564Form::dsCIRChanged);
    connect(ui->dsEIR, doubleChanged, this, &Y1564Form::dsEIRChanged);
    connect(ui->dsM, doubleChanged, this, &Y1564Form::dsMChanged);
    connect(ui->dsFLR, doubleChanged, this, &Y1564Form::dsFLRChanged);
    connect(ui->dsFTD, doubleChanged, this, &Y1564Form::dsFTDChanged);
    connect(ui->dsFDV, doubleChanged, this, &Y1564Form::dsFDVChanged);
    connect(ui->dsAVAIL, doubleChanged, this, &Y1564Form::dsAVAILChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &Y1564Form::tDurChanged);
    connect(ui->gVLAN, &QGroupBox::toggled, this, &Y1564Form::gVLANToggled);
    connect(ui->sVLAN, intChanged, this, &Y1564Form::sVLANchanged);
    connect(ui->lTPID1, &QLineEdit::textEdited, this, &Y1564Form::lTPID1Changed);
    connect(ui->lTPID2, &QLineEdit::textEdited, this, &Y1564Form::lTPID2Changed);
    connect(ui->lTPID3, &QLineEdit::textEdited, this, &Y1564Form::lTPID3Changed);
    connect(ui->sPCP1, intChanged, this, &Y1564Form::sPCP1Changed);
    connect(ui->sPCP2, intChanged, this, &Y1564Form::sPCP2Changed);
    connect(ui->sPCP3, intChanged, this, &Y1564Form::sPCP3Changed);
    connect(ui->sVID1, intChanged, this, &Y1564Form::sVID1Changed);
    connect(ui->sVID2, intChanged, this, &Y1564Form::sVID2Changed);
    connect(ui->sVID3, intChanged, this, &Y1564Form::sVID3Changed);

    // Synchronisation requests run in the worker thread; the answer comes back queued.
    const auto q = Qt::QueuedConnection;
    connect(this, &Y1564Form::sendSyncStatus, device, &Device::sendSyncStatus, q);
    connect(this, &Y1564Form::getSyncStatus, device, &Device::getSyncStatus, q);
    connect(device, &Device::syncStatusUpdated, this, &Y1564Form::syncStatusUpdated, q);

    ui->sVLAN->setMaximum(Y1564VlanTags);
    fitStatusField();
    keepSpinBoxesWhole();
}

Y1564Form::~Y1564Form()
{
    delete ui;
}

void Y1564Form::retranslate()
{
    // The unit list is re-texted; whatever the generated code does with its
    // entries, the unit on show (the record's or the operator's choice) and
    // with it the limits and values of CIR, EIR and M stay as they are.
    const int unitIndex = ui->cUnits->currentIndex();
    {
        const QSignalBlocker blockUnits(ui->cUnits);
        ui->retranslateUi(this);
        if (ui->cUnits->currentIndex() != unitIndex)
            ui->cUnits->setCurrentIndex(unitIndex);
    }
    if (lastSync)
        ui->lSyncStatus->setText(y1564SyncStatusText((*lastSync)[0], (*lastSync)[1], (*lastSync)[2]));
    setTitles();
    ui->headerWidget->retranslate();
    fitStatusField();
    keepSpinBoxesWhole();
    updateLinkStatus();
    fillFormFromResults();
}

void Y1564Form::keepSpinBoxesWhole()
{
    // The stream page's columns keep their minimum width; a spin box there
    // would otherwise be narrower than its longest value or prefix.
    for (QAbstractSpinBox *box : findChildren<QAbstractSpinBox *>()) {
        if (!ui->headerWidget->isAncestorOf(box))
            box->setMinimumWidth(box->sizeHint().width());
    }
}

void Y1564Form::fitStatusField()
{
    // "Overall status" is at most 200 pixels wide unless a status text of
    // the current language needs more.
    constexpr int StatusFieldMaximum = 200;
    constexpr unsigned LastStatusCode = StatusIncompatibleFw + 1;   // one past the table: "Unknown status"
    QStringList statuses;
    for (unsigned code = 0; code <= LastStatusCode; ++code)
        statuses << testStatusText(code);
    reserveWidthFor(ui->lPerfStatus, statuses);
    ui->lPerfStatus->setMaximumWidth(qMax(ui->lPerfStatus->minimumWidth(), StatusFieldMaximum));
}

// ---- stream pages -------------------------------------------------------------

void Y1564Form::sStreamNumChanged(int value)
{
    settingsPage = qBound(0, value - 1, Y1564Streams - 1);
    fillFormFromSettings();
}

void Y1564Form::sStreamNumResChanged(int value)
{
    {
        const QSignalBlocker block(ui->sStreamRes_2);
        ui->sStreamRes_2->setValue(value);
    }
    resultsPage = qBound(0, value - 1, Y1564Streams - 1);
    fillFormFromResults();
}

void Y1564Form::sStreamNumRes2Changed(int value)
{
    {
        const QSignalBlocker block(ui->sStreamRes);
        ui->sStreamRes->setValue(value);
    }
    resultsPage = qBound(0, value - 1, Y1564Streams - 1);
    fillFormFromResults();
}

// ---- settings -----------------------------------------------------------------

void Y1564Form::setUnitsLimits(uint8_t code)
{
    {
        const QSignalBlocker block(ui->cUnits);
        ui->cUnits->setCurrentIndex(y1564UnitIndex(code));
    }
    const Y1564RateLimits limits = y1564RateLimits(code);
    for (QDoubleSpinBox *box : {ui->dsCIR, ui->dsEIR, ui->dsM}) {
        box->setRange(limits.minimum, limits.maximum);
        box->setSingleStep(limits.step);
        box->setMinimumWidth(qMax(box->minimumWidth(), box->sizeHint().width()));
    }
}

void Y1564Form::fillFormFromSettings()
{
    updateLinkStatus();
    const std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>();
    if (!r)
        return;
    const y1564_stream_settings_t &s = r->streams[settingsStream()];

    {
        // The header editor runs its own slots while it loads; what it
        // announces then is no edit of the operator's.
        const QSignalBlocker blockHeader(ui->headerWidget);
        ui->headerWidget->loadFrom(s.header, device);
    }

    {
        // The record is being shown, not edited: no change slot runs (in
        // particular a VLAN count does not reset the record's TPIDs).
        std::vector<std::unique_ptr<QSignalBlocker>> blockers;
        for (QObject *o : std::initializer_list<QObject *>{
                 ui->cActiveStream, ui->tDur, ui->sPackLength, ui->sLearnInt, ui->sWaitInt, ui->cConfTest,
                 ui->cStepLoad, ui->cPolicy, ui->cPerformTest, ui->sTestStep, ui->cUnits, ui->dsCIR, ui->dsEIR,
                 ui->dsM, ui->dsFLR, ui->dsFTD, ui->dsFDV, ui->dsAVAIL, ui->gVLAN, ui->sVLAN, ui->lTPID1,
                 ui->lTPID2, ui->lTPID3, ui->sPCP1, ui->sPCP2, ui->sPCP3, ui->sVID1, ui->sVID2, ui->sVID3})
            blockers.push_back(std::make_unique<QSignalBlocker>(o));

        ui->cActiveStream->setChecked(s.active != 0);

        durationAtFill = showDuration(ui->tDur, r->duration);

        switch (y1564DirectionChoice(r->direction)) {
        case Y1564DirectionChoice::Both: ui->rbBoth->setChecked(true); break;
        case Y1564DirectionChoice::Output: ui->rbOutput->setChecked(true); break;
        case Y1564DirectionChoice::Input: ui->rbInput->setChecked(true); break;
        case Y1564DirectionChoice::None: break;
        }
        directionAtFill = directionShown();

        ui->sPackLength->setValue(s.packetLength);
        ui->sLearnInt->setValue(r->learningInterval);
        ui->sWaitInt->setValue(r->waitInterval);
        ui->cConfTest->setChecked(r->flags & Y1564FlagConfigTest);
        ui->cStepLoad->setChecked(r->flags & Y1564FlagStepLoad);
        ui->cPolicy->setChecked(r->flags & Y1564FlagPolicy);
        ui->cPerformTest->setChecked(r->flags & Y1564FlagPerformanceTest);
        ui->sTestStep->setValue(r->testStep);

        // The unit's limits first, so that the rates land within them.
        setUnitsLimits(s.rateUnit);
        ui->dsCIR->setValue(y1564ShownValue(s, Y1564Value::Cir));
        ui->dsEIR->setValue(y1564ShownValue(s, Y1564Value::Eir));
        ui->dsM->setValue(y1564ShownValue(s, Y1564Value::M));
        ui->dsFLR->setValue(y1564ShownValue(s, Y1564Value::Flr));
        ui->dsFTD->setValue(y1564ShownValue(s, Y1564Value::Ftd));
        ui->dsFDV->setValue(y1564ShownValue(s, Y1564Value::Fdv));
        ui->dsAVAIL->setValue(y1564ShownValue(s, Y1564Value::Avail));

        ui->gVLAN->setChecked(s.vlanOn != 0);
        ui->sVLAN->setValue(y1564VlanRows(s.vlanCount));
        for (int k = 0; k < Y1564VlanTags; ++k) {
            tpidEdits.at(k)->setText(y1564TpidText(s.tpid[k]));
            pcpBoxes.at(k)->setValue(y1564TagPcp(s.tagControl[k]));
            vidBoxes.at(k)->setValue(y1564TagVid(s.tagControl[k]));
        }
    }
    markAllFields();
}

void Y1564Form::fillSettingsFromForm()
{
    std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>();
    if (!r)
        return;
    const y1564_settings_t stored = *r;
    const y1564_stream_settings_t &was = stored.streams[settingsStream()];
    y1564_stream_settings_t &s = r->streams[settingsStream()];

    ui->headerWidget->saveInto(s.header);

    s.active = ui->cActiveStream->isChecked() ? 1 : 0;

    // Untouched since the fill: the stored bytes stay (a duration of a day
    // or more, a direction code outside the three buttons).
    r->duration = keptDuration(stored.duration, ui->tDur, durationAtFill);
    if (directionShown() != directionAtFill)
        r->direction = y1564DirectionCode(directionShown());

    s.packetLength = keptInt(was.packetLength, ui->sPackLength);
    r->learningInterval = keptInt(stored.learningInterval, ui->sLearnInt);
    r->waitInterval = keptInt(stored.waitInterval, ui->sWaitInt);
    uint8_t flags = stored.flags & uint8_t(~Y1564FlagsEdited);
    if (ui->cConfTest->isChecked())
        flags |= Y1564FlagConfigTest;
    if (ui->cStepLoad->isChecked())
        flags |= Y1564FlagStepLoad;
    if (ui->cPolicy->isChecked())
        flags |= Y1564FlagPolicy;
    if (ui->cPerformTest->isChecked())
        flags |= Y1564FlagPerformanceTest;
    r->flags = flags;

    y1564WriteRates(s, was, ui->cUnits->currentIndex(), ui->dsCIR->value(), ui->dsEIR->value(), ui->dsM->value());
    y1564WriteValue(s, was, Y1564Value::Flr, ui->dsFLR->value());
    y1564WriteValue(s, was, Y1564Value::Ftd, ui->dsFTD->value());
    y1564WriteValue(s, was, Y1564Value::Fdv, ui->dsFDV->value());
    y1564WriteValue(s, was, Y1564Value::Avail, ui->dsAVAIL->value());

    r->testStep = keptInt(stored.testStep, ui->sTestStep);

    s.vlanOn = ui->gVLAN->isChecked() ? 1 : 0;
    s.vlanCount = ui->sVLAN->value() == y1564VlanRows(was.vlanCount) ? was.vlanCount : uint8_t(ui->sVLAN->value());
    for (int k = 0; k < Y1564VlanTags; ++k) {
        s.tpid[k] = y1564TpidFromText(tpidEdits.at(k)->text());
        // A tag whose PCP and VID are as stored keeps its whole word (the
        // DEI bit included).
        const int pcp = pcpBoxes.at(k)->value();
        const int vid = vidBoxes.at(k)->value();
        if (pcp != y1564TagPcp(was.tagControl[k]) || vid != y1564TagVid(was.tagControl[k]))
            s.tagControl[k] = y1564TagControl(pcp, vid);
    }
    storeSettings(*r);
    // The two editors now show the applied record.
    durationAtFill = ui->tDur->time();
    directionAtFill = directionShown();
}

Y1564DirectionChoice Y1564Form::directionShown() const
{
    if (ui->rbBoth->isChecked())
        return Y1564DirectionChoice::Both;
    if (ui->rbOutput->isChecked())
        return Y1564DirectionChoice::Output;
    if (ui->rbInput->isChecked())
        return Y1564DirectionChoice::Input;
    return Y1564DirectionChoice::None;
}

bool Y1564Form::canStartXX()
{
    const std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>();
    if (!r)
        return false;
    for (const y1564_stream_settings_t &s : r->streams) {
        if (s.active && s.header.autoIpDest)
            return false;
    }
    return true;
}

// ---- VLAN ---------------------------------------------------------------------

void Y1564Form::setDefaultTpids(int count)
{
    std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>();
    if (!r || count <= 0)
        return;
    y1564_stream_settings_t &s = r->streams[settingsStream()];
    y1564SetDefaultTpids(s, count);
    storeSettings(*r);
    for (int k = 0; k < qMin(count, int(Y1564VlanTags)); ++k)
        tpidEdits.at(k)->setText(y1564TpidText(s.tpid[k]));
}

void Y1564Form::sVLANchanged(int count)
{
    const std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>();
    if (!r)
        return;
    markField(markChangedInt(ui->sVLAN, count, r->streams[settingsStream()].vlanCount));
    setDefaultTpids(count);
    for (int k = 0; k < Y1564VlanTags; ++k) {
        for (QWidget *w : {static_cast<QWidget *>(tpidEdits.at(k)), static_cast<QWidget *>(pcpBoxes.at(k)),
                           static_cast<QWidget *>(vidBoxes.at(k))}) {
            w->setEnabled(true);
            black(w);
        }
    }
    showVlanRows(qBound(0, count, Y1564VlanTags));
}

void Y1564Form::showVlanRows(int rows)
{
    for (int k = 0; k < Y1564VlanTags; ++k) {
        const bool inUse = k < rows;
        for (QWidget *w : {static_cast<QWidget *>(tpidEdits.at(k)), static_cast<QWidget *>(pcpBoxes.at(k)),
                           static_cast<QWidget *>(vidBoxes.at(k))}) {
            w->setEnabled(inUse);
            if (!inUse)
                grey(w);
        }
    }
}

void Y1564Form::setVlanRowsColour(int rows)
{
    for (int k = 0; k < Y1564VlanTags; ++k) {
        for (QWidget *w : {static_cast<QWidget *>(tpidEdits.at(k)), static_cast<QWidget *>(pcpBoxes.at(k)),
                           static_cast<QWidget *>(vidBoxes.at(k))})
            setFieldColour(w, k < rows ? fieldColourEqual() : fieldColourUnused());
    }
}

void Y1564Form::gVLANToggled(bool checked)
{
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markGroupBool(ui->gVLAN, checked, s.vlanOn);
    });
}

void Y1564Form::markTpid(int row, const QString &text)
{
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markChangedString(tpidEdits.at(row), text, y1564TpidText(s.tpid[row]));
    });
}

void Y1564Form::markPcp(int row, int v)
{
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markChangedInt(pcpBoxes.at(row), v, y1564TagPcp(s.tagControl[row]));
    });
}

void Y1564Form::markVid(int row, int v)
{
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markChangedInt(vidBoxes.at(row), v, y1564TagVid(s.tagControl[row]));
    });
}

void Y1564Form::lTPID1Changed(const QString &text) { markTpid(0, text); }
void Y1564Form::lTPID2Changed(const QString &text) { markTpid(1, text); }
void Y1564Form::lTPID3Changed(const QString &text) { markTpid(2, text); }
void Y1564Form::sPCP1Changed(int v) { markPcp(0, v); }
void Y1564Form::sPCP2Changed(int v) { markPcp(1, v); }
void Y1564Form::sPCP3Changed(int v) { markPcp(2, v); }
void Y1564Form::sVID1Changed(int v) { markVid(0, v); }
void Y1564Form::sVID2Changed(int v) { markVid(1, v); }
void Y1564Form::sVID3Changed(int v) { markVid(2, v); }

// ---- edited fields --------------------------------------------------------------

void Y1564Form::markAgainstRecord(
    const std::function<bool(const y1564_settings_t &, const y1564_stream_settings_t &)> &compare)
{
    const std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>();
    markField(r && compare(*r, r->streams[settingsStream()]));
}

void Y1564Form::markValue(QWidget *box, Y1564Value value, double shown)
{
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markChangedDouble(box, shown, y1564StoredValue(s, value));
    });
}

void Y1564Form::cUnitsCurrentIndexChanged(int index)
{
    if (!hasSettings())
        return;
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markChangedInt(ui->cUnits, y1564UnitCode(ui->cUnits->currentIndex()), s.rateUnit);
    });
    setUnitsLimits(y1564UnitCode(index));
}

void Y1564Form::cActiveStreamToggled(bool checked)
{
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markChangedBool(ui->cActiveStream, checked, s.active != 0);
    });
}

void Y1564Form::cConfTestToggled(bool checked)
{
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedBool(ui->cConfTest, checked, (r.flags & Y1564FlagConfigTest) != 0);
    });
}

void Y1564Form::cStepLoadToggled(bool checked)
{
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedBool(ui->cStepLoad, checked, (r.flags & Y1564FlagStepLoad) != 0);
    });
}

void Y1564Form::cPolicyToggled(bool checked)
{
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedBool(ui->cPolicy, checked, (r.flags & Y1564FlagPolicy) != 0);
    });
}

void Y1564Form::cPerformTestToggled(bool checked)
{
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedBool(ui->cPerformTest, checked, (r.flags & Y1564FlagPerformanceTest) != 0);
    });
}

void Y1564Form::sPackLengthChanged(int v)
{
    markAgainstRecord([&](const y1564_settings_t &, const y1564_stream_settings_t &s) {
        return markChangedInt(ui->sPackLength, v, s.packetLength);
    });
}

void Y1564Form::sLearnIntChanged(int v)
{
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedInt(ui->sLearnInt, v, r.learningInterval);
    });
}

void Y1564Form::sWaitIntChanged(int v)
{
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedInt(ui->sWaitInt, v, r.waitInterval);
    });
}

void Y1564Form::sTestStepChanged(int v)
{
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedInt(ui->sTestStep, v, r.testStep);
    });
}

void Y1564Form::dsCIRChanged(double value) { markValue(ui->dsCIR, Y1564Value::Cir, value); }
void Y1564Form::dsEIRChanged(double value) { markValue(ui->dsEIR, Y1564Value::Eir, value); }
void Y1564Form::dsMChanged(double value) { markValue(ui->dsM, Y1564Value::M, value); }
void Y1564Form::dsFLRChanged(double value) { markValue(ui->dsFLR, Y1564Value::Flr, value); }
void Y1564Form::dsFTDChanged(double value) { markValue(ui->dsFTD, Y1564Value::Ftd, value); }
void Y1564Form::dsFDVChanged(double value) { markValue(ui->dsFDV, Y1564Value::Fdv, value); }
void Y1564Form::dsAVAILChanged(double value) { markValue(ui->dsAVAIL, Y1564Value::Avail, value); }

void Y1564Form::tDurChanged(const QTime &time)
{
    // A stored duration of a day or more has no time of day and stays marked.
    markAgainstRecord([&](const y1564_settings_t &r, const y1564_stream_settings_t &) {
        return markChangedDuration(ui->tDur, time, r.duration);
    });
}

void Y1564Form::markAllFields()
{
    const std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>();
    if (!r)
        return;
    const y1564_stream_settings_t &s = r->streams[settingsStream()];
    cActiveStreamToggled(ui->cActiveStream->isChecked());
    tDurChanged(ui->tDur->time());
    sPackLengthChanged(ui->sPackLength->value());
    sLearnIntChanged(ui->sLearnInt->value());
    sWaitIntChanged(ui->sWaitInt->value());
    cConfTestToggled(ui->cConfTest->isChecked());
    cStepLoadToggled(ui->cStepLoad->isChecked());
    cPolicyToggled(ui->cPolicy->isChecked());
    cPerformTestToggled(ui->cPerformTest->isChecked());
    sTestStepChanged(ui->sTestStep->value());
    cUnitsCurrentIndexChanged(ui->cUnits->currentIndex());
    dsCIRChanged(ui->dsCIR->value());
    dsEIRChanged(ui->dsEIR->value());
    dsMChanged(ui->dsM->value());
    dsFLRChanged(ui->dsFLR->value());
    dsFTDChanged(ui->dsFTD->value());
    dsFDVChanged(ui->dsFDV->value());
    dsAVAILChanged(ui->dsAVAIL->value());
    gVLANToggled(ui->gVLAN->isChecked());
    markField(markChangedInt(ui->sVLAN, ui->sVLAN->value(), s.vlanCount));
    const int rows = y1564VlanRows(s.vlanCount);
    showVlanRows(rows);
    for (int k = 0; k < rows; ++k) {
        markTpid(k, tpidEdits.at(k)->text());
        markPcp(k, pcpBoxes.at(k)->value());
        markVid(k, vidBoxes.at(k)->value());
    }
}

void Y1564Form::gotApplied()
{
    TestForm::gotApplied();
    for (QWidget *w : {static_cast<QWidget *>(ui->cUnits), static_cast<QWidget *>(ui->cActiveStream),
                       static_cast<QWidget *>(ui->sPackLength), static_cast<QWidget *>(ui->dsAVAIL),
                       static_cast<QWidget *>(ui->dsFLR), static_cast<QWidget *>(ui->dsFTD),
                       static_cast<QWidget *>(ui->dsFDV), static_cast<QWidget *>(ui->tDur),
                       static_cast<QWidget *>(ui->sVLAN)})
        black(w);
    markGroupTitle(ui->gVLAN, fieldColourEqual());
    const auto blackChildren = [](QWidget *parent, const QStringList &classes) {
        for (QObject *o : parent->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (!w)
                continue;
            for (const QString &c : classes) {
                if (QString::compare(QLatin1String(w->metaObject()->className()), c, Qt::CaseInsensitive) == 0)
                    black(w);
            }
        }
    };
    blackChildren(ui->groupBox, {QStringLiteral("QSpinBox"), QStringLiteral("QDoubleSpinBox"), QStringLiteral("QCheckBox")});
    blackChildren(ui->gAdvanced, {QStringLiteral("QLineEdit"), QStringLiteral("QSpinBox"), QStringLiteral("QCheckBox")});
    if (const std::optional<y1564_settings_t> r = settingsAs<y1564_settings_t>())
        setVlanRowsColour(y1564VlanRows(r->streams[settingsStream()].vlanCount));
}

// ---- results ----------------------------------------------------------------------

void Y1564Form::fillFormFromResults()
{
    const std::optional<y1564_settings_t> s = settingsAs<y1564_settings_t>();
    const std::optional<y1564_results_t> q = testInfo->getResultsAs<y1564_results_t>(currentPort());
    const Y1564ResultsView v = y1564ResultsView(s ? &*s : nullptr, q ? &*q : nullptr, resultsPage);

    ui->lTestTime->setText(v.elapsed);
    ui->lPassTime->setText(v.remaining);
    ui->lPerfStatus->setText(v.performanceStatus);
    setTableCells(ui->tRate, &v.rate[0][0], Y1564ConfigSteps, 4);
    setTableCells(ui->tStreams, &v.loss[0][0], Y1564ConfigSteps, 3);
    setTableCells(ui->tDelay, &v.delay[0][0], Y1564ConfigSteps, 4);
    setTableCells(ui->tJitter, &v.jitter[0][0], Y1564ConfigSteps, 4);
    setTableCells(ui->tPerf_1, &v.perf1[0][0], PerfRows1, 2);
    setTableCells(ui->tPerf_2, &v.perf2[0][0], PerfRows2, 4);
}

// ---- link and synchronisation ------------------------------------------------------

void Y1564Form::updateLinkStatus()
{
    const port_t p = qMin(currentPort(), PortB);
    const Y1564LinkView v = y1564LinkView(device->getDeviceStatus().link[p]);
    ui->lSpeed->setText(v.speed);
    ui->lDuplex->setText(v.duplex);
    ui->lInterf->setText(v.interfaceType);
}

void Y1564Form::deviceStatusUpdated()
{
    TestForm::deviceStatusUpdated();
    if (!isHidden())
        updateLinkStatus();
}

void Y1564Form::on_bSyncStart_clicked()
{
    emit sendSyncStatus(2);
}

void Y1564Form::on_bSyncStop_clicked()
{
    emit sendSyncStatus(0);
}

void Y1564Form::on_pushButton_clicked()
{
    emit getSyncStatus();
}

void Y1564Form::syncStatusUpdated(uchar status, uchar active, uchar correct)
{
    lastSync = std::array<uchar, 3>{status, active, correct};
    ui->lSyncStatus->setText(y1564SyncStatusText(status, active, correct));
}
