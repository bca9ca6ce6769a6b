#include "mainmenu.h"

#include "aboutdialog.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QIcon>
#include <QMenu>

MainMenu::MainMenu(QWidget *parent)
    : QMenuBar(parent)
{
    actionAbout = new QAction(QIcon(QStringLiteral(":about-icon.png")), QString(), this);
    actionAbout->setObjectName(QStringLiteral("actionAbout"));
    actionAboutQt = new QAction(QIcon(QStringLiteral(":qt-icon.png")), QString(), this);
    actionAboutQt->setObjectName(QStringLiteral("actionAboutQt"));
    actionFont = new QAction(QIcon(QStringLiteral(":fonts-icon.png")), QString(), this);
    actionFont->setObjectName(QStringLiteral("actionFont"));

    menuSettings = addMenu(QString());
    menuSettings->setObjectName(QStringLiteral("menuSettings"));
    menuSettings->addAction(actionFont);
    menuAbout = addMenu(QString());
    menuAbout->setObjectName(QStringLiteral("menuAbout"));
    menuAbout->addAction(actionAbout);
    menuAbout->addAction(actionAboutQt);

    connect(actionAbout, &QAction::triggered, this, &MainMenu::aboutClicked);
    connect(actionFont, &QAction::triggered, this, &MainMenu::fontClicked);
    connect(actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);

    retranslate();
}

void MainMenu::retranslate()
{
    actionAbout->setText(tr("About"));
    actionAboutQt->setText(tr("About Qt"));
    actionFont->setText(tr("Font"));
    menuSettings->setTitle(tr("Settings"));
    menuAbout->setTitle(tr("About"));
}

void MainMenu::aboutClicked()
{
    AboutDialog dialog(nullptr);
    dialog.exec();
}

void MainMenu::fontClicked()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QApplication::font(), nullptr);
    if (ok)
        emit change_font(font);
}
