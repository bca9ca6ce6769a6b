// The address checks of the settings window: what the validators let the
// operator type, which texts Apply takes as complete, and how a stored
// address is shown.

#include "addressfields.h"
#include "updater.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QtTest>

Q_DECLARE_METATYPE(QValidator::State)

class TstOscAddressFields : public QObject
{
    Q_OBJECT
private slots:
    void completeAddress_data();
    void completeAddress();
    void completeMask_data();
    void completeMask();
    void validators_data();
    void validators();
    void shownText_data();
    void shownText();
};

void TstOscAddressFields::completeAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");
    QTest::newRow("plain") << "10.0.0.5" << true;
    QTest::newRow("leading zeros") << "192.168.001.202" << true;
    QTest::newRow("all zero") << "0.0.0.0" << true;
    QTest::newRow("top") << "255.255.255.255" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("two parts") << "192.168" << false;
    QTest::newRow("trailing dot") << "192.168.1." << false;
    QTest::newRow("empty part") << "192..1.2" << false;
    QTest::newRow("octet 256") << "10.0.0.256" << false;
    QTest::newRow("four digits") << "10.0.0.0010" << false;
    QTest::newRow("five parts") << "1.2.3.4.5" << false;
    QTest::newRow("sign") << "10.0.+1.5" << false;
    QTest::newRow("blank") << "10.0. 1.5" << false;
    QTest::newRow("letters") << "abc" << false;
}

void TstOscAddressFields::completeAddress()
{
    QFETCH(QString, text);
    QFETCH(bool, complete);
    QCOMPARE(AddressFields::isCompleteAddress(text), complete);
}

void TstOscAddressFields::completeMask_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");
    QTest::newRow("/24") << "255.255.255.0" << true;
    QTest::newRow("stored default /24") << "255.255.255.000" << true;
    QTest::newRow("/30") << "255.255.255.252" << true;
    QTest::newRow("/32") << "255.255.255.255" << true;
    QTest::newRow("/9") << "255.128.0.0" << true;
    QTest::newRow("/0") << "0.0.0.0" << true;
    QTest::newRow("half-typed 252") << "255.255.255.25" << false;
    QTest::newRow("half-typed 255.2") << "255.2" << false;
    QTest::newRow("holes") << "255.0.255.0" << false;
    QTest::newRow("not contiguous") << "255.255.253.0" << false;
    QTest::newRow("empty") << "" << false;
}

void TstOscAddressFields::completeMask()
{
    QFETCH(QString, text);
    QFETCH(bool, complete);
    QCOMPARE(AddressFields::isCompleteMask(text), complete);
}

void TstOscAddressFields::validators_data()
{
    QTest::addColumn<bool>("mask");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("address") << false << "10.0.0.5" << QValidator::Acceptable;
    QTest::newRow("address, zeros") << false << "192.168.001.202" << QValidator::Acceptable;
    QTest::newRow("address, prefix") << false << "192.168" << QValidator::Intermediate;
    QTest::newRow("address, 256") << false << "256" << QValidator::Invalid;
    QTest::newRow("address, 300 later") << false << "10.300" << QValidator::Invalid;
    QTest::newRow("address, five parts") << false << "1.2.3.4.5" << QValidator::Invalid;
    QTest::newRow("address, letter") << false << "10.a" << QValidator::Invalid;
    QTest::newRow("mask /24") << true << "255.255.255.0" << QValidator::Acceptable;
    QTest::newRow("mask /16") << true << "255.255.0.0" << QValidator::Acceptable;
    QTest::newRow("mask /1") << true << "128.0.0.0" << QValidator::Acceptable;
    // The stored default is shown but cannot be typed.
    QTest::newRow("mask 000") << true << "255.255.255.000" << QValidator::Invalid;
    QTest::newRow("mask prefix") << true << "255.255.255.25" << QValidator::Intermediate;
    QTest::newRow("mask hole") << true << "255.0.255.0" << QValidator::Invalid;
    QTest::newRow("mask 253") << true << "255.255.253" << QValidator::Invalid;
}

void TstOscAddressFields::validators()
{
    QFETCH(bool, mask);
    QFETCH(QString, text);
    QFETCH(QValidator::State, state);
    QRegExpValidator v(QRegExp(mask ? AddressFields::maskExpression() : AddressFields::addressExpression()));
    int pos = 0;
    QCOMPARE(v.validate(text, pos), state);
}

void TstOscAddressFields::shownText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("default address") << "192.168.001.202" << "192.168.1.202";
    QTest::newRow("default gateway") << "192.168.001.001" << "192.168.1.1";
    QTest::newRow("default mask") << "255.255.255.000" << "255.255.255.0";
    QTest::newRow("all zeros") << "000.000.000.000" << "0.0.0.0";
    QTest::newRow("zero in the middle") << "10.0.000.5" << "10.0.0.5";
    QTest::newRow("already plain") << "10.20.30.40" << "10.20.30.40";
    QTest::newRow("top") << "255.255.255.255" << "255.255.255.255";
    // Not addresses: shown as they stand, so Apply can name them.
    QTest::newRow("half-typed") << "192.168" << "192.168";
    QTest::newRow("octet 256") << "010.0.0.256" << "010.0.0.256";
    QTest::newRow("five parts") << "1.2.3.4.005" << "1.2.3.4.005";
    QTest::newRow("letters") << "abc" << "abc";
    QTest::newRow("empty") << "" << "";
}

void TstOscAddressFields::shownText()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(AddressFields::shownText(stored), shown);
    // What is shown stays what was stored: the request carries the same value.
    QCOMPARE(Updater::parseIpAddress(shown), Updater::parseIpAddress(stored));
    if (AddressFields::isCompleteAddress(stored))
        QVERIFY(AddressFields::isCompleteAddress(shown));
}

QTEST_APPLESS_MAIN(TstOscAddressFields)
#include "tst_oscaddressfields.moc"
