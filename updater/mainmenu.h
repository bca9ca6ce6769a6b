#pragma once

#include <QMenuBar>
#include <QString>

class QAction;
class QMenu;
class MainForm;

// Menu bar of vyrup: About (about box, about Qt) and Settings (Logon).
// It does no device work: values go to and come from the parent MainForm,
// which stores them and sends the requests.
class MainMenu : public QMenuBar
{
    Q_OBJECT
public:
    // parent must be the MainForm that places this bar in its layout.
    explicit MainMenu(MainForm *parent);
    ~MainMenu() override;

    void retranslate();
    void setLogon(const QString &logon, const QString &passw);
    void setIpSettings(bool dhcp, const QString &ip, const QString &mask, const QString &gateway);

public slots:
    void aboutClicked();
    void logonClicked();
    // Opens the IP settings dialog; no action of this menu triggers it.
    void IPsetClicked();
    void enableLogon(bool enabled);

private:
    MainForm *m_window;
    QAction *m_about;
    QAction *m_aboutQt;
    QMenu *m_aboutMenu;
    QAction *m_logon;
    QMenu *m_settingsMenu;
};
