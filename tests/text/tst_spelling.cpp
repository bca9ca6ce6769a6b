// The English a person reads in the three programs and in the PDF reports is
// spelled right. The texts are read where they are written down: every
// source text of the translation catalogues (each tr() text of VyrRemote,
// vyrup and the settings correction program), every string of the designer
// forms (also those marked untranslated), and the string literals of the
// report writers and of the format functions behind the windows, which put
// some untranslated words on screen and paper. A small table of spellings
// that once stood in them must find nothing.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Text
{
    QString where;   // catalogue and context, or file
    QString text;
};

QString sourceDir()
{
    return qEnvironmentVariable("VYR_SOURCE_DIR");
}

// The source texts of the active entries of a catalogue.
void readCatalogue(const QString &path, QVector<Text> &texts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            texts.append({QFileInfo(path).fileName() + QLatin1Char(' ') + context, xml.readElementText()});
    }
}

// Every <string> of a designer form but style sheets.
void readForm(const QString &path, QVector<Text> &texts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QString property;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("property"))
            property = xml.attributes().value(QLatin1String("name")).toString();
        else if (xml.name() == QLatin1String("string") && property != QLatin1String("styleSheet"))
            texts.append({path, xml.readElementText()});
    }
}

// The string literals of a C++ file, include lines and comments left out.
void readLiterals(const QString &path, QVector<Text> &texts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    // A quote, then characters other than a quote or backslash, or escapes.
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    int lineNumber = 0;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        ++lineNumber;
        if (line.trimmed().startsWith(QLatin1String("#include")))
            continue;
        const int comment = line.indexOf(QLatin1String("//"));
        auto it = literal.globalMatch(line);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            if (comment >= 0 && m.capturedStart() > comment)
                break;
            texts.append({QStringLiteral("%1:%2").arg(path).arg(lineNumber), m.captured(1)});
        }
    }
}

QStringList filesUnder(const QString &folder, const QStringList &patterns)
{
    QStringList files;
    QDirIterator it(sourceDir() + QLatin1Char('/') + folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

const QVector<Text> &allTexts()
{
    static const QVector<Text> texts = [] {
        QVector<Text> t;
        for (const QString &ts : filesUnder(QStringLiteral("resources"), {QStringLiteral("*.ts")}))
            readCatalogue(ts, t);
        for (const QString &folder : {QStringLiteral("VyrRemote"), QStringLiteral("VyrCommon"),
                                      QStringLiteral("updater"), QStringLiteral("OstrelsettingsCorrection")}) {
            for (const QString &ui : filesUnder(folder, {QStringLiteral("*.ui")}))
                readForm(ui, t);
        }
        for (const QString &folder : {QStringLiteral("VyrRemote/pdf"), QStringLiteral("VyrRemote/records")}) {
            for (const QString &cpp : filesUnder(folder, {QStringLiteral("*.cpp")}))
                readLiterals(cpp, t);
        }
        return t;
    }();
    return texts;
}

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void textsAreFound()
    {
        QVERIFY2(!sourceDir().isEmpty(), "VYR_SOURCE_DIR is not set");
        int catalogued = 0;
        int forms = 0;
        int literals = 0;
        for (const Text &t : allTexts()) {
            if (t.where.endsWith(QLatin1String(".ui")))
                ++forms;
            else if (t.where.contains(QLatin1String(".ts ")))
                ++catalogued;
            else
                ++literals;
        }
        // Four catalogues of over a hundred entries each, forty-odd forms,
        // the report writers: a reading that found far fewer read nothing.
        QVERIFY2(catalogued > 2000, qPrintable(QString::number(catalogued)));
        QVERIFY2(forms > 1000, qPrintable(QString::number(forms)));
        QVERIFY2(literals > 300, qPrintable(QString::number(literals)));
    }

    void noMisspelling_data()
    {
        QTest::addColumn<QString>("pattern");
        const auto row = [](const char *name, const char *pattern) { QTest::newRow(name) << QString::fromUtf8(pattern); };
        // Misspelled words.
        row("Swich", R"(\bSwich)");
        row("Troughput", R"(Troughput)");
        row("Asymetric", R"(Asymetr)");
        row("Trafic", R"(\b[Tt]rafic\b)");
        row("Recieved", R"(ecieve)");
        row("applid", R"(\bapplid\b)");
        row("setted", R"(\bsetted\b)");
        row("Disonnected", R"(Disonnect)");
        row("Invalud", R"(Invalud)");
        row("Synchr", R"(\bSynchr\b)");
        row("syncr", R"(\bsyncr\b)");
        row("Frameloss", R"(Frameloss)");
        row("Data base", R"(\b[Dd]ata base\b)");
        row("Can not", R"(\b[Cc]an not\b)");
        // Words that do not mean what they say.
        row("Velocities", R"(Velocities)");
        row("Study", R"(\bStudy\b)");
        row("Estimate time", R"(\bEstimated? time\b|^Estimated$)");
        row("Test time for the time left", R"(^Test time$)");
        row("Passed time", R"(^Passed time$)");
        row("Loss frames", R"(\bLoss frames\b)");
        row("VLAN counts", R"(\b(VLAN|MPLS) counts?\b)");
        row("loading for load", R"(\b(Min|Max|User) loading\b|\bLoading step\b)");
        row("Quant.", R"(\bQuant\.)");
        row("Avr.", R"(\bAvr\.)");
        row("aver.", R"(\baver\.)");
        row("Coef", R"(\bCoef\b)");
        row("Used satellites", R"(\bUsed satellites\b)");
        row("The test already run", R"(already run\b)");
        row("Not chosen any", R"(\bNot chosen any\b)");
        row("Settings was", R"(\bSettings was\b)");
        row("no active", R"(\bno active\b)");
        row("no correct", R"(\bno correct\b)");
        row("DNS meaning", R"(\bDNS meaning\b)");
        row("designer placeholders", R"(^(GroupBox|Form|Dialog|MainWindow)$)");
        row("Back to back", R"(\bBack to back\b)");
        row("FullUpdateCompleted", R"(FullUpdateCompleted)");
        // Units: a byte is B, kilobits k; a duration edited as a time of day
        // has no seconds unit; the jitter threshold is in milliseconds.
        row("b for bytes", R"(,\s*b$|,\s*b\))");
        row("Kbps", R"(\bKbps\b)");
        row("Bps", R"(\bBps\b)");
        row("Duration, s", R"(\bDuration, s\b)");
        row("Threshold, s", R"(\bThreshold, s$)");
        row("H:mm:ss", R"((^|[^H])H:mm:ss)");
        // Acronyms in capitals, abbreviations spelled out where they were cut.
        row("cpu, fpga, ntp", R"(\b(cpu|fpga|Fpga|ntp|ptp|1pps)\b)");
        row("fw", R"(\bfw\b)");
        row("Watch-dog", R"(Watch-dog)");
        row("PDF-report", R"(PDF-report|\bpdf report\b)");
        row("Rx Frames", R"(\b[RT]x Frames\b)");
        row("Tx byte", R"(\bTx byte\b)");
        row("Learning Int.,ms", R"(,ms\b)");
    }

    void noMisspelling()
    {
        QFETCH(QString, pattern);
        const QRegularExpression re(pattern);
        QVERIFY2(re.isValid(), qPrintable(re.errorString()));
        QStringList found;
        for (const Text &t : allTexts()) {
            for (const QString &line : t.text.split(QLatin1Char('\n'))) {
                if (re.match(line).hasMatch())
                    found << QStringLiteral("%1: \"%2\"").arg(t.where, line);
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestSpelling)
#include "tst_spelling.moc"
