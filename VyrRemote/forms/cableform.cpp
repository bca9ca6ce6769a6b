#include "cableform.h"
#include "ui_cableform.h"

#include "cableformat.h"
#include "device.h"
#include "widgethelpers.h"

#include <QHeaderView>

static_assert(testSettingsSize(TestCable) == 0, "the cable test has no settings");
static_assert(sizeof(cable_results_t) == testResultsSize(TestCable), "cable results size");

CableForm::CableForm(Device *device, QWidget *parent)
    : TestForm(device, device->getCableInfo(), parent)
    , ui(new Ui::CableForm)
{
    ui->setupUi(this);
    // Columns of at least 55 px that widen to a longer state or distance
    // text, and a table that grows with them rather than scrolling.
    ui->tRes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tRes->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    initGui(ui->bStart, nullptr, ui->bStop, nullptr, nullptr, ui->gCable, nullptr, ui->saveReportButton);
}

CableForm::~CableForm()
{
    delete ui;
}

void CableForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
    fillFormFromResults();
}

void CableForm::fillFormFromResults()
{
    const std::optional<cable_results_t> q = testInfo->getResultsAs<cable_results_t>(currentPort());
    const CableResultsView v = cableResultsView(q ? &*q : nullptr);
    for (int row = 0; row < CableResultRows; ++row) {
        for (int pair = 0; pair < CablePairCount; ++pair) {
            if (QTableWidgetItem *item = tableItem(ui->tRes, row, pair))
                item->setData(Qt::DisplayRole, v.cell[row][pair]);
        }
    }
}
