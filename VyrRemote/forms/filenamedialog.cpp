#include "filenamedialog.h"
#include "ui_filenamedialog.h"

#include "widgethelpers.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
// Letters, digits, '*', '#', '.', ',' and blank: what the tester's file
// system takes in a name.
const char *const NamePattern = "[A-Za-z0-9*#\\., ]+";
const char *const NameCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789*#., ";

// The longest name the field admits, written in the widest character it
// takes: the field is made wide enough to show any name whole.
QString widestName(const QFont &font, int length)
{
    const QString characters = QString::fromLatin1(NameCharacters);
    const QFontMetricsF fm(font);
    QChar widest = characters.at(0);
    for (const QChar c : characters) {
        if (fm.horizontalAdvance(c) > fm.horizontalAdvance(widest))
            widest = c;
    }
    return QString(length, widest);
}
} // namespace

FileNameDialog::FileNameDialog(QObject *remote, uint test, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::FileNameDialog)
{
    ui->setupUi(this);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ui->lFileName->setFocus();
    ui->lFileName->setMaxLength(MaxNameLength);
    reserveWidthFor(ui->lFileName, {widestName(ui->lFileName->font(), MaxNameLength)});
    ui->lFileName->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString::fromLatin1(NamePattern)), ui->lFileName));

    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    connect(ui->lFileName, &QLineEdit::textEdited, this, &FileNameDialog::lFileNameTextEdited);

    if (remote) {
        // The remote object is the Device in the worker thread, reached
        // through QObject*: both directions queued.
        connect(this, SIGNAL(getNewFileName(uint)), remote, SLOT(getNewFileName(uint)), Qt::QueuedConnection);
        connect(remote, SIGNAL(newFileNameReceived(QString)), this, SLOT(newFileNameReceived(QString)),
                Qt::QueuedConnection);
        emit getNewFileName(test);
    }
}

FileNameDialog::~FileNameDialog()
{
    delete ui;
}

QString FileNameDialog::fileName() const
{
    return ui->lFileName->text().trimmed();
}

QString FileNameDialog::askFileName(QObject *remote, uint test)
{
    FileNameDialog dialog(remote, test, nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.fileName();
}

void FileNameDialog::lFileNameTextEdited(const QString &text)
{
    m_operatorTyped = true;
    updateOkButton(text);
}

void FileNameDialog::newFileNameReceived(QString fileName)
{
    if (m_operatorTyped)
        return;
    ui->lFileName->setText(fileName);
    updateOkButton(ui->lFileName->text());
}

void FileNameDialog::updateOkButton(const QString &text)
{
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
}
