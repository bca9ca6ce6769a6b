// The names the file forms propose for the files they write on the PC, and
// the folder their save dialogs start in.

#include "localfiles.h"
#include "../support/modalscript.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// This process's home folder is a fresh one for as long as it lives, with
// no user-dirs file to name another Documents folder.
class FreshHome
{
public:
    FreshHome()
        : m_oldHome(qgetenv("HOME"))
        , m_oldConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/.config")));
    }
    ~FreshHome()
    {
        qputenv("HOME", m_oldHome);
        if (m_oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }
    QString path() const { return QDir(m_home.path()).absolutePath(); }
    QString documents() const { return path() + QStringLiteral("/Documents"); }

private:
    QTemporaryDir m_home;
    QByteArray m_oldHome;
    QByteArray m_oldConfig;
};

// What the store remembers in each case; "home", "documents" and "folder"
// stand for the fresh home, its Documents folder and a folder of its own.
QString rememberedPath(const QString &kind, const FreshHome &home, const QString &folder)
{
    if (kind == QLatin1String("absent") || kind == QLatin1String("empty"))
        return QString();
    if (kind == QLatin1String("folder"))
        return folder;
    if (kind == QLatin1String("folder, unclean"))
        return folder + QStringLiteral("/../") + QFileInfo(folder).fileName() + QStringLiteral("/.");
    if (kind == QLatin1String("gone"))
        return home.path() + QStringLiteral("/was-here");
    if (kind == QLatin1String("a file"))
        return folder + QStringLiteral("/file.txt");
    if (kind == QLatin1String("relative"))
        return QFileInfo(folder).fileName();
    return kind;
}

} // namespace

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

    // The PDF and screenshot save dialogs start in the folder they ended in
    // last time while it is still there, else in the user's Documents folder,
    // else in the home folder; never in the file-system root, which a user
    // cannot even write to. Both dialogs, each with its own key; the
    // dialog is cancelled, so the folder it started in is remembered.
    void saveDialogStartsInTheUsersFolder_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("documents");   // the home folder holds Documents
        QTest::addColumn<QString>("start");    // "folder", "documents" or "home"
        const struct {
            const char *name;
            const char *remembered;
            bool documents;
            const char *start;
        } cases[] = {
            {"never saved", "absent", true, "documents"},
            {"never saved, no Documents", "absent", false, "home"},
            {"empty", "empty", true, "documents"},
            {"remembered folder", "folder", true, "folder"},
            {"remembered folder, unclean path", "folder, unclean", true, "folder"},
            {"remembered folder gone", "gone", true, "documents"},
            {"remembered folder gone, no Documents", "gone", false, "home"},
            {"a file, not a folder", "a file", true, "documents"},
            {"a relative path", "relative", false, "home"},
        };
        for (const char *key : {"Paths/PDF", "Paths/PNG"}) {
            for (const auto &c : cases)
                QTest::addRow("%s, %s", key, c.name) << QString(key) << QString(c.remembered) << c.documents
                                                     << QString(c.start);
        }
    }
    void saveDialogStartsInTheUsersFolder()
    {
        QFETCH(QString, key);
        QFETCH(QString, remembered);
        QFETCH(bool, documents);
        QFETCH(QString, start);
        FreshHome home;
        const QString folder = home.path() + QStringLiteral("/reports");
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/file.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        if (documents)
            QVERIFY(QDir().mkpath(home.documents()));
        const QString expected = start == QLatin1String("folder")      ? folder
                                 : start == QLatin1String("documents") ? home.documents()
                                                                       : home.path();

        const QString path = rememberedPath(remembered, home, folder);
        QCOMPARE(saveDialogStartFolder(path), expected);

        QSettings settings(home.path() + QStringLiteral("/store.ini"), QSettings::IniFormat);
        if (remembered != QLatin1String("absent"))
            settings.setValue(key, path);
        ModalScript script;
        script.then(ModalScript::cancel());
        QWidget parent;
        const QString chosen = askSaveFileName(&parent, settings, key, QStringLiteral("PDF files (*.pdf)"),
                                               QStringLiteral("pdf"), QStringLiteral("R1.pdf"));
        QVERIFY(chosen.isEmpty());
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().className, QString("QFileDialog"));
        QCOMPARE(script.seen.first().directory, expected);
        QCOMPARE(settings.value(key).toString(), expected);
    }
};

QTEST_MAIN(TestLocalFiles)
#include "tst_localfiles.moc"
