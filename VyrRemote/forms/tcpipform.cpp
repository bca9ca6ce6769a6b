#include "tcpipform.h"
#include "ui_tcpipform.h"

#include "dnsform.h"
#include "ipscannerform.h"
#include "pingform.h"
#include "records.h"
#include "traceform.h"

#include <QHideEvent>
#include <QLayout>
#include <QMetaObject>

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

    connect(this, &TCPIPForm::disableApplyTCP, ping, &PingForm::disableApply);
    connect(this, &TCPIPForm::disableApplyTCP, trace, &TraceForm::disableApply);
    connect(this, &TCPIPForm::disableApplyTCP, dns, &DnsForm::disableApply);
    connect(this, &TCPIPForm::disableApplyTCP, ipScanner, &IpScannerForm::disableApply);

    // Hidden until their page is activated: no form asks for records before.
    ping->hide();
    trace->hide();
    dns->hide();
    ipScanner->hide();
}

TCPIPForm::~TCPIPForm()
{
    delete ui;
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
    // Reached through the base every form shares: by name.
    if (QWidget *form = formOnPage(ui->tabWidget->currentIndex()))
        QMetaObject::invokeMethod(form, "activate");
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
    ping->hide();
    trace->hide();
    dns->hide();
    ipScanner->hide();
}

void TCPIPForm::retranslate()
{
    // The "DNS" page keeps its text in every language.
    ui->retranslateUi(this);
    for (int i = 0; i < ui->tabWidget->count(); ++i) {
        if (auto *form = qobject_cast<IRetranslatable *>(formOnPage(i)))
            form->retranslate();
    }
}
