#include "screenshotform.h"
#include "ui_screenshotform.h"

#include "device.h"
#include "localfiles.h"

#include <QDateTime>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>

const char *const ScreenshotForm::PngPathKey = "Paths/PNG";

namespace {
const QString PngSuffix = QStringLiteral("png");
const char *const PngFormat = "PNG";
} // namespace

ScreenshotForm::ScreenshotForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::ScreenshotForm)
    , device(device)
{
    ui->setupUi(this);
    // The picture is the label's contents: the frame goes around the
    // 320 x 240 pixels, not over their outer rows and columns.
    const int frame = 2 * ui->lImage->frameWidth();
    ui->lImage->setFixedSize(Device::ScreenWidth + frame, Device::ScreenHeight + frame);
    // Where a picture did not arrive, the label says so in its place.
    ui->lImage->setWordWrap(true);

    connect(this, &ScreenshotForm::receiveScreenshot, device, &Device::receeiveScreenshot,
            Qt::QueuedConnection);
    connect(device, &Device::screenshotReceived, this, &ScreenshotForm::screenshotReceived,
            Qt::QueuedConnection);
}

ScreenshotForm::~ScreenshotForm()
{
    delete ui;
}

void ScreenshotForm::retranslate()
{
    // Re-texts the buttons; the label keeps the picture it shows, or says
    // again in the new language that none arrived.
    ui->retranslateUi(this);
    if (notReceived)
        ui->lImage->setText(notReceivedText());
}

QString ScreenshotForm::notReceivedText()
{
    return tr("The screenshot did not arrive: the transfer from the tester broke off. "
              "Press \"Receive\" to try again.");
}

bool ScreenshotForm::refuseWithoutPicture(const QImage &picture)
{
    if (!picture.isNull())
        return false;
    QMessageBox::warning(this, tr("Error"),
                         tr("There is no screenshot to save: the last one did not arrive."), QMessageBox::Ok);
    return true;
}

void ScreenshotForm::activate()
{
}

void ScreenshotForm::on_bScreen_clicked()
{
    ui->bScreen->setEnabled(false);
    emit receiveScreenshot();
}

void ScreenshotForm::screenshotReceived()
{
    ui->bScreen->setEnabled(true);
    const QImage picture = device->getScreenshot();
    // A read that broke off leaves Device without a picture: the one shown
    // before is not the screen asked for, so it goes too.
    notReceived = picture.isNull();
    if (notReceived)
        ui->lImage->setText(notReceivedText());
    else
        ui->lImage->setPixmap(QPixmap::fromImage(picture));
}

void ScreenshotForm::on_bSave_clicked()
{
    if (refuseWithoutPicture(device->getScreenshot()))
        return;
    const QString fileName = askSaveFileName(this, settings, QLatin1String(PngPathKey), tr("PNG images (*.png)"),
                                             PngSuffix, screenshotFileName(QDateTime::currentDateTime()));
    if (fileName.isEmpty())
        return;
    // The picture at the time of writing; a read may have broken off while
    // the dialog was open.
    const QImage picture = device->getScreenshot();
    if (refuseWithoutPicture(picture))
        return;
    // Written whole or not at all: a failed write leaves no half picture
    // and keeps a file that was there.
    QSaveFile file(fileName);
    const bool saved = file.open(QIODevice::WriteOnly) && picture.save(&file, PngFormat) && file.commit();
    if (!saved)
        QMessageBox::critical(this, tr("Error"), tr("Cannot open the file for writing."), QMessageBox::Ok);
}
