#pragma once

// What the tests of the ping, trace route, DNS and IP scanner forms share:
// one form on its own, a real Device in a worker thread, and the simulated
// tester holding the form's records on Port A; and the steps each of those
// tests takes (fill the form, run it, empty its results, check its texts).

#include "formrig.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"

#include <QPushButton>
#include <QtTest>

#include <memory>

template <class Form>
class IpToolFormTest
{
protected:
    explicit IpToolFormTest(quint8 test)
        : test(test)
    {
    }

    // For initTestCase: the tester holds these settings on Port A and is
    // connected; the form is built.
    void setUpCase(const QByteArray &settings, bool realistic = false)
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        Q_INIT_RESOURCE(icons);
        rig.reset(new FormRig(0));
        rig->tester([&](SimRemoteResponder &r) { r.realistic = realistic; });
        store(settings);
        QVERIFY(rig->connectDevice());
        form = new Form(rig->device);
        form->resize(900, 600);
    }

    void tearDownCase()
    {
        delete form;
        rig.reset();
    }

    // For init: Port A current and idle, the tester holding these records,
    // the form activated and filled from them; no request logged.
    void setUp(const QByteArray &settings, const QByteArray &results)
    {
        rig->device->setCurrentProcess(PortA);
        store(settings);
        rig->storeResults(PortA, test, results);
        rig->tester([](SimRemoteResponder &r) {
            r.resultsValid = 1;
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
        });
        form->activate();
        QVERIFY(rig->drain());
        reload();
        rig->sim.clearRequests();
    }

    template <class T>
    T *child(const char *name)
    {
        return findWidget<T>(form, name);
    }

    void store(const QByteArray &settings, port_t port = PortA) { rig->storeSettings(port, test, settings); }

    // Reset: the form reads its record again and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    // The form activated again, reading these results.
    void showResults(const QByteArray &results)
    {
        rig->storeResults(PortA, test, results);
        form->activate();
        QVERIFY(rig->drain());
    }

    // The tester marks its results invalid: the form holds none.
    void showNoResults()
    {
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

    // Start sends these settings, the topology, the start and the results
    // request on the port; Stop stops the test there.
    void startAndStop(const QByteArray &settings, port_t port = PortA)
    {
        rig->sim.clearRequests();
        QPushButton *start = child<QPushButton>("bStart");
        QVERIFY(start->isEnabled());
        start->click();
        rig->expectStart(port, test, TopologySamePort, settings);
        rig->expectStop(child<QPushButton>("bStop"), port, test);
    }

    // The text-fit check of the form in every language; ends in English.
    void checkTextsFit(textfit::Options options = textfit::Options())
    {
        QStringList reports;
        {
            TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
            options.editableLineEdits = true;
            reports = textFitInAllLanguages(form, languages, [this] { form->retranslate(); }, options);
        }
        form->retranslate();
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }

    // The form in Russian: check(translate) compares what it shows with the
    // Russian texts; then back in English.
    void checkInRussian(const std::function<void()> &check)
    {
        TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        check();
        languages.removeAll();
        form->retranslate();
    }

    const quint8 test;
    std::unique_ptr<FormRig> rig;
    Form *form = nullptr;
};
