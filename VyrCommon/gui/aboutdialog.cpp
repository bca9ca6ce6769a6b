#include "aboutdialog.h"
#include "ui_aboutdialog.h"

#include "deviceidentity.h"

#include <QCoreApplication>

namespace {

// The maker named in the box, and its web site (opened in the system browser).
const char *const OrganizationName = "RP Enterprise Halvorsk";
const char *const OrganizationSite = "https://halvorsk.example/";

// Application names set by the programs' main().
const char *const UpdaterAppName = "Ostrel Updater";
const char *const SettingsCorrectionAppName = "Ostrel Settings Correction";

// Device types whose names the descriptions carry.
constexpr unsigned DescriptionTypeRemote = 6;   // family name
constexpr unsigned DescriptionTypeUpdater = 6;  // model name
constexpr unsigned DescriptionTypeCorrection = 0;

const char *const RemoteDescription =
    QT_TRANSLATE_NOOP("AboutDialog", "Remote control software for\nEthernet tester %1.");
const char *const UpdateDescription =
    QT_TRANSLATE_NOOP("AboutDialog", "Firmware update software for\nEthernet tester %1.");

const char *const RemoteVersion = "3.0.15";
const char *const UpdaterVersion = "3.0.4";
const char *const CorrectionVersion = "3.0.3";

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    ui->organization->setText(QStringLiteral("<a href=\"%1\"><span style=\"text-decoration: underline; color:#0000ff;\">%2</span></a>")
                                  .arg(QString::fromLatin1(OrganizationSite),
                                       QString::fromLatin1(OrganizationName).toHtmlEscaped()));
    connect(ui->bClose, &QPushButton::clicked, this, &QDialog::close);

    const QString app = QCoreApplication::applicationName();
    QString description;
    QString version;
    if (app == QLatin1String(UpdaterAppName)) {
        description = tr(UpdateDescription).arg(deviceModelName(DescriptionTypeUpdater));
        version = QString::fromLatin1(UpdaterVersion);
    } else if (app == QLatin1String(SettingsCorrectionAppName)) {
        description = tr(UpdateDescription).arg(deviceModelName(DescriptionTypeCorrection));
        version = QString::fromLatin1(CorrectionVersion);
    } else {
        description = tr(RemoteDescription).arg(deviceFamilyName(DescriptionTypeRemote));
        version = QString::fromLatin1(RemoteVersion);
    }
    ui->description->setText(description);
    ui->softwareVersion->setText(version);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}
