// The screenshot form driven through its real widgets, offscreen, against
// the simulated tester's screen with a real Device in a worker thread.

#include "filesrig.h"
#include "formtexts.h"
#include "../support/modalscript.h"
#include "../support/widgetlookup.h"
#include "localfiles.h"
#include "screenshotform.h"
#include "simtests.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString PngKey = QStringLiteral("Paths/PNG");

// A text of the form in the language installed.
QString tr_(const char *text)
{
    return QCoreApplication::translate("ScreenshotForm", text);
}

// The picture the tester's screen codes stand for: bits 0-1 red, 2-3
// green, 4-5 blue, each through the levels 0, 85, 170, 255.
QImage expectedPicture(const QVector<quint8> &codes)
{
    static const int level[4] = {0, 85, 170, 255};
    QImage image(SimRemoteResponder::ScreenWidth, SimRemoteResponder::ScreenHeight, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const quint8 c = codes.at(y * image.width() + x);
            image.setPixel(x, y, qRgb(level[c & 3], level[(c >> 2) & 3], level[(c >> 4) & 3]));
        }
    }
    return image;
}

// Pixels compared as colours, whatever the formats.
bool samePicture(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (x.pixel(col, row) != y.pixel(col, row))
                return false;
        }
    }
    return true;
}

} // namespace

class TestScreenshotForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    ScreenshotForm *form = nullptr;
    QTemporaryDir folder;
    QImage picture;   // what simDrawScreen draws

    QLabel *image() { return findWidget<QLabel>(form, "lImage"); }
    QPushButton *receive() { return findWidget<QPushButton>(form, "bScreen"); }
    QPushButton *save() { return findWidget<QPushButton>(form, "bSave"); }
    int screenRequests() { return rig->requestsOf(0x04).size(); }

    QImage shown()
    {
        return image()->pixmap(Qt::ReturnByValue).toImage();
    }

    // What the label paints inside its frame.
    QImage painted()
    {
        QLabel *l = image();
        return l->grab(l->contentsRect()).toImage();
    }

    void receiveNow()
    {
        receive()->click();
        QTRY_VERIFY_WITH_TIMEOUT(receive()->isEnabled(), EventuallyMs);
    }

private slots:
    void initTestCase()
    {
        useProgramSettingsStore();
        Q_INIT_RESOURCE(vyrremote_translations);
        Q_INIT_RESOURCE(icons);
        QVERIFY(folder.isValid());
        rig.reset(new FormRig(0));
        QVERIFY(rig->connectDevice());
        QVector<quint8> codes;
        rig->tester([&](SimRemoteResponder &r) {
            simDrawScreen(r);
            codes = r.screen;
        });
        picture = expectedPicture(codes);
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void init()
    {
        rig->tester([](SimRemoteResponder &r) { r.screenStalls = false; });
        QSettings().setValue(PngKey, folder.path());
        form = new ScreenshotForm(rig->device);
        form->show();
        rig->sim.clearRequests();
    }

    void cleanup()
    {
        delete form;
        form = nullptr;
        QVERIFY(rig->drain());
    }

    void showsThePlaceholderAndFetchesNothingOnActivation()
    {
        QCOMPARE(receive()->text(), QString("Receive"));
        QCOMPARE(save()->text(), QString("Save"));
        QVERIFY(receive()->isEnabled());
        QVERIFY(save()->isEnabled());
        QVERIFY(!shown().isNull());
        QCOMPARE(shown().size(), QPixmap(":/img-icon.png").size());
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(screenRequests(), 0);
    }

    void receiveShowsTheTestersScreenPixelForPixel()
    {
        receive()->click();
        // One request in flight at a time.
        QVERIFY(!receive()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(receive()->isEnabled(), EventuallyMs);
        QVERIFY(screenRequests() >= 2);   // a whole screen takes several replies
        QCOMPARE(shown().size(), QSize(320, 240));
        QVERIFY(samePicture(shown(), picture));
        // Shown whole: the frame goes around the picture, not over it.
        QVERIFY(samePicture(painted(), picture));
    }

    // A screen that did not arrive whole is neither shown nor saved: the
    // label says so where the picture was, and Save refuses with a message
    // instead of writing the older picture under the time of the click.
    void aScreenThatDidNotArriveIsNeitherShownNorSaved_data()
    {
        QTest::addColumn<bool>("stalls");     // the replies carry no pixel
        QTest::addColumn<int>("dropAfter");   // else -1: the link goes after this many requests
        QTest::newRow("replies without pixels") << true << -1;
        QTest::newRow("link gone after one reply") << false << 1;
        QTest::newRow("link gone at once") << false << 0;
    }
    void aScreenThatDidNotArriveIsNeitherShownNorSaved()
    {
        QFETCH(bool, stalls);
        QFETCH(int, dropAfter);
        receiveNow();
        QVERIFY(samePicture(shown(), picture));
        rig->tester([&](SimRemoteResponder &r) { r.screenStalls = stalls; });
        if (dropAfter >= 0)
            rig->sim.dropAfter(dropAfter);
        rig->sim.clearRequests();
        receiveNow();
        // The read ended, bounded; the old picture went with it.
        QVERIFY(receive()->isEnabled());
        QVERIFY(shown().isNull());
        QCOMPARE(image()->text(), tr_("The screenshot did not arrive: the transfer from the tester broke off. "
                                      "Press \"Receive\" to try again."));
        QVERIFY(image()->isVisible());

        // Save asks for no file name and writes nothing.
        const QStringList before = QDir(folder.path()).entryList(QDir::Files);
        ModalScript script;
        save()->click();
        QTRY_COMPARE_WITH_TIMEOUT(script.seen.size(), 1, EventuallyMs);
        QCOMPARE(script.seen.first().className, QString("QMessageBox"));
        QCOMPARE(script.seen.first().text, tr_("There is no screenshot to save: the last one did not arrive."));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);

        // The text stays in the new language, and fits in each.
        const QStringList cut = formTextFit(form, [this] { form->retranslate(); },
                                            QStringLiteral("screenshot_not_received"));
        QVERIFY2(cut.isEmpty(), qPrintable(textfit::logged(cut)));
        QCOMPARE(image()->text(), tr_("The screenshot did not arrive: the transfer from the tester broke off. "
                                      "Press \"Receive\" to try again."));

        // A screen read whole is shown again.
        if (dropAfter >= 0)
            QVERIFY(rig->connectDevice());
        rig->tester([](SimRemoteResponder &r) { r.screenStalls = false; });
        receiveNow();
        QVERIFY(samePicture(shown(), picture));
        QVERIFY(image()->text().isEmpty());
    }

    void tabSwitchAndLanguageSwitchKeepThePicture()
    {
        receiveNow();
        rig->sim.clearRequests();
        form->hide();
        form->show();
        form->activate();
        form->retranslate();
        QVERIFY(rig->drain());
        QCOMPARE(screenRequests(), 0);
        QVERIFY(samePicture(shown(), picture));
    }

    void saveWritesAPngThatReadsBackEqual()
    {
        receiveNow();
        ModalScript script;
        script.then(ModalScript::choose(QStringLiteral("shot")));   // no suffix typed
        const QDateTime before = QDateTime::currentDateTime();
        save()->click();
        const QDateTime after = QDateTime::currentDateTime();
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().directory, QDir(folder.path()).absolutePath());
        // The time of the click, to the second.
        const QString proposed = script.seen.first().proposedName;
        QVERIFY2(proposed == screenshotFileName(before) || proposed == screenshotFileName(after),
                 qPrintable(proposed));
        // It lists the pictures it writes and appends their suffix.
        QCOMPARE(script.seen.first().nameFilters, QStringList{"PNG images (*.png)"});
        QCOMPARE(script.seen.first().defaultSuffix, QString("png"));
        const QString file = QDir(folder.path()).filePath(QStringLiteral("shot.png"));
        QImageReader reader(file);
        QCOMPARE(reader.format(), QByteArray("png"));
        QVERIFY(samePicture(reader.read(), picture));
        QCOMPARE(QSettings().value(PngKey).toString(), QDir(folder.path()).absolutePath());
    }

    void saveBeforeAnyReceiveWritesTheBlackScreen()
    {
        // A Device of its own: nothing received yet.
        FormRig fresh(0);
        QVERIFY(fresh.connectDevice());
        ScreenshotForm freshForm(fresh.device);
        freshForm.show();
        ModalScript script;
        script.then(ModalScript::choose(QStringLiteral("blank.png")));
        findWidget<QPushButton>(&freshForm, "bSave")->click();
        QImage black(320, 240, QImage::Format_RGB888);
        black.fill(Qt::black);
        QVERIFY(samePicture(QImage(QDir(folder.path()).filePath(QStringLiteral("blank.png"))), black));
        fresh.stopWorker();
    }

    void aPngThatCannotBeWrittenSaysSo()
    {
        receiveNow();
        const QString missing = QDir(folder.path()).filePath(QStringLiteral("no such folder/pic.png"));
        ModalScript script;
        script.then(ModalScript::choose(missing));
        save()->click();
        QTRY_COMPARE_WITH_TIMEOUT(script.seen.size(), 2, EventuallyMs);
        QCOMPARE(script.seen.at(1).title, QString("Error"));
        QCOMPARE(script.seen.at(1).text, QString("Cannot open the file for writing."));
        QVERIFY(!QFile::exists(missing));
    }

    void cancelWritesNothingButKeepsTheFolder()
    {
        QTemporaryDir other;
        QVERIFY(other.isValid());
        ModalScript script;
        script.then(ModalScript::forFileDialog([&](QWidget *w) {
            qobject_cast<QFileDialog *>(w)->setDirectory(other.path());
            ModalScript::close(w);
        }));
        save()->click();
        QCOMPARE(script.seen.size(), 1);
        QVERIFY(QDir(other.path()).entryList(QDir::Files).isEmpty());
        QCOMPARE(QSettings().value(PngKey).toString(), QDir(other.path()).absolutePath());
    }
};

QTEST_MAIN(TestScreenshotForm)
#include "tst_screenshotform.moc"
