#pragma once

#include "iretranslatable.h"
#include "records.h"
#include "testinfo.h"

#include <QByteArray>

#include <cstring>
#include <optional>

class Device;
class HeaderWidget;
class QGroupBox;
class QPushButton;

// Base of every test form: binds the form to the Device and to the TestInfo
// of its test id, runs the standard buttons (start on the same port, start
// towards the other port, stop, apply, reset, default, save report), keeps
// the frame title and the button states in step with the polled status, and
// routes arriving settings and results to the form's fill operations.
//
// Threads. The form lives in the GUI thread; Device and TestInfo live in
// the worker thread. Every request leaves through a queued connection made
// here, every answer comes back as a queued signal. The form never holds a
// pointer into a worker buffer: it keeps its own copy of the current port's
// settings record (taken from TestInfo when the record arrives), the derived
// form edits only that copy, and Apply hands a copy of it to
// TestInfo::sendSettings. Results are read as copies when they are drawn.
//
// A derived form builds its designer form, calls initGui() with its buttons
// and frame, and overrides the fill operations and retranslate(). Its change
// slots report each compared field with markField(); it overrides
// gotApplied() (calling TestForm's first) to return its edited fields to
// black once the settings were handed over, and hands an embedded frame
// header editor to connectHeader().
class TestForm : public IRetranslatable
{
    Q_OBJECT
public:
    TestForm(Device *device, TestInfo *testInfo, QWidget *parent = nullptr);
    ~TestForm() override = default;

    // Frame title name of a test id; "Unknown Test" for ids without a form.
    static QString testName(int testId);

    // The box of an Apply or a start refused because the settings record
    // has not been read from the tester (nothing was sent); shared by every
    // window that writes a record it read from the tester.
    static void tellSettingsNotRead(QWidget *parent, bool startRefused);

public slots:
    virtual void activate();
    virtual void currentProcessChanged(port_t port);
    virtual bool canStartXX();
    virtual void setTitles();
    virtual void setButtonsEnabled();
    virtual void deviceStatusUpdated();
    virtual void fillFormFromSettings();
    virtual void fillFormFromResults();
    virtual void fillSettingsFromForm();
    virtual void bStartXXClicked();
    virtual void bStartXYClicked();
    virtual void bStopClicked();
    virtual void bResetClicked();
    virtual void bApplyClicked();
    virtual void bDefaultClicked();
    virtual void bSaveReportClicked();

    // The operator changed a field: the form holds an edit and Apply may be
    // clicked.
    virtual void enableApply();
    // Apply may not be clicked (the main window switched the port); the
    // edits stay marked.
    void disableApply() override;
    // The settings were handed to the tester (connected to settingsApplied()):
    // nothing is edited and Apply is off. A form that marks fields returns
    // them to their colours against the applied record after calling this.
    virtual void gotApplied();

    int getTestId() const;
    // Any pointer may be null: the form has no such button or frame. Apply
    // starts disabled (nothing is edited).
    void initGui(QPushButton *bStartXX, QPushButton *bStartXY, QPushButton *bStop,
                 QPushButton *bApply, QPushButton *bReset, QGroupBox *frame,
                 QPushButton *bDefault, QPushButton *bSaveReport);
    void settingsReceived();
    void resultsReceived();
    void fillFormFromAll();

signals:
    void startTest(uchar test, uchar topology);
    void stopTest(uchar test);
    void receiveSettings(port_t port);
    void receiveResults(port_t port);
    // The whole settings record of the port, as the form applied it.
    void sendSettings(port_t port, QByteArray settings);
    void loadDefaultSettings(port_t port);
    void saveReportToFile(port_t port, uchar test, QString fileName);
    // Emitted after the settings were handed to the tester (Apply or a
    // start); not after a refused apply.
    void settingsApplied();

protected:
    port_t currentPort() const;

    // For the change slots: a field that differs from the held record (the
    // result of a markChanged... function) enables Apply; one equal to it
    // changes nothing, as another field may still differ.
    void markField(bool differs);
    // An embedded frame-header editor: its edits enable Apply, and an apply
    // returns its fields to black.
    void connectHeader(HeaderWidget *header);

    // A font change reaches the form: once its children have the new font
    // (and its kept tables their new row height), refitToFont() runs.
    void changeEvent(QEvent *event) override;
    // The sizes the form gave its fields, columns and tables for their
    // texts, taken again in the new font. The base has none to take.
    virtual void refitToFont();

    // For retranslate(): draws the results on show again, in the language
    // just installed, from the record already held (no request goes to the
    // tester). Nothing when the form has drawn no results yet.
    void redrawResults();

    // The form's own copy of the current port's settings record: present
    // once the record was read for this port, absent before, after a failed
    // read and after the link was lost. Change slots compare with it,
    // fillSettingsFromForm() writes into it.
    bool hasSettings() const;
    template <class T>
    std::optional<T> settingsAs() const
    {
        static_assert(std::is_trivially_copyable<T>::value, "records are plain bytes");
        const QByteArray *bytes = heldSettings();
        if (!bytes || bytes->size() != int(sizeof(T)))
            return std::nullopt;
        T record;
        std::memcpy(&record, bytes->constData(), sizeof(T));
        return record;
    }
    // Replaces the held copy (ignored when none is held or the size differs).
    template <class T>
    void storeSettings(const T &record)
    {
        static_assert(std::is_trivially_copyable<T>::value, "records are plain bytes");
        storeSettingsBytes(QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(T))));
    }

    // Called by Apply and by the starts before the form is written into its
    // copy of the record: false when a value cannot be written (the form
    // has told the operator why); then nothing is sent or started and the
    // edits stay marked. The base accepts every form.
    virtual bool canWriteSettings();

    // Without a settings record of the current port (not read yet, its read
    // failed, the link was lost) the form has nothing to write its fields
    // into. A start with this topology (TopologySamePort or
    // TopologyToOtherPort) then still goes out, and the test runs with the
    // settings the tester holds, which are read back and shown; a form says
    // so where its test can run that way. Such a start while a field is
    // edited, every other start, and every Apply, are refused with a
    // message, and the edits stay marked. The base refuses.
    virtual bool startsWithTesterSettings(uchar topology) const;

    // Some field differs from the held record and has not been applied.
    bool edited = false;
    Device *device;        // not owned
    TestInfo *testInfo;    // not owned
    QPushButton *bStartXX = nullptr;
    QPushButton *bStartXY = nullptr;
    QPushButton *bStop = nullptr;
    QPushButton *bApply = nullptr;
    QPushButton *bReset = nullptr;
    QGroupBox *frame = nullptr;
    QPushButton *bDefault = nullptr;
    QPushButton *bSaveReport = nullptr;

private:
    // Writes the form into its copy and sends it; false (nothing sent,
    // edited and Apply left as they are) when the form holds no record.
    bool applySettings();
    // The form's copy and TestInfo's record of the current port are both
    // there (always true for a test without a settings record).
    bool holdsSettingsRecord() const;
    // A start while no record is held: out with the tester's own settings
    // where the form allows it, the link is up and nothing is edited, else
    // refused with a message.
    void startWithoutRecord(uchar topology);
    // Nothing sent: Apply stays on for edits made, and the operator is told
    // why (tellSettingsNotRead).
    void refuseWithoutRecord(bool startRefused);
    void takeSettingsFromTestInfo();
    void dropSettings();
    const QByteArray *heldSettings() const;
    void storeSettingsBytes(const QByteArray &bytes);
    bool portIdle(const get_device_status_resp_t &status, port_t port) const;

    std::optional<QByteArray> m_settings;
    port_t m_settingsPort = PortA;
    bool m_lastApplyOk = false;
    // Results arrived while shown and were drawn: the page holds texts of
    // the language in force at that time.
    bool m_resultsDrawn = false;
};
