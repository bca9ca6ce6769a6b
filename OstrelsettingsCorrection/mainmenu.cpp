#include "mainmenu.h"

#include "aboutdialog.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>

MainMenu::MainMenu(QWidget *parent)
    : QMenuBar(parent)
{
    actionAbout = new QAction(QIcon(QStringLiteral(":about-icon.png")), QString(), this);
    actionAboutQt = new QAction(QIcon(QStringLiteral(":qt-icon.png")), QString(), this);

    menuAbout = addMenu(QString());
    menuAbout->addAction(actionAbout);
    menuAbout->addAction(actionAboutQt);

    connect(actionAbout, &QAction::triggered, this, &MainMenu::aboutClicked);
    connect(actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);

    retranslate();
}

void MainMenu::retranslate()
{
    menuAbout->setTitle(tr("About"));
    actionAbout->setText(tr("About"));
    actionAboutQt->setText(tr("About Qt"));
}

void MainMenu::aboutClicked()
{
    AboutDialog dialog(nullptr);
    dialog.exec();
}
