#pragma once

#include "probeform.h"

#include <QIcon>

namespace Ui {
class TraceForm;
}
enum class TraceIcon;

// Form of the trace route test (test id 9), a page of the TCP/IP tools
// window: edits the trace_settings_t of the current port (destination,
// frame size, wait time; ProbeForm) and shows the hops the tester found, one page of
// eight at a time. The page chosen in sPage becomes the results parameter
// of the test's TestInfo, so every later results request of either port
// (the form's and the poll's) asks for that page. The test runs looped on
// the current port; apply, start, stop, reset and report are TestForm's.
class TraceForm : public ProbeForm
{
    Q_OBJECT
public:
    explicit TraceForm(Device *device, QWidget *parent = nullptr);
    ~TraceForm() override;

    void retranslate() override;

public slots:
    void fillFormFromResults() override;
    void tracePageChanged(int page);

protected:
    // A new font: the fields and tables take the room its texts need.
    void refitToFont() override;

private:
    const QIcon &icon(TraceIcon icon) const;
    // Room for the longest texts of the hop table in the language in force.
    void fitResults();

    Ui::TraceForm *ui;
    const QIcon probingIcon;
    const QIcon timedOutIcon;
    const QIcon repliedIcon;
    const QIcon noIcon;
};
