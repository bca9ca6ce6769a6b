#include "database.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Each case runs in an empty temporary working directory, where the
// database file "db.sqlite" is looked for.
class DataBaseTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void digest_data();
    void digest();
    void emptyFolderGetsTableAndBuiltInAccount();
    void logins_data();
    void logins();
    void reopeningKeepsOneBuiltInRow();
    void rowsWrittenByOthersAdmitTheirOperators();
    void foreignDatabaseCountsAsNotOpen();
    void brokenFileCountsAsNotOpenAndIsLeftAlone();

private:
    // Runs statements on db.sqlite through a connection of its own, closed
    // again before the function returns.
    static QVariantList query(const QString &statement, bool *ok = nullptr);
    static void exec(const QString &statement);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

void DataBaseTest::init()
{
    m_previousDir = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void DataBaseTest::cleanup()
{
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

QVariantList DataBaseTest::query(const QString &statement, bool *ok)
{
    QVariantList values;
    const QString name = QStringLiteral("inspect");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral("db.sqlite"));
        const bool opened = db.open();
        QSqlQuery q(db);
        const bool ran = opened && q.exec(statement);
        if (ok)
            *ok = ran;
        while (ran && q.next()) {
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i);
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

void DataBaseTest::exec(const QString &statement)
{
    bool ok = false;
    query(statement, &ok);
    QVERIFY2(ok, qPrintable(statement));
}

void DataBaseTest::digest_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("bytesHashed");
    QTest::newRow("built-in") << "tuvex" << QByteArray("tuvex");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("latin-1") << QString::fromUtf8("pässwörd") << QByteArray("p\xe4ssw\xf6rd");
    QTest::newRow("cyrillic") << QString::fromUtf8("пароль") << QString::fromUtf8("пароль").toUtf8();
}

void DataBaseTest::digest()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, bytesHashed);
    const QString expected = QString::fromLatin1(QCryptographicHash::hash(bytesHashed, QCryptographicHash::Md5).toHex());
    QCOMPARE(DataBase::hashPassword(password), expected);
    QCOMPARE(DataBase::hashPassword(QStringLiteral("tuvex")), QStringLiteral("9035899d2bc80f634a8b11d559283a8d"));
    // Passwords outside Latin-1 must not collapse into the same '?' digest.
    QVERIFY(DataBase::hashPassword(QString::fromUtf8("пароль")) != DataBase::hashPassword(QString::fromUtf8("парола")));
}

void DataBaseTest::emptyFolderGetsTableAndBuiltInAccount()
{
    QVERIFY(!QFile::exists(QStringLiteral("db.sqlite")));
    {
        DataBase db;
        QVERIFY(db.isOpen());
        QVERIFY(QFile::exists(QStringLiteral("db.sqlite")));
        QVERIFY(db.checkUser(QStringLiteral("tuvex"), QStringLiteral("tuvex")));
    }
    const QVariantList row = query(QStringLiteral("SELECT id, login, encriptpass, status FROM users"));
    QCOMPARE(row, (QVariantList{1001, QStringLiteral("tuvex"), QStringLiteral("9035899d2bc80f634a8b11d559283a8d"), 1}));
}

void DataBaseTest::logins_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("built-in") << "tuvex" << "tuvex" << true;
    QTest::newRow("wrong password") << "tuvex" << "tuvexx" << false;
    QTest::newRow("empty password") << "tuvex" << "" << false;
    QTest::newRow("login case") << "Tuvex" << "tuvex" << false;
    QTest::newRow("unknown login") << "admin" << "tuvex" << false;
    QTest::newRow("quote in login") << "tuvex'" << "tuvex" << false;
    QTest::newRow("injection in login") << "x' OR '1'='1' --" << "tuvex" << false;
    QTest::newRow("injection in password") << "tuvex" << "' OR '1'='1" << false;
}

void DataBaseTest::logins()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    DataBase db;
    QVERIFY(db.isOpen());
    QCOMPARE(db.checkUser(login, password), accepted);
}

void DataBaseTest::reopeningKeepsOneBuiltInRow()
{
    { DataBase first; QVERIFY(first.isOpen()); }
    {
        DataBase second;
        QVERIFY(second.isOpen());
        QVERIFY(second.checkUser(QStringLiteral("tuvex"), QStringLiteral("tuvex")));
    }
    QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM users")), QVariantList{1});
}

void DataBaseTest::rowsWrittenByOthersAdmitTheirOperators()
{
    { DataBase init; QVERIFY(init.isOpen()); }
    exec(QStringLiteral("INSERT INTO users (login, encriptpass, status) VALUES ('o''neil', '%1', 0)")
             .arg(DataBase::hashPassword(QStringLiteral("secret"))));

    DataBase db;
    QVERIFY(db.isOpen());
    QVERIFY(db.checkUser(QStringLiteral("o'neil"), QStringLiteral("secret")));
    QVERIFY(!db.checkUser(QStringLiteral("o'neil"), QStringLiteral("tuvex")));
    QVERIFY(db.checkUser(QStringLiteral("tuvex"), QStringLiteral("tuvex")));
}

void DataBaseTest::foreignDatabaseCountsAsNotOpen()
{
    exec(QStringLiteral("CREATE TABLE settings (name TEXT, value TEXT)"));
    {
        DataBase db;
        QVERIFY(!db.isOpen());
        QVERIFY(!db.checkUser(QStringLiteral("tuvex"), QStringLiteral("tuvex")));
    }
    // Nothing was added to somebody else's database.
    const QVariantList tables = query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    QCOMPARE(tables, QVariantList{QStringLiteral("settings")});
}

void DataBaseTest::brokenFileCountsAsNotOpenAndIsLeftAlone()
{
    const QByteArray garbage = QByteArray("this is not an SQLite database").repeated(64);
    {
        QFile f(QStringLiteral("db.sqlite"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(garbage), qint64(garbage.size()));
    }
    {
        DataBase db;
        QVERIFY(!db.isOpen());
        QVERIFY(!db.checkUser(QStringLiteral("tuvex"), QStringLiteral("tuvex")));
    }
    QFile f(QStringLiteral("db.sqlite"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), garbage);
}

QTEST_GUILESS_MAIN(DataBaseTest)
#include "tst_database.moc"
