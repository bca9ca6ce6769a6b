// The translation catalogues stay in step with the code. Each refresh target
// of the build (vyr_lupdate in cmake/VyrHelpers.cmake) is run as the build
// runs it, but on copies of its catalogues: it must neither drop an entry (a
// text the sources no longer name, say one looked up through a variable
// without a QT_TRANSLATE_NOOP mark: its translation would be lost on the
// next refresh) nor add one (a text of the sources no catalogue has yet).
// Every entry of a catalogue carries a finished translation.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Catalogue
{
    QSet<QString> active;       // "context | source | comment"
    QStringList unfinished;
    QString error;
};

QString entryName(const QString &context, const QString &source, const QString &comment)
{
    QString name = QStringLiteral("%1 | %2").arg(context, source);
    if (!comment.isEmpty())
        name += QStringLiteral(" | ") + comment;
    return name.replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

Catalogue readCatalogue(const QString &path)
{
    Catalogue c;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        c.error = QStringLiteral("cannot read %1").arg(path);
        return c;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    QString type;
    bool translated = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef tag = xml.name();
            if (tag == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (tag == QLatin1String("message")) {
                source.clear();
                comment.clear();
                type.clear();
                translated = false;
            } else if (tag == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (tag == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (tag == QLatin1String("translation")) {
                type = xml.attributes().value(QLatin1String("type")).toString();
                translated = !xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            const QString name = entryName(context, source, comment);
            c.active.insert(name);
            if (type == QLatin1String("unfinished") || !translated)
                c.unfinished << name;
        }
    }
    if (xml.hasError())
        c.error = QStringLiteral("%1: %2").arg(path, xml.errorString());
    return c;
}

QStringList sorted(const QSet<QString> &set)
{
    QStringList list = set.values();
    list.sort();
    return list;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void inStepWithTheCode_data()
    {
        QTest::addColumn<QString>("argsFile");
        const QDir dir(QStringLiteral(VYR_CATALOGUE_DIR));
        const QStringList files = dir.entryList({QStringLiteral("*.args")}, QDir::Files, QDir::Name);
        for (const QString &f : files)
            QTest::newRow(qPrintable(f)) << dir.filePath(f);
        // VyrRemote's and vyrup's catalogues at least.
        if (files.size() < 2)
            QTest::newRow("refresh targets missing") << QString();
    }

    void inStepWithTheCode()
    {
        QFETCH(QString, argsFile);
        QVERIFY2(!argsFile.isEmpty(), "no refresh target recorded in " VYR_CATALOGUE_DIR);
        QFile f(argsFile);
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const int ts = lines.indexOf(QStringLiteral("-ts"));
        QVERIFY2(ts > 0 && ts + 1 < lines.size(), qPrintable(argsFile));

        QTemporaryDir copies;
        QVERIFY(copies.isValid());
        QStringList args = lines.mid(0, ts + 1);
        QStringList originals;
        for (const QString &catalogue : lines.mid(ts + 1)) {
            const QString copy = copies.filePath(QFileInfo(catalogue).fileName());
            QVERIFY2(QFile::copy(catalogue, copy), qPrintable(catalogue));
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
            originals << catalogue;
            args << copy;
        }

        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(VYR_PROJECT_DIR));
        lupdate.start(QStringLiteral(VYR_LUPDATE), args);
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(lupdate.readAllStandardError())));

        QStringList problems;
        for (const QString &original : qAsConst(originals)) {
            const QString name = QFileInfo(original).fileName();
            const Catalogue before = readCatalogue(original);
            const Catalogue after = readCatalogue(copies.filePath(name));
            QVERIFY2(before.error.isEmpty(), qPrintable(before.error));
            QVERIFY2(after.error.isEmpty(), qPrintable(after.error));
            for (const QString &e : sorted(before.active - after.active))
                problems << QStringLiteral("%1 would drop: %2").arg(name, e);
            for (const QString &e : sorted(after.active - before.active))
                problems << QStringLiteral("%1 would add: %2").arg(name, e);
            for (const QString &e : before.unfinished)
                problems << QStringLiteral("%1 has no finished translation of: %2").arg(name, e);
        }
        if (!problems.isEmpty())
            qWarning().noquote() << problems.join(QLatin1Char('\n'));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
