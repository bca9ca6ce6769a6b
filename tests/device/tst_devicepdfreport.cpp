// The outcome of a PDF report request as Device announces it: a report
// written, a test without a report, a report that does not match its layout,
// or one not read whole from the tester, each with the yes/no of
// pdfReportCreated beside it.

#include "devicerig.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestDevicePdfReport : public QObject
{
    Q_OBJECT

private slots:
    void outcomeOfOneRequest_data()
    {
        QTest::addColumn<QByteArray>("contents");       // null: no such file
        QTest::addColumn<QByteArray>("readOverride");   // empty: none
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("created");
        const int noReport = int(PDFCreator::Outcome::NoReport);
        const int unreadable = int(PDFCreator::Outcome::Unreadable);
        const int notRead = int(PDFCreator::Outcome::NotRead);
        for (int id : {0, 14, 18, 20, 21}) {
            QByteArray report(600, '\x11');
            report[0] = char(id);
            QTest::addRow("test %d has no report", id) << report << QByteArray() << noReport << true;
        }
        QTest::newRow("file of no bytes") << QByteArray("") << QByteArray() << unreadable << false;
        QByteArray traffic(600, '\x11');
        traffic[0] = char(TestTraffic);
        // Long enough for its layout, but the header's port byte is 0x11.
        QTest::newRow("traffic, port byte 17") << traffic << QByteArray() << unreadable << false;
        traffic[1] = char(PortB);
        QTest::newRow("traffic, one byte short") << traffic.left(303) << QByteArray() << unreadable << false;
        // Byte 0 names no test at all: a format this program does not know.
        for (int id : {22, 99, 255}) {
            QByteArray report(600, '\x11');
            report[0] = char(id);
            QTest::addRow("byte 0 is %d", id) << report << QByteArray() << unreadable << false;
        }
        QTest::newRow("no such file") << QByteArray() << QByteArray() << notRead << false;
        QByteArray oam(1200, '\x01');
        oam[0] = char(TestOam);
        // A test without a report still needs the whole file read: 10 of
        // the 512 bytes asked for.
        QTest::newRow("OAM, a chunk cut short") << oam << QByteArray(11, '\0') << notRead << false;
    }
    void outcomeOfOneRequest()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, readOverride);
        QFETCH(int, outcome);
        QFETCH(bool, created);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));

        DeviceRig rig(0);
        rig.tester([&](SimRemoteResponder &r) {
            if (!contents.isNull())
                r.files << SimRemoteResponder::File{QStringLiteral("REP"), FileTypeReport, contents, 0, 0};
        });
        QVERIFY(rig.connectDevice());
        // Both signals of the request, as the GUI thread receives them.
        QList<QPair<QString, QVariant>> order;
        QObject::connect(rig.device, &Device::pdfReportFinished, &rig.log, [&](PDFCreator::Outcome o) {
            order << qMakePair(QStringLiteral("finished"), QVariant(int(o)));
        }, Qt::QueuedConnection);
        QObject::connect(rig.device, &Device::pdfReportCreated, &rig.log,
                         [&](bool ok) { order << qMakePair(QStringLiteral("created"), QVariant(ok)); },
                         Qt::QueuedConnection);
        if (!readOverride.isEmpty())
            rig.tester([&](SimRemoteResponder &r) { r.replyOverride[0x06] = readOverride; });
        rig.inWorker([&] { rig.device->createPdfReport(QStringLiteral("REP"), pdf); });
        QVERIFY(rig.drain());
        QCOMPARE(order.size(), 2);
        QCOMPARE(order.at(0).first, QString("finished"));
        QCOMPARE(order.at(0).second.toInt(), outcome);
        QCOMPARE(order.at(1).first, QString("created"));
        QCOMPARE(order.at(1).second.toBool(), created);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(rig.log.count("disconnected"), 0);
    }

    // A reply to "open file" too short to carry the file's length and error
    // byte opened nothing: no PDF, and not "no report for this test" either,
    // which an empty reply taken as an empty file would give.
    void shortOpenReplyIsAFailure_data()
    {
        QTest::addColumn<QByteArray>("openReply");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("length only") << QByteArray(2, '\0');
    }
    void shortOpenReplyIsAFailure()
    {
        QFETCH(QByteArray, openReply);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QByteArray traffic(600, '\x11');
        traffic[0] = char(TestTraffic);
        traffic[1] = 0;

        DeviceRig rig(0);
        rig.tester([&](SimRemoteResponder &r) {
            r.files << SimRemoteResponder::File{QStringLiteral("REP"), FileTypeReport, traffic, 0, 0};
            r.replyOverride[0x05] = openReply;
        });
        QVERIFY(rig.connectDevice());
        QList<int> outcomes;
        QObject::connect(rig.device, &Device::pdfReportFinished, &rig.log,
                         [&](PDFCreator::Outcome o) { outcomes << int(o); }, Qt::QueuedConnection);
        rig.inWorker([&] { rig.device->createPdfReport(QStringLiteral("REP"), pdf); });
        QVERIFY(rig.drain());
        QCOMPARE(rig.log.count("pdfReportCreated"), 1);
        QCOMPARE(rig.log.lastArgs("pdfReportCreated"), QVariantList{false});
        QCOMPARE(outcomes.size(), 1);
        QVERIFY(outcomes.first() != int(PDFCreator::Outcome::NoReport));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(rig.requestsOf(0x06).size(), 0);
        QCOMPARE(rig.log.count("disconnected"), 0);
    }
};

QTEST_MAIN(TestDevicePdfReport)
#include "tst_devicepdfreport.moc"
