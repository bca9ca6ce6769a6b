// Every dialog of VyrRemote fits its texts in Russian, English and German.
// The dialogs take their texts when they are built, so each is built anew
// in each language, filled with the longest values it shows. (Message boxes
// are Qt's own and size themselves.)

#include "aboutdialog.h"
#include "authenticationdialog.h"
#include "filenamedialog.h"
#include "textfit.h"
#include "vyrupdialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The widest name the file name dialog admits: 19 of the widest character
// its validator lets through.
QString widestFileName(const QFont &font)
{
    const QString allowed = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789*#., ");
    const QFontMetricsF fm(font);
    QChar widest = allowed.at(0);
    for (const QChar c : allowed) {
        if (fm.horizontalAdvance(c) > fm.horizontalAdvance(widest))
            widest = c;
    }
    return QString(19, widest);
}

// A dialog built in the language installed, filled as the operator sees it
// at its fullest.
using Maker = std::function<std::unique_ptr<QWidget>()>;

std::unique_ptr<QWidget> loginDialog()
{
    auto d = std::make_unique<AuthenticationDialog>();
    d->findChild<QLineEdit *>(QStringLiteral("editLogin"))->setText(QStringLiteral("tuvex"));
    d->findChild<QLineEdit *>(QStringLiteral("editPassword"))->setText(QStringLiteral("tuvex"));
    return d;
}

std::unique_ptr<QWidget> aboutDialog()
{
    return std::make_unique<AboutDialog>(nullptr);
}

// The longest name the dialog admits, as the tester proposes it.
std::unique_ptr<QWidget> fileNameDialog()
{
    auto d = std::make_unique<FileNameDialog>(nullptr, 2u);
    auto *edit = d->findChild<QLineEdit *>(QStringLiteral("lFileName"));
    d->newFileNameReceived(widestFileName(edit->font()));
    edit->setCursorPosition(0);
    return d;
}

// Its log holds every result text. The package path is the operator's own
// and scrolls in its field.
std::unique_ptr<QWidget> updatePackageDialog()
{
    auto d = std::make_unique<vyrupDialog>(nullptr);
    for (int code = 0; code <= 22; ++code)
        d->corrResult(code);
    d->vyrupInfo(QStringLiteral("Open file error"));
    return d;
}

} // namespace

Q_DECLARE_METATYPE(Maker)

class TestDialogTexts : public QObject
{
    Q_OBJECT

    std::unique_ptr<TextFitLanguages> languages;

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
        QCoreApplication::setApplicationName(QStringLiteral("OstrelRemote"));
        languages = std::make_unique<TextFitLanguages>(QStringList{QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
    }

    void cleanupTestCase() { languages.reset(); }

    void textsFit_data()
    {
        QTest::addColumn<Maker>("make");
        QTest::addColumn<bool>("editable");   // the field shows the proposed file name whole
        QTest::newRow("login") << Maker(loginDialog) << false;
        QTest::newRow("about") << Maker(aboutDialog) << false;
        QTest::newRow("file name") << Maker(fileNameDialog) << true;
        QTest::newRow("update package") << Maker(updatePackageDialog) << false;
    }

    void textsFit()
    {
        QFETCH(Maker, make);
        QFETCH(bool, editable);
        textfit::Options options;
        options.editableLineEdits = editable;
        const QStringList reports = textFitOfNewWindows(*languages, make, options);

        QVERIFY(languages->use(QStringLiteral("ru")));
        const std::unique_ptr<QWidget> russian = make();
        russian->show();
        QString picture = QStringLiteral("dialog-%1-ru.png").arg(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(textfit::savePicture(russian.get(), picture.replace(QLatin1Char(' '), QLatin1Char('-'))));
        languages->removeAll();

        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }

    // The check made to fail: a text longer than a button of the dialog can
    // grow to is reported by the button's name.
    void tooLongButtonTextIsNamed()
    {
        vyrupDialog d(nullptr);
        d.show();
        QVERIFY(textfit::cutTexts(&d).isEmpty());
        auto *accept = d.findChild<QPushButton *>(QStringLiteral("bAccept"));
        accept->setMaximumWidth(accept->width());
        accept->setText(QStringLiteral("Записать пакет обновления в прибор"));
        const QStringList cut = textfit::cutTexts(&d);
        QCOMPARE(cut.size(), 1);
        QVERIFY2(cut.first().startsWith(QLatin1String("QPushButton bAccept text")), qPrintable(cut.first()));
    }
};

QTEST_MAIN(TestDialogTexts)
#include "tst_dialogtexts.moc"
