#pragma once

#include <QFont>
#include <QMenuBar>

class QAction;
class QMenu;

// Menu bar of the main window: Settings (font choice) and About (the about
// box and Qt's own). The main window re-texts it after a language switch and
// applies the font it announces.
class MainMenu : public QMenuBar
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget *parent = nullptr);

    void retranslate();

signals:
    void change_font(QFont font);

public slots:
    void aboutClicked();
    void fontClicked();

private:
    QAction *actionAbout = nullptr;
    QAction *actionAboutQt = nullptr;
    QAction *actionFont = nullptr;
    QMenu *menuSettings = nullptr;
    QMenu *menuAbout = nullptr;
};
