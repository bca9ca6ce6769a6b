#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// The local user database "db.sqlite" in the working directory, opened as the
// default SQLite connection. An empty database gets the table `users` and the
// built-in account; a database that holds other tables but no `users` table,
// or in which that table or the built-in row cannot be written, counts as not
// open, so no operator can log in against it. GUI thread only.
class DataBase : public QObject
{
    Q_OBJECT

public:
    explicit DataBase(QObject *parent = nullptr);
    ~DataBase() override;

    bool isOpen() const { return m_open; }

    // MD5 of the password as 32 lower-case hex digits. Latin-1 passwords are
    // hashed from their Latin-1 bytes; a password with any character outside
    // Latin-1 is hashed from its UTF-8 bytes, so no two such passwords
    // collapse into one digest through '?' substitutes.
    static QString hashPassword(const QString &password);

    // True when a row of `users` has this login and this password's digest.
    bool checkUser(const QString &login, const QString &password) const;

private:
    bool createUsersTable();

    QSqlDatabase m_db;
    QString m_connectionName;
    bool m_open = false;
};
