#pragma once

#include "probeform.h"

namespace Ui {
class PingForm;
}

// Form of the ping test (test id 8), a page of the TCP/IP tools window:
// edits the ping_settings_t of the current port (destination, frame size,
// wait time; ProbeForm) and shows its ping_results_t: the last six
// requests, highest number first, and the running statistics. The test
// runs looped on the current port; apply, start, stop, reset and report
// are TestForm's.
class PingForm : public ProbeForm
{
    Q_OBJECT
public:
    explicit PingForm(Device *device, QWidget *parent = nullptr);
    ~PingForm() override;

    void retranslate() override;

public slots:
    void fillFormFromResults() override;

protected:
    // A new font: the fields and tables take the room its texts need.
    void refitToFont() override;

private:
    // Room for the longest texts of the results in the language in force.
    void fitResults();

    Ui::PingForm *ui;
};
