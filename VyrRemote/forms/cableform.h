#pragma once

#include "testform.h"

namespace Ui {
class CableForm;
}

// Form of the cable diagnostics test (test id 12): starts the test on the
// current port and shows its cable_results_t, one table column per wire
// pair. The test has no settings record.
class CableForm : public TestForm
{
    Q_OBJECT
public:
    explicit CableForm(Device *device, QWidget *parent = nullptr);
    ~CableForm() override;

    void retranslate() override;

public slots:
    void fillFormFromResults() override;
    // The form has no Apply button; the main window reaches every form.
    void disableApply();

private:
    Ui::CableForm *ui;
};
