#pragma once

#include "iretranslatable.h"
#include "records.h"

class Device;
class TestInfo;

namespace Ui {
class OptTestForm;
}

// Form of the optical test (test id 13): the SFP module data of Port A and,
// on two-port models, of Port B, each in an SFPInfoWidget panel, asked for
// again at every status poll while the form is shown; and "Save Report",
// which has the tester store an optical report under a chosen name.
//
// Threads. The form lives in the GUI thread; Device and the optical
// TestInfo live in the worker thread and are reached only through the queued
// connections made here. The results are read as copies
// (TestInfo::getResultsAs) after resultsReceived(); the panels keep their own.
class OptTestForm : public IRetranslatable
{
    Q_OBJECT
public:
    explicit OptTestForm(QObject *device, QWidget *parent = nullptr);
    ~OptTestForm() override;

    void retranslate() override;

signals:
    void receiveResults(port_t port);
    void saveReportToFile(port_t port, uchar test, QString fileName);

public slots:
    void activate();
    void resultsReceived();
    void deviceStatusUpdated();
    void on_saveReportButton_clicked();

private:
    Ui::OptTestForm *ui;
    Device *device;           // not owned
    TestInfo *optTestInfo;    // not owned; the TestInfo of test id 13
};
