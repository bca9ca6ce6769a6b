#include "tcpipform.h"
#include "ui_tcpipform.h"

#include "dnsform.h"
#include "ipscannerform.h"
#include "pingform.h"
#include "records.h"
#include "testform.h"
#include "traceform.h"

#include <QHideEvent>
#include <QLayout>

TCPIPForm::TCPIPForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::TCPIPForm)
{
    ui->setupUi(this);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &TCPIPForm::curTabChanged);

    ping = new PingForm(device);
    trace = new TraceForm(device);
    dns = new DnsForm(device);
    ipScanner = new IpScannerForm(device);
    ui->pingTab->layout()->addWidget(ping);
    ui->traceTab->layout()->addWidget(trace);
    ui->dnsTab->layout()->addWidget(dns);
    ui->IPScannerTab->layout()->addWidget(ipScanner);

    // Each takes the port switch; hidden until its page is activated, so
    // that no form asks for records before.
    for (TestForm *form : tools()) {
        connect(this, &TCPIPForm::disableApplyTCP, form, &TestForm::disableApply);
        form->hide();
    }
}

TCPIPForm::~TCPIPForm()
{
    delete ui;
}

QList<TestForm *> TCPIPForm::tools() const
{
    return {ping, trace, dns, ipScanner};
}

QWidget *TCPIPForm::formOnPage(int index) const
{
    QWidget *page = ui->tabWidget->widget(index);
    QLayout *layout = page ? page->layout() : nullptr;
    QLayoutItem *item = layout && layout->count() > 0 ? layout->itemAt(0) : nullptr;
    return item ? item->widget() : nullptr;
}

void TCPIPForm::activateCurrentForm()
{
    if (auto *form = qobject_cast<TestForm *>(formOnPage(ui->tabWidget->currentIndex())))
        form->activate();
}

void TCPIPForm::activate()
{
    activateCurrentForm();
    show();
}

void TCPIPForm::activate(int test)
{
    switch (test) {
    case TestPing: ui->tabWidget->setCurrentWidget(ui->pingTab); break;
    case TestTraceRoute: ui->tabWidget->setCurrentWidget(ui->traceTab); break;
    case TestDns: ui->tabWidget->setCurrentWidget(ui->dnsTab); break;
    case TestIpScanner: ui->tabWidget->setCurrentWidget(ui->IPScannerTab); break;
    default: break;
    }
    activate();
}

void TCPIPForm::curTabChanged(int)
{
    activateCurrentForm();
}

void TCPIPForm::disableApply()
{
    emit disableApplyTCP();
}

void TCPIPForm::hideEvent(QHideEvent *event)
{
    IRetranslatable::hideEvent(event);
    // Only when this window itself is put away (another window selected):
    // a hidden or minimised main window hides it too, and the forms must
    // be there again when it comes back.
    if (!isHidden())
        return;
    for (TestForm *form : tools())
        form->hide();
}

void TCPIPForm::retranslate()
{
    // The "DNS" page keeps its text in every language.
    ui->retranslateUi(this);
    for (TestForm *form : tools())
        form->retranslate();
}
