#include "testtabform.h"
#include "ui_testtabform.h"

#include "asymtrafficform.h"
#include "records.h"
#include "trafficform.h"

#include <QHideEvent>
#include <QLayout>
#include <QMetaObject>

namespace {
constexpr int SymmetricTab = 0;
constexpr int AsymmetricTab = 1;
} // namespace

TestTabForm::TestTabForm(Device *device, TrafficForm *trafficForm, AsymTrafficForm *asymForm,
                         QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::TestTabForm)
    , device(device)
    , trafficForm(trafficForm)
    , asymForm(asymForm)
{
    // Wires on_tabWidget_currentChanged before the forms (whose own tab
    // widgets carry the same name) join the tree.
    ui->setupUi(this);
    ui->sym_tab->layout()->addWidget(trafficForm);
    ui->asym_tab->layout()->addWidget(asymForm);
    connect(this, &TestTabForm::disableApplyTraf, trafficForm, &TrafficForm::disableApply);
    connect(this, &TestTabForm::disableApplyTraf, asymForm, &AsymTrafficForm::disableApply);
    trafficForm->hide();
    asymForm->hide();
}

TestTabForm::~TestTabForm()
{
    delete ui;
}

void TestTabForm::activateCurrentForm()
{
    QWidget *page = ui->tabWidget->currentWidget();
    QLayout *layout = page ? page->layout() : nullptr;
    QLayoutItem *item = layout && layout->count() > 0 ? layout->itemAt(0) : nullptr;
    if (QWidget *form = item ? item->widget() : nullptr)
        QMetaObject::invokeMethod(form, "activate");
}

void TestTabForm::activate()
{
    // Disabling the current tab moves the selection to the symmetric one,
    // which activates the traffic form through on_tabWidget_currentChanged.
    ui->tabWidget->setTabEnabled(AsymmetricTab, false);
    activateCurrentForm();
    show();
}

void TestTabForm::activate(uint test)
{
    if (test == TestTraffic)
        ui->tabWidget->setCurrentIndex(SymmetricTab);
    else if (test == TestAsymTraffic)
        ui->tabWidget->setCurrentIndex(AsymmetricTab);
    activate();
}

void TestTabForm::on_tabWidget_currentChanged(int)
{
    activateCurrentForm();
}

void TestTabForm::disableApply()
{
    emit disableApplyTraf();
}

void TestTabForm::hideEvent(QHideEvent *event)
{
    IRetranslatable::hideEvent(event);
    // Only when this window itself is put away (another test selected):
    // a hidden or minimised main window hides it too, and the forms must
    // be there again when it comes back.
    if (!isHidden())
        return;
    trafficForm->hide();
    asymForm->hide();
}

void TestTabForm::retranslate()
{
    ui->tabWidget->setTabText(ui->tabWidget->indexOf(ui->sym_tab), tr("Symmetric"));
    ui->tabWidget->setTabText(ui->tabWidget->indexOf(ui->asym_tab), tr("Asymmetric"));
    trafficForm->retranslate();
    asymForm->retranslate();
}
