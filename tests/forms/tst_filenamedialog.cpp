#include "filenamedialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// Stands in for the Device: records the name requests and proposes names.
class FakeRemote : public QObject
{
    Q_OBJECT
public:
    QList<uint> requests;
public slots:
    void getNewFileName(uint test) { requests << test; }
signals:
    void newFileNameReceived(QString fileName);
};

class FileNameDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutRemoteOpensEmpty();
    void asksRemoteOnceAndTakesItsProposal();
    void typing_data();
    void typing();
    void lateProposalKeepsTypedText();
    void emptyProposalKeepsOkDisabled();
    void okAcceptsAndCancelRejects();

private:
    static QLineEdit *edit(FileNameDialog &d) { return d.findChild<QLineEdit *>(QStringLiteral("lFileName")); }
    static QPushButton *ok(FileNameDialog &d)
    {
        return d.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
    }
};

void FileNameDialogTest::withoutRemoteOpensEmpty()
{
    FileNameDialog dialog(nullptr, 2);
    dialog.show();
    QVERIFY(edit(dialog));
    QVERIFY(edit(dialog)->text().isEmpty());
    QVERIFY(!ok(dialog)->isEnabled());
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter file name"));
    QCOMPARE(dialog.fileName(), QString());
}

void FileNameDialogTest::asksRemoteOnceAndTakesItsProposal()
{
    FakeRemote remote;
    FileNameDialog dialog(&remote, 19);
    dialog.show();
    // The request is queued towards the worker thread: it arrives with the
    // event loop, once.
    QVERIFY(remote.requests.isEmpty());
    QTRY_COMPARE(remote.requests, QList<uint>{19u});

    emit remote.newFileNameReceived(QStringLiteral("BERT 0001"));
    QCOMPARE(edit(dialog)->text(), QString());  // queued as well
    QTRY_COMPARE(edit(dialog)->text(), QStringLiteral("BERT 0001"));
    QVERIFY(ok(dialog)->isEnabled());
    QCOMPARE(dialog.fileName(), QStringLiteral("BERT 0001"));
    QCOMPARE(remote.requests.size(), 1);
}

void FileNameDialogTest::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("okEnabled");
    QTest::newRow("plain") << "report1" << "report1" << "report1" << true;
    QTest::newRow("trimmed") << "  my report  " << "  my report  " << "my report" << true;
    QTest::newRow("blanks only") << "    " << "    " << "" << false;
    QTest::newRow("allowed marks") << "a*b#c.d,e" << "a*b#c.d,e" << "a*b#c.d,e" << true;
    QTest::newRow("refused characters") << "a/b_c-d\\e:f" << "abcdef" << "abcdef" << true;
    QTest::newRow("only refused") << "/_-" << "" << "" << false;
    QTest::newRow("19 characters at most") << "abcdefghijklmnopqrstuvwxyz" << "abcdefghijklmnopqrs"
                                           << "abcdefghijklmnopqrs" << true;
}

void FileNameDialogTest::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, name);
    QFETCH(bool, okEnabled);

    FileNameDialog dialog(nullptr, 3);
    dialog.show();
    QTest::keyClicks(edit(dialog), typed);
    QCOMPARE(edit(dialog)->text(), shown);
    QCOMPARE(dialog.fileName(), name);
    QCOMPARE(ok(dialog)->isEnabled(), okEnabled);
}

void FileNameDialogTest::lateProposalKeepsTypedText()
{
    FakeRemote remote;
    FileNameDialog dialog(&remote, 2);
    dialog.show();
    QTest::keyClicks(edit(dialog), QStringLiteral("mine"));
    emit remote.newFileNameReceived(QStringLiteral("PROPOSED"));
    QTRY_COMPARE(remote.requests.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(edit(dialog)->text(), QStringLiteral("mine"));
    QCOMPARE(dialog.fileName(), QStringLiteral("mine"));
    QVERIFY(ok(dialog)->isEnabled());
}

void FileNameDialogTest::emptyProposalKeepsOkDisabled()
{
    FakeRemote remote;
    FileNameDialog dialog(&remote, 2);
    dialog.show();
    emit remote.newFileNameReceived(QString());
    emit remote.newFileNameReceived(QStringLiteral("   "));
    QTRY_COMPARE(edit(dialog)->text(), QStringLiteral("   "));
    QVERIFY(!ok(dialog)->isEnabled());
}

void FileNameDialogTest::okAcceptsAndCancelRejects()
{
    {
        FileNameDialog dialog(nullptr, 2);
        dialog.show();
        QTest::keyClicks(edit(dialog), QStringLiteral("cfg1"));
        QTest::mouseClick(ok(dialog), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.fileName(), QStringLiteral("cfg1"));
    }
    {
        FileNameDialog dialog(nullptr, 2);
        dialog.show();
        QTest::keyClicks(edit(dialog), QStringLiteral("cfg1"));
        auto *cancel = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel);
        QVERIFY(cancel->isEnabled());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
}

QTEST_MAIN(FileNameDialogTest)
#include "tst_filenamedialog.moc"
