#pragma once

// The text-fit check of a form tested on its own, in Russian, English and
// German, and Russian pictures of its pages for a person to look at (with
// VYR_SCREENSHOT_DIR set; see textfit::savePicture).

#include "textfit.h"

#include <QStackedWidget>
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

// Brings the page that holds w to the front of every tab widget above it.
inline void showPageOf(QWidget *w)
{
    for (QWidget *child = w; child && child->parentWidget(); child = child->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(child->parentWidget());
        auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs)
            tabs->setCurrentWidget(child);
    }
}

// Pictures of the form, one per page of each of its tab widgets (nested ones
// included), as <name>[-<tabs>-<page>].png; the pages on show before are
// shown again after. False when a picture could not be saved.
inline bool saveFormPages(QWidget *form, const QString &name)
{
    const QList<QTabWidget *> tabs = form->findChildren<QTabWidget *>();
    if (tabs.isEmpty())
        return textfit::savePicture(form, name + QStringLiteral(".png"));
    QList<int> shown;
    for (QTabWidget *tab : tabs)
        shown << tab->currentIndex();
    bool ok = true;
    for (int t = 0; t < tabs.size(); ++t) {
        for (int i = 0; i < tabs.at(t)->count(); ++i) {
            showPageOf(tabs.at(t)->widget(i));
            ok &= textfit::savePicture(form, QStringLiteral("%1-%2-%3.png").arg(name).arg(t).arg(i));
        }
    }
    for (int t = 0; t < tabs.size(); ++t)
        tabs.at(t)->setCurrentIndex(shown.at(t));
    return ok;
}

// Reports of the texts that do not fit, one per language; empty when all
// fit. Russian pictures of the form's pages are saved on the way. Ends in
// English, with the form re-texted.
inline QStringList formTextFit(QWidget *form, const std::function<void()> &retranslate, const QString &name,
                               const textfit::Options &options = textfit::Options())
{
    TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
    QStringList reports = textFitInAllLanguages(form, languages, retranslate, options);
    if (languages.use(QStringLiteral("ru"))) {
        retranslate();
        if (!saveFormPages(form, name))
            reports << QStringLiteral("pictures of %1 not saved").arg(name);
    }
    languages.removeAll();
    retranslate();
    return reports;
}
