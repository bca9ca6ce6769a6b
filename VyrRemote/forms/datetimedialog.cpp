#include "datetimedialog.h"
#include "ui_datetimedialog.h"

#include "devsettingsformat.h"

DateTimeDialog::DateTimeDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowCloseButtonHint)
    , ui(new Ui::DateTimeDialog)
{
    ui->setupUi(this);
}

DateTimeDialog::~DateTimeDialog()
{
    delete ui;
}

void DateTimeDialog::setDateTime(uint32_t time)
{
    const QDateTime t = testerClockToDateTime(time);
    ui->dateEdit->setDate(t.date());
    ui->timeEdit->setTime(t.time());
}

uint32_t DateTimeDialog::dateTime() const
{
    return testerClockFromDateTime(ui->dateEdit->date(), ui->timeEdit->time());
}
