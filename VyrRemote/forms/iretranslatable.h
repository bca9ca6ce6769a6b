#pragma once

#include <QWidget>

// Base of every window hosted in the main window's form area. After a
// language switch the main window calls retranslate() on each of them so
// that the window sets all its texts again in the current language; after
// a port switch it calls disableApply(), which a window with an Apply button
// overrides.
class IRetranslatable : public QWidget
{
    Q_OBJECT
public:
    explicit IRetranslatable(QWidget *parent = nullptr) : QWidget(parent) {}

    virtual void retranslate() = 0;

public slots:
    virtual void disableApply() {}
};
