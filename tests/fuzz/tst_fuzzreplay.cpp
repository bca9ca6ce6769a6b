// Replays the seed corpus of every fuzz target (tests/fuzz/corpus/<name>/),
// each seed whole and cut short at many lengths, under the suite's
// sanitizers. ./fuzz.sh runs the same targets under libFuzzer.

#include "fuzztarget.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

using Target = int (*)(const uint8_t *, size_t);

Target targetNamed(const QString &name)
{
    if (name == QLatin1String("packetlink"))
        return fuzz_packetlink;
    if (name == QLatin1String("updatepackage"))
        return fuzz_updatepackage;
    if (name == QLatin1String("remotereplies"))
        return fuzz_remotereplies;
    return nullptr;
}

const QStringList TargetNames{"packetlink", "updatepackage", "remotereplies"};

} // namespace

class TestFuzzReplay : public QObject
{
    Q_OBJECT

private slots:
    void everyTargetHasSeeds();
    void seeds_data();
    void seeds();
};

void TestFuzzReplay::everyTargetHasSeeds()
{
    for (const QString &name : TargetNames) {
        QVERIFY(targetNamed(name));
        const QDir dir(QStringLiteral(VYR_FUZZ_CORPUS "/") + name);
        QVERIFY2(!dir.entryList(QDir::Files).isEmpty(), qPrintable(dir.path()));
    }
}

void TestFuzzReplay::seeds_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");
    for (const QString &name : TargetNames) {
        const QDir dir(QStringLiteral(VYR_FUZZ_CORPUS "/") + name);
        for (const QString &file : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name + QLatin1Char('/') + file)) << name << dir.filePath(file);
    }
}

void TestFuzzReplay::seeds()
{
    QFETCH(QString, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray seed = file.readAll();
    const Target run = targetNamed(target);
    QVERIFY(run);

    // The whole seed, then prefixes: every length up to 64 bytes, then a
    // spread of longer ones. A cut input is what a peer that goes silent
    // or a file cut short gives.
    const auto *bytes = reinterpret_cast<const uint8_t *>(seed.constData());
    QCOMPARE(run(bytes, size_t(seed.size())), 0);
    for (int length = 0; length < seed.size(); length += length < 64 ? 1 : 1 + length / 8)
        QCOMPARE(run(bytes, size_t(length)), 0);
}

QTEST_GUILESS_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
