// The names the file forms propose for the files they write on the PC.

#include "localfiles.h"

#include <QDateTime>
#include <QtTest>

class TestLocalFiles : public QObject
{
    Q_OBJECT

private slots:
    void proposedPdfFileName_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("plain") << "R1" << "R1.pdf";
        QTest::newRow("blanks, dots and commas stay") << "TRAF 0001,A.b" << "TRAF 0001,A.b.pdf";
        QTest::newRow("hash stays") << "RFC#2" << "RFC#2.pdf";
        // The file name dialog lets the operator type '*'; Windows refuses it.
        QTest::newRow("star") << "TRAF*01" << "TRAF_01.pdf";
        QTest::newRow("every forbidden mark") << "a*b?c:d/e\\f\"g<h>i|j" << "a_b_c_d_e_f_g_h_i_j.pdf";
        QTest::newRow("control characters") << QString("A\x01" "B\tC\x7F") << "A_B_C_.pdf";
        QTest::newRow("outer blanks dropped") << "  R 2  " << "R 2.pdf";
        QTest::newRow("empty") << "" << "report.pdf";
        QTest::newRow("blanks only") << "   " << "report.pdf";
        QTest::newRow("longest tester name") << "ABCDEFGHIJKLMNOPQRSTU" << "ABCDEFGHIJKLMNOPQRSTU.pdf";
        QTest::newRow("Latin-1 letters stay") << QString::fromLatin1("Pr\xfc" "fung") << QString::fromLatin1("Pr\xfc" "fung.pdf");
    }
    void proposedPdfFileName()
    {
        QFETCH(QString, report);
        QFETCH(QString, proposed);
        QCOMPARE(::proposedPdfFileName(report), proposed);
    }

    void screenshotFileName_data()
    {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("name");
        QTest::newRow("afternoon, 24-hour clock") << QDateTime(QDate(2017, 11, 29), QTime(14, 5, 9))
                                                  << "2017-11-29 14-05-09.png";
        QTest::newRow("midnight") << QDateTime(QDate(2024, 1, 2), QTime(0, 0, 0)) << "2024-01-02 00-00-00.png";
        QTest::newRow("last second of a year") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59))
                                               << "1999-12-31 23-59-59.png";
    }
    void screenshotFileName()
    {
        QFETCH(QDateTime, at);
        QFETCH(QString, name);
        QCOMPARE(::screenshotFileName(at), name);
    }
};

QTEST_MAIN(TestLocalFiles)
#include "tst_localfiles.moc"
