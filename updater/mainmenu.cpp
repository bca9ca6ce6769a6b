#include "mainmenu.h"

#include "aboutdialog.h"
#include "ipsettingform.h"
#include "logondialog.h"
#include "mainform.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>

MainMenu::MainMenu(MainForm *parent)
    : QMenuBar(parent)
    , m_window(parent)
{
    m_about = new QAction(QIcon(":about-icon.png"), QString(), this);
    m_aboutQt = new QAction(QIcon(":qt-icon.png"), QString(), this);
    m_aboutMenu = addMenu(QString());
    m_aboutMenu->addAction(m_about);
    m_aboutMenu->addAction(m_aboutQt);
    m_logon = new QAction(QIcon(":logon-icon.png"), QString(), this);
    m_settingsMenu = addMenu(QString());
    m_settingsMenu->addAction(m_logon);
    m_settingsMenu->setEnabled(false);

    connect(m_about, &QAction::triggered, this, &MainMenu::aboutClicked);
    // Over the window, not wherever the active window happens to be.
    connect(m_aboutQt, &QAction::triggered, this, [this] { QMessageBox::aboutQt(window()); });
    connect(m_logon, &QAction::triggered, this, &MainMenu::logonClicked);

    retranslate();
}

MainMenu::~MainMenu()
{
    delete m_about;
    delete m_aboutQt;
}

void MainMenu::retranslate()
{
    m_about->setText(tr("About"));
    m_aboutQt->setText(tr("About Qt"));
    m_aboutMenu->setTitle(tr("About"));
    m_logon->setText(tr("Logon"));
    m_settingsMenu->setTitle(tr("Settings"));
}

void MainMenu::aboutClicked()
{
    AboutDialog about(this);
    about.exec();
}

void MainMenu::logonClicked()
{
    logonDialog dialog(this);
    dialog.setValues(m_window->logonId(), m_window->password());
    dialog.exec();
}

void MainMenu::IPsetClicked()
{
    IPsettingForm dialog(this);
    dialog.setValues(m_window->dhcp(), m_window->ipAddress(), m_window->subnetMask(), m_window->gateway());
    dialog.exec();
}

void MainMenu::enableLogon(bool enabled)
{
    m_settingsMenu->setEnabled(enabled);
}

void MainMenu::setLogon(const QString &logon, const QString &passw)
{
    m_window->setLogon(logon, passw);
}

void MainMenu::setIpSettings(bool dhcp, const QString &ip, const QString &mask, const QString &gateway)
{
    m_window->setIpSettings(dhcp, ip, mask, gateway);
}
