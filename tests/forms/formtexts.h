#pragma once

// The text-fit check of a form tested on its own, in Russian, English and
// German, and Russian pictures of its pages for a person to look at.

#include "textfit.h"

#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QWidget>

#include <functional>

// The program's catalogues and icons live in a static library; naming
// their initialisers keeps the linker from dropping them.
inline void loadFormResources()
{
    Q_INIT_RESOURCE(vyrremote_translations);
    Q_INIT_RESOURCE(icons);
}

// Saves the form, once per page of each tab widget, as
// <dir>/<name>[-<page>].png.
inline bool saveFormPages(QWidget *form, const QString &dir, const QString &name)
{
    QDir().mkpath(dir);
    const QList<QTabWidget *> tabs = form->findChildren<QTabWidget *>();
    bool ok = true;
    if (tabs.isEmpty()) {
        textfit::settle(form);
        return form->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
    }
    for (QTabWidget *tab : tabs) {
        const int shown = tab->currentIndex();
        for (int i = 0; i < tab->count(); ++i) {
            tab->setCurrentIndex(i);
            textfit::settle(form);
            ok &= form->grab().save(QDir(dir).filePath(QStringLiteral("%1-%2.png").arg(name).arg(i)));
        }
        tab->setCurrentIndex(shown);
    }
    return ok;
}

// Reports of the texts that do not fit, one per language; empty when all
// fit. With VYR_SHOTS set, Russian pictures of the form go there. Ends in
// English, with the form re-texted.
inline QStringList formTextFit(QWidget *form, const std::function<void()> &retranslate, const QString &name,
                               const textfit::Options &options = textfit::Options())
{
    TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
    QStringList reports = textFitInAllLanguages(form, languages, retranslate, options);
    const QString dir = qEnvironmentVariable("VYR_SHOTS");
    if (!dir.isEmpty() && languages.use(QStringLiteral("ru"))) {
        retranslate();
        if (!saveFormPages(form, dir, name))
            reports << QStringLiteral("pictures of %1 not saved in %2").arg(name, dir);
    }
    languages.removeAll();
    retranslate();
    return reports;
}
