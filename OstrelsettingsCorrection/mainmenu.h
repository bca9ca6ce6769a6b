#pragma once

#include <QMenuBar>

class QAction;
class QMenu;

// The About menu of the settings correction program. The window keeps it as
// a child widget at its top-left corner, not as its menu bar.
class MainMenu : public QMenuBar
{
    Q_OBJECT
public:
    explicit MainMenu(QWidget *parent);

    void retranslate();

private slots:
    void aboutClicked();

private:
    QMenu *menuAbout;
    QAction *actionAbout;
    QAction *actionAboutQt;
};
