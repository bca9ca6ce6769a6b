#pragma once

#include "testform.h"
#include "y1564format.h"

#include <QList>
#include <QTime>

#include <array>
#include <functional>
#include <optional>

class QLineEdit;
class QSpinBox;

namespace Ui {
class Y1564Form;
}

// Form of the ITU-T Y.1564 service activation test (test id 4): edits the
// y1564_settings_t of the current port (the common fields and one of the
// four streams at a time, its header through the embedded HeaderWidget),
// shows the y1564_results_t on the "Results" tab, and on the "Common
// settings" page the link of the current port and the tester's time
// synchronisation. The apply, start, stop and report sequences are
// TestForm's; the form edits only TestForm's copy of the record.
//
// Filling the form from a record runs none of the form's own change slots
// (their signals are blocked while the values are set); the fields are
// compared with the record afterwards. A field the operator has not changed
// since the fill is written back with the record's own bytes where the
// widget cannot show the stored value exactly (decimals, a value out of
// range, not a number, a unit, direction or VLAN count outside the lists, a
// duration of a day or more, the DEI bit of a VLAN tag whose PCP and VID are
// unchanged).
//
// GUI thread only.
class Y1564Form : public TestForm
{
    Q_OBJECT
public:
    explicit Y1564Form(Device *device, QWidget *parent = nullptr);
    ~Y1564Form() override;

    void retranslate() override;

signals:
    void sendSyncStatus(uchar status);
    void getSyncStatus();

public slots:
    void sStreamNumChanged(int value);
    void sStreamNumResChanged(int value);
    void sStreamNumRes2Changed(int value);
    void cUnitsCurrentIndexChanged(int index);
    void deviceStatusUpdated() override;
    void cActiveStreamToggled(bool checked);
    void gotApplied() override;
    void cConfTestToggled(bool checked);
    void cStepLoadToggled(bool checked);
    void cPolicyToggled(bool checked);
    void cPerformTestToggled(bool checked);
    void sPackLengthChanged(int v);
    void sLearnIntChanged(int v);
    void sWaitIntChanged(int v);
    void sTestStepChanged(int v);
    void dsCIRChanged(double value);
    void dsEIRChanged(double value);
    void dsMChanged(double value);
    void dsFLRChanged(double value);
    void dsFTDChanged(double value);
    void dsFDVChanged(double value);
    void dsAVAILChanged(double value);
    void tDurChanged(const QTime &time);
    void gVLANToggled(bool checked);
    void sVLANchanged(int count);
    void lTPID1Changed(const QString &text);
    void lTPID2Changed(const QString &text);
    void lTPID3Changed(const QString &text);
    void sPCP1Changed(int v);
    void sPCP2Changed(int v);
    void sPCP3Changed(int v);
    void sVID1Changed(int v);
    void sVID2Changed(int v);
    void sVID3Changed(int v);
    void on_bSyncStart_clicked();
    void on_bSyncStop_clicked();
    void on_pushButton_clicked();
    bool canStartXX() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    void syncStatusUpdated(uchar status, uchar active, uchar correct);

private:
    // Selects the unit's list entry (without running its slot) and sets the
    // limits of CIR, EIR and M; values outside them are clamped by the boxes.
    void setUnitsLimits(uint8_t code);
    // Writes the default TPIDs of a VLAN count into the stream on display
    // and shows them in the first count TPID fields.
    void setDefaultTpids(int count);
    void updateLinkStatus();
    // Widens "Overall status" to the longest status text of the language.
    void fitStatusField();
    // Spin boxes at least as wide as their longest value and prefix.
    void keepSpinBoxesWhole();

    // Runs compare(record, stream on display) when a record is held; a
    // difference marks the form edited.
    void markAgainstRecord(const std::function<bool(const y1564_settings_t &, const y1564_stream_settings_t &)> &compare);
    void markValue(QWidget *box, Y1564Value value, double shown);
    void markTpid(int row, const QString &text);
    void markPcp(int row, int v);
    void markVid(int row, int v);
    // Compares every field with the record once, after a fill.
    void markAllFields();
    // Rows up to rows enabled and compared with the record; the others
    // disabled and grey.
    void showVlanRows(int rows);
    void setVlanRowsColour(int rows);
    Y1564DirectionChoice directionShown() const;
    int settingsStream() const { return qBound(0, settingsPage, Y1564Streams - 1); }

    Ui::Y1564Form *ui;
    int settingsPage = 0;     // stream on the "Stream settings" page, 0-3
    int resultsPage = 0;      // stream on both result pages, 0-3
    QList<QLineEdit *> tpidEdits;
    QList<QSpinBox *> pcpBoxes;
    QList<QSpinBox *> vidBoxes;
    // What the last fill or apply left in the two editors that keep their
    // previous state for a value they cannot show (a duration of a day or
    // more, an unknown direction).
    QTime durationAtFill;
    Y1564DirectionChoice directionAtFill = Y1564DirectionChoice::None;
    // The last synchronisation answer, shown again after a language switch.
    std::optional<std::array<uchar, 3>> lastSync;
};
