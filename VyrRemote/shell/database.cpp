#include "database.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

const char *const DatabaseFile = "db.sqlite";
const char *const UsersTable = "users";

const char *const CreateUsers =
    "CREATE TABLE users (id integer PRIMARY KEY AUTOINCREMENT NOT NULL,"
    "login TEXT,encriptpass TEXT,status integer UNSIGNED)";
const char *const InsertUser =
    "INSERT INTO users (id, login, encriptpass, status) VALUES (:id, :login, :encriptpass, :status)";
const char *const SelectUser =
    "SELECT login, encriptpass, status FROM users WHERE login = :login AND encriptpass = :encriptpass";

// The built-in account: login and password are the same text.
constexpr int BuiltInId = 1001;
const char *const BuiltInLogin = "tuvex";
constexpr int BuiltInStatus = 1;

bool isLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

} // namespace

DataBase::DataBase(QObject *parent)
    : QObject(parent)
{
    qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "Start data base working";
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_connectionName = m_db.connectionName();
    m_db.setDatabaseName(QString::fromLatin1(DatabaseFile));
    if (!m_db.open()) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "Data base is not opened" << m_db.lastError().text();
        return;
    }
    qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "Data base open success";

    const QStringList tables = m_db.tables();
    if (tables.isEmpty()) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "Data base is empty";
        if (!createUsersTable()) {
            m_db.close();
            return;
        }
    } else if (!tables.contains(QString::fromLatin1(UsersTable), Qt::CaseInsensitive)) {
        // Some other program's database: nobody could ever log in against it.
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "Data base holds no users table" << tables;
        m_db.close();
        return;
    }
    m_open = true;
}

DataBase::~DataBase()
{
    qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "Stop data base working";
    m_db.close();
    // Every handle on the connection must be gone before it is removed.
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

// Table and built-in row are written in one transaction: a database left
// with the table but without the row would admit nobody and would never be
// repaired, since only an empty database gets them.
bool DataBase::createUsersTable()
{
    if (!m_db.transaction()) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << m_db.lastError().text();
        return false;
    }
    QSqlQuery query(m_db);
    bool ok = query.exec(QString::fromLatin1(CreateUsers));
    if (ok) {
        ok = query.prepare(QString::fromLatin1(InsertUser));
        if (ok) {
            query.bindValue(QStringLiteral(":id"), BuiltInId);
            query.bindValue(QStringLiteral(":login"), QString::fromLatin1(BuiltInLogin));
            query.bindValue(QStringLiteral(":encriptpass"), hashPassword(QString::fromLatin1(BuiltInLogin)));
            query.bindValue(QStringLiteral(":status"), BuiltInStatus);
            ok = query.exec();
        }
    }
    if (!ok) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << query.lastError().text();
        query.finish();
        m_db.rollback();
        return false;
    }
    query.finish();
    if (!m_db.commit()) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << m_db.lastError().text();
        m_db.rollback();
        return false;
    }
    return true;
}

QString DataBase::hashPassword(const QString &password)
{
    const QByteArray bytes = isLatin1(password) ? password.toLatin1() : password.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

bool DataBase::checkUser(const QString &login, const QString &password) const
{
    if (!m_open)
        return false;
    QSqlQuery query(m_db);
    if (!query.prepare(QString::fromLatin1(SelectUser))) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << query.lastError().text();
        return false;
    }
    query.bindValue(QStringLiteral(":login"), login);
    query.bindValue(QStringLiteral(":encriptpass"), hashPassword(password));
    if (!query.exec()) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << query.lastError().text();
        return false;
    }
    return query.next();
}
