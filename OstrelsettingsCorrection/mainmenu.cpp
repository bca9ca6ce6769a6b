#include "mainmenu.h"

#include "aboutdialog.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>

MainMenu::MainMenu(QWidget *parent)
    : QMenuBar(parent)
{
    actionAbout = new QAction(QIcon(QStringLiteral(":about-icon.png")), QString(), this);
    actionAboutQt = new QAction(QIcon(QStringLiteral(":qt-icon.png")), QString(), this);

    menuAbout = addMenu(QString());
    menuAbout->addAction(actionAbout);
    menuAbout->addAction(actionAboutQt);

    connect(actionAbout, &QAction::triggered, this, &MainMenu::aboutClicked);
    // Over the window, not wherever the active window happens to be.
    connect(actionAboutQt, &QAction::triggered, this, [this] { QMessageBox::aboutQt(window()); });

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
    // Parented, so it opens centred over the window.
    AboutDialog dialog(this);
    dialog.exec();
}
