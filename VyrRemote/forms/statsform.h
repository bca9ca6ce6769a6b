#pragma once

#include "iretranslatable.h"
#include "records.h"

#include <QByteArray>
#include <QString>

class Device;
class QTableWidget;
class TestInfo;
struct StatsPortView;

namespace Ui {
class StatsForm;
}

// The port statistics window (test id 1): the counters the tester keeps for
// each test port, received and transmitted, for Port A and, on two-port
// models, Port B; the "Auto reset statistics" flag of Port A's settings
// record; "Reset counters" (the tester's), "Reload setting" (the flag as
// the tester holds it) and "Save Report". Not a test form: it shows
// both ports whatever port is current, and it asks for the results itself
// after every status poll while it is shown (the poll never reads them).
//
// Threads: GUI thread. Requests reach the statistics TestInfo and Device
// queued; the records are read as copies after the signals that announce
// them, and an applied flag goes back as a copy of the settings record.
class StatsForm : public IRetranslatable
{
    Q_OBJECT
public:
    explicit StatsForm(Device *device, QWidget *parent = nullptr);
    ~StatsForm() override;

    void retranslate() override;

signals:
    void receiveSettings(port_t port);
    void sendSettings(port_t port, QByteArray settings);
    void receiveResults(port_t port);
    void saveReportToFile(port_t port, uchar test, QString fileName);

public slots:
    void activate();
    void settingsReceived();
    void resultsReceived();
    void deviceStatusUpdated();
    void disableApply() override;
    void bApplyClicked();
    void bResetClicked();
    void bSaveReportClicked();
    void cRstToggled();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showPortBRows(bool show);
    void requestResults();
    void drawPort(int port, const StatsPortView &view);
    // Draws cRst against Port A's stored flag (blue while none is held).
    void markAutoReset();
    void fitTables();

    Ui::StatsForm *ui;
    Device *device;         // not owned
    TestInfo *statsInfo;    // not owned; lives as long as Device
};
