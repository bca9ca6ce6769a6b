#include "sharedwidth.h"

#include <QWidget>

void giveSharedWidth(std::initializer_list<QWidget *> widgets)
{
    // sizeHint() does not depend on the least width set here, so a second
    // call after a language change measures the new texts, not the old width.
    int width = 0;
    for (const QWidget *w : widgets)
        width = qMax(width, w->sizeHint().width());
    for (QWidget *w : widgets)
        w->setMinimumWidth(width);
}
