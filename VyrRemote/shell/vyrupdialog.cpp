#include "vyrupdialog.h"
#include "ui_vyrupdialog.h"

#include <QFile>
#include <QFileDialog>

namespace {

const char *const OrganizationName = "Halvorsk";
const char *const ApplicationName = "OstrelRemote";
const char *const PathKey = "Paths/VYRUP";

// Update steps and results, indexed by code. Codes 12-17 have no text of
// their own.
const char *const ResultTexts[] = {
    QT_TRANSLATE_NOOP("vyrupDialog", "CPU write started"),
    QT_TRANSLATE_NOOP("vyrupDialog", "CPU write completed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "CPU write failed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "FPGA erase started"),
    QT_TRANSLATE_NOOP("vyrupDialog", "FPGA erase completed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "FPGA erase failed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "FPGA write started"),
    QT_TRANSLATE_NOOP("vyrupDialog", "FPGA write completed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "FPGA write failed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "Reset started"),
    QT_TRANSLATE_NOOP("vyrupDialog", "Reset completed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "Reset failed"),
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    QT_TRANSLATE_NOOP("vyrupDialog", "Invalid device type"),
    QT_TRANSLATE_NOOP("vyrupDialog", "Wait after reset failed"),
    QT_TRANSLATE_NOOP("vyrupDialog", "Invalid file format"),
    QT_TRANSLATE_NOOP("vyrupDialog", "Full update completed"),
};
constexpr int ResultTextCount = int(sizeof(ResultTexts) / sizeof(ResultTexts[0]));

// Codes that report a step under way rather than the end of a write; every
// other code ends the write that Accept started.
bool isIntermediateStep(int code)
{
    switch (code) {
    case 0: case 1: case 3: case 4: case 6: case 7: case 9: case 10:
        return true;
    default:
        return false;
    }
}

} // namespace

vyrupDialog::vyrupDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::vyrupDialog)
    , m_settings(QString::fromLatin1(OrganizationName), QString::fromLatin1(ApplicationName))
{
    ui->setupUi(this);
    connect(ui->bOpen, &QPushButton::clicked, this, &vyrupDialog::vyrupDirOpen);
    connect(ui->bAccept, &QPushButton::clicked, this, &vyrupDialog::vyrupAccepted);
    connect(ui->bCancel, &QPushButton::clicked, this, &vyrupDialog::vyrupRejected);
}

vyrupDialog::~vyrupDialog()
{
    delete ui;
}

void vyrupDialog::retranslate()
{
    ui->retranslateUi(this);
}

QString vyrupDialog::resultText(int code)
{
    if (code >= 0 && code < ResultTextCount && ResultTexts[code])
        return tr(ResultTexts[code]);
    return tr("unknown");
}

void vyrupDialog::vyrupInfo(QString text)
{
    ui->teStatus->append(text);
}

void vyrupDialog::corrResult(int code)
{
    ui->teStatus->append(resultText(code));
    if (!isIntermediateStep(code)) {
        m_writing = false;
        updateAcceptButton();
    }
}

void vyrupDialog::vyrupDirOpen()
{
    const QString last = m_settings.value(QString::fromLatin1(PathKey)).toString();
    const QString path = QFileDialog::getOpenFileName(this, tr("Select ROM file"), last, tr("Update file (*.vyrup)"));
    if (!path.isEmpty()) {
        ui->lROMpath->setText(path);
        m_settings.setValue(QString::fromLatin1(PathKey), path);
    }
    updateAcceptButton();
}

void vyrupDialog::vyrupAccepted()
{
    const QString path = ui->lROMpath->text();
    if (path.isEmpty() || m_writing)
        return;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ui->teStatus->append(tr("Open file error"));
        return;
    }
    const QByteArray data = file.readAll();
    // A short read (an I/O error, or a file too large to hold in memory)
    // would hand the tester a cut-off package as if it were whole.
    const bool complete = file.error() == QFileDevice::NoError && (file.isSequential() || data.size() >= file.size());
    file.close();
    if (!complete) {
        ui->teStatus->append(tr("Read file error"));
        return;
    }

    m_writing = true;
    updateAcceptButton();
    emit writeVYRUP(data);
}

void vyrupDialog::vyrupRejected()
{
    emit closeUpdate();
    close();
}

void vyrupDialog::updateAcceptButton()
{
    ui->bAccept->setEnabled(!m_writing && !ui->lROMpath->text().isEmpty());
}
