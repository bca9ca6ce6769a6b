#pragma once

#include "iretranslatable.h"

class AsymTrafficForm;
class Device;
class QHideEvent;
class TrafficForm;

namespace Ui {
class TestTabForm;
}

// The window of the main window's traffic button: the traffic form on the
// tab "Symmetric" and the asymmetric traffic form on the tab "Asymmetric".
// It has no records and no buttons of its own; it activates, re-texts and
// hides the two forms and passes the main window's disable-Apply request on
// to both. The pages own the forms.
//
// Every activation disables the "Asymmetric" tab and nothing enables it
// again, so the operator works on the symmetric page only; a loaded report
// of the asymmetric test still activates the asymmetric form once on the
// way (activate(uint)), which reads its records.
//
// GUI thread only.
class TestTabForm : public IRetranslatable
{
    Q_OBJECT
public:
    TestTabForm(Device *device, TrafficForm *trafficForm, AsymTrafficForm *asymForm,
                QWidget *parent = nullptr);
    ~TestTabForm() override;

    void retranslate() override;

protected:
    void hideEvent(QHideEvent *event) override;

signals:
    void disableApplyTraf();

public slots:
    void activate();
    // Test 2 selects the symmetric tab, 16 the asymmetric one, any other
    // id keeps the current tab; then activate().
    void activate(uint test);
    void disableApply() override;
    void on_tabWidget_currentChanged(int index);

private:
    void activateCurrentForm();

    Ui::TestTabForm *ui;
    Device *device;                  // not owned
    TrafficForm *trafficForm;        // owned by the page sym_tab
    AsymTrafficForm *asymForm;       // owned by the page asym_tab
};
