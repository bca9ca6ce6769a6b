// The date and time dialog of the tester's clock, offscreen: the clock value
// goes in and comes out unchanged as UTC, the date keeps its range
// 31.12.1999-31.12.2035 however it is set or typed, and only OK accepts.

#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "datetimedialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

namespace {

// 31.12.1999 00:00:00 and 31.12.2035 23:59:59 UTC.
constexpr uint32_t FirstClock = 946598400u;
constexpr uint32_t LastClock = 2082758399u;
constexpr uint32_t SecondsPerDay = 86400u;

} // namespace

class TestDateTimeDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DateTimeDialog> dialog;

    QDateEdit *dateEdit() { return findWidget<QDateEdit>(dialog.get(), "dateEdit"); }
    QTimeEdit *timeEdit() { return findWidget<QTimeEdit>(dialog.get(), "timeEdit"); }

    // Types a date as an operator would, section by section (year first,
    // so that the day typed last is checked against its own month).
    void typeDate(const QString &day, const QString &month, const QString &year)
    {
        dateEdit()->setFocus();
        const QPair<QDateTimeEdit::Section, QString> sections[] = {
            {QDateTimeEdit::YearSection, year},
            {QDateTimeEdit::MonthSection, month},
            {QDateTimeEdit::DaySection, day},
        };
        for (const auto &s : sections) {
            dateEdit()->setSelectedSection(s.first);
            QTest::keyClicks(dateEdit(), s.second);
        }
        QTest::keyClick(dateEdit(), Qt::Key_Enter);
        dateEdit()->clearFocus();
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
    }

    void init()
    {
        dialog.reset(new DateTimeDialog);
    }

    void cleanup()
    {
        dialog.reset();
    }

    void built()
    {
        QCOMPARE(dialog->windowTitle(), QString("Clock"));
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dateEdit()->displayFormat(), QString("dd.MM.yy"));
        QCOMPARE(timeEdit()->displayFormat(), QString("HH:mm:ss"));
        QVERIFY(dateEdit()->calendarPopup());
        QCOMPARE(dateEdit()->minimumDate(), QDate(1999, 12, 31));
        QCOMPARE(dateEdit()->maximumDate(), QDate(2035, 12, 31));
    }

    void roundTrip_data()
    {
        QTest::addColumn<uint>("clock");
        QTest::newRow("first second") << FirstClock;
        QTest::newRow("millennium") << 946684800u;
        QTest::newRow("2023") << 1700000000u;
        QTest::newRow("2035, one day before the end") << LastClock - SecondsPerDay;
        QTest::newRow("last second") << LastClock;
    }
    void roundTrip()
    {
        QFETCH(uint, clock);
        dialog->setDateTime(clock);
        QCOMPARE(uint(dialog->dateTime()), clock);
    }

    void showsUtcWithoutShift()
    {
        dialog->setDateTime(1700000000u);
        QCOMPARE(dateEdit()->date(), QDate(2023, 11, 14));
        QCOMPARE(timeEdit()->time(), QTime(22, 13, 20));
        QCOMPARE(dateEdit()->text(), QString("14.11.23"));
        QCOMPARE(timeEdit()->text(), QString("22:13:20"));
    }

    // A clock outside the range shows the nearest end with its own time
    // of day, and that is what comes back.
    void clockOutsideTheRangeShowsItsEnd_data()
    {
        QTest::addColumn<uint>("clock");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("0") << 0u << QDate(1999, 12, 31) << QTime(0, 0);
        QTest::newRow("30.12.1999 13:14:15") << FirstClock - SecondsPerDay + 47655u << QDate(1999, 12, 31)
                                             << QTime(13, 14, 15);
        QTest::newRow("1.1.2036 06:00") << LastClock + 1u + 6u * 3600u << QDate(2035, 12, 31) << QTime(6, 0);
        QTest::newRow("largest") << 0xFFFFFFFFu << QDate(2035, 12, 31) << QTime(6, 28, 15);
    }
    void clockOutsideTheRangeShowsItsEnd()
    {
        QFETCH(uint, clock);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        dialog->setDateTime(clock);
        QCOMPARE(dateEdit()->date(), date);
        QCOMPARE(timeEdit()->time(), time);
        QCOMPARE(dialog->dateTime(), uint32_t(QDateTime(date, time, Qt::UTC).toSecsSinceEpoch()));
    }

    // Typed dates: the two-digit year always means a year of the range,
    // and no date outside it is taken.
    void typedDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::newRow("in range") << "05.04.27" << QDate(2027, 4, 5);
        QTest::newRow("last day") << "31.12.35" << QDate(2035, 12, 31);
        // Not taken; what the edit keeps of the keys is Qt's affair, but it
        // stays within the range (a null date: no exact expectation).
        QTest::newRow("year 36") << "14.11.36" << QDate();
        QTest::newRow("year 99") << "14.11.99" << QDate();
        QTest::newRow("year 00") << "05.04.00" << QDate(2000, 4, 5);
    }
    void typedDates()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        dialog->setDateTime(1700000000u);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QStringList parts = typed.split(QLatin1Char('.'));
        typeDate(parts.at(0), parts.at(1), parts.at(2));
        if (date.isValid())
            QCOMPARE(dateEdit()->date(), date);
        const QDate d = QDateTime::fromSecsSinceEpoch(dialog->dateTime(), Qt::UTC).date();
        QVERIFY(d >= QDate(1999, 12, 31) && d <= QDate(2035, 12, 31));
    }

    void onlyOkAccepts_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 0 << int(QDialog::Accepted);
        QTest::newRow("Cancel") << 1 << int(QDialog::Rejected);
        QTest::newRow("Escape") << 2 << int(QDialog::Rejected);
        QTest::newRow("close button") << 3 << int(QDialog::Rejected);
    }
    void onlyOkAccepts()
    {
        QFETCH(int, how);
        QFETCH(int, result);
        auto *box = findWidget<QDialogButtonBox>(dialog.get(), "buttonBox");
        QTimer::singleShot(0, [&] {
            switch (how) {
            case 0: box->button(QDialogButtonBox::Ok)->click(); break;
            case 1: box->button(QDialogButtonBox::Cancel)->click(); break;
            case 2: QTest::keyClick(dialog.get(), Qt::Key_Escape); break;
            default: dialog->close(); break;
            }
        });
        QCOMPARE(dialog->exec(), result);
    }

    void textsFit()
    {
        dialog->setDateTime(LastClock);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList reports = textFitInAllLanguages(dialog.get(), languages, [] {});
        {
            // Built anew in Russian: the dialog takes its texts when made.
            QVERIFY(languages.use("ru"));
            DateTimeDialog ru;
            ru.setDateTime(LastClock);
            ru.show();
            QVERIFY(textfit::savePicture(&ru, QStringLiteral("datetimedialog.png")));
        }
        languages.removeAll();
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
    }
};

QTEST_MAIN(TestDateTimeDialog)
#include "tst_datetimedialog.moc"
