#pragma once

// A file form of the file transfer window under test against the simulated
// tester, shown in a window of its own.

#include "formrig.h"
#include "../support/filerequests.h"
#include "../support/widgetlookup.h"

#include <QListWidget>
#include <QStringList>

#include <memory>

// A file form under test against the simulated tester: the test class
// derives from it (after QObject) and builds rig and form.
template <class Form>
struct FileFormTest
{
    std::unique_ptr<FormRig> rig;
    Form *form = nullptr;

    template <class T>
    T *child(const char *name)
    {
        return findWidget<T>(form, name);
    }
    QListWidget *list() { return child<QListWidget>("listWidget"); }
    QStringList shownNames() { return listedNames(form); }
    // The file requests since the last clear (fileRequests()).
    QStringList sent() { return fileRequests(rig->requests()); }

    void setFiles(const QList<SimRemoteResponder::File> &files)
    {
        rig->tester([&](SimRemoteResponder &r) { r.files = files; });
    }

    // The list as the tester has it now, shown and settled; the requests
    // cleared.
    bool refreshed()
    {
        form->activate();
        const bool drained = rig->drain();
        rig->sim.clearRequests();
        return drained;
    }
};
