#pragma once

#include <QDialog>

#include <cstdint>

namespace Ui {
class DateTimeDialog;
}

// The modal dialog in which the operator enters a new date and time for the
// tester's clock. It works on the clock value as the tester stores it: 32-bit
// seconds read and written as UTC, with no time-zone shift either way. The
// date edit keeps the range 31.12.1999 to 31.12.2035, so no value outside it
// can be entered or returned. GUI thread only.
class DateTimeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit DateTimeDialog(QWidget *parent = nullptr);
    ~DateTimeDialog() override;

    // Shows the clock value; a date outside the range shows as its nearest
    // end, with the value's time of day.
    void setDateTime(uint32_t time);
    // The entered date and time as a clock value.
    uint32_t dateTime() const;

private:
    Ui::DateTimeDialog *ui;
};
