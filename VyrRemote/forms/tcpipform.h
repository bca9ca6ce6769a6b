#pragma once

#include "iretranslatable.h"

class Device;
class DnsForm;
class IpScannerForm;
class PingForm;
class QHideEvent;
class TestForm;
class TraceForm;

namespace Ui {
class TCPIPForm;
}

// The window of the IP network tools: the ping, trace route, DNS and IP
// scanner forms on the tabs "Ping", "Trace", "DNS" and "IP scanner". It has
// no records and no buttons of its own: it activates the form of the page
// on show, turns a test id into its page, passes the main window's
// disable-Apply request and the language switch on to all four forms, and
// hides them when it is put away, so that they stop refreshing. The pages
// own the forms.
//
// GUI thread only.
class TCPIPForm : public IRetranslatable
{
    Q_OBJECT
public:
    explicit TCPIPForm(Device *device, QWidget *parent = nullptr);
    ~TCPIPForm() override;

    void retranslate() override;

protected:
    void hideEvent(QHideEvent *event) override;

signals:
    void disableApplyTCP();

public slots:
    void activate();
    // Test 8, 9, 10 or 11 selects the ping, trace, DNS or IP scanner page;
    // any other id keeps the current page. Then activate().
    void activate(int test);
    void disableApply() override;
    void curTabChanged(int index);

private:
    // The form on a page: the only item of the page's layout.
    QWidget *formOnPage(int index) const;
    // The four forms, in page order.
    QList<TestForm *> tools() const;
    void activateCurrentForm();

    Ui::TCPIPForm *ui;
    PingForm *ping;               // owned by the page pingTab
    TraceForm *trace;             // owned by the page traceTab
    DnsForm *dns;                 // owned by the page dnsTab
    IpScannerForm *ipScanner;     // owned by the page IPScannerTab
};
