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
    // Re-texts the buttons; the label keeps the picture it shows.
    ui->retranslateUi(this);
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
    ui->lImage->setPixmap(QPixmap::fromImage(device->getScreenshot()));
}

void ScreenshotForm::on_bSave_clicked()
{
    const QString fileName = askSaveFileName(this, settings, QLatin1String(PngPathKey), PngSuffix,
                                             screenshotFileName(QDateTime::currentDateTime()));
    if (fileName.isEmpty())
        return;
    // Written whole or not at all: a failed write leaves no half picture
    // and keeps a file that was there.
    const QImage picture = device->getScreenshot();
    QSaveFile file(fileName);
    const bool saved = file.open(QIODevice::WriteOnly) && picture.save(&file, PngFormat) && file.commit();
    if (!saved)
        QMessageBox::critical(this, tr("Error"), tr("Cannot open the file for writing."), QMessageBox::Ok);
}
