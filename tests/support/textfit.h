#pragma once

// The text-fit check: finds every text of a window that the space its
// widget has cannot show whole, in the language installed at the time.
//
// Checked, for widgets visible on screen:
//   - labels (plain and rich text, one or more lines, word-wrapped);
//   - push, tool, check and radio buttons (text beside the icon);
//   - group-box titles (with the check box of a checkable one);
//   - tab texts of tab bars, and tab bars that need scroll buttons;
//   - table header sections (horizontal and vertical) and table cells;
//   - table views that need scroll bars (unless allowed by name);
//   - read-only and disabled line edits (the text they show), and editable
//     ones too where Options::editableLineEdits asks for it;
//   - every entry of a combo box, not only the current one.
// Elided, clipped and scrolled texts all count as cut. Tab widgets are
// visited page by page, so widgets on hidden pages are checked too.
//
// Font: a test that links the check runs in the font a desktop gives a Qt
// program (9 pt sans serif), not in the offscreen platform's larger 12 pt.
//
// Languages: TextFitLanguages installs the program's catalogues for one
// language at a time; the caller re-texts its window (retranslate(), the
// main window's language slots) and calls cutTexts() again.
//
//     TextFitLanguages languages({":/VyrRemote", ":/qt"});
//     for (const QString &lang : TextFitLanguages::all()) {
//         languages.use(lang);
//         form->retranslate();
//         const QStringList cut = textfit::cutTexts(form);
//         QVERIFY2(cut.isEmpty(), qPrintable(textfit::report(lang, cut)));
//     }

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QTranslator;
class QWidget;

namespace textfit {

struct Options
{
    // Object names of item views that may scroll (long lists such as a file
    // list or 256 scanner rows); their cells and headers are still checked.
    QSet<QString> scrollingAllowed;
    // Visit every page of every tab widget (restoring the current one after).
    bool visitTabs = true;
    // Check editable line edits too: the text they show before the operator
    // types (a stored logon, an address, a proposed file name) must show
    // whole. Off: only what the operator types scrolls, as he types it.
    bool editableLineEdits = false;
};

// One line per cut text: `Class objectName "text": needs N px, has M px`.
// Empty when every text fits. The window must be shown (offscreen is fine);
// layouts are settled before measuring.
QStringList cutTexts(QWidget *root, const Options &options = Options());

// cutTexts() with the window made as small as it can be made for the texts
// it has now (its least size); it stays at that size. There the layout gives
// each widget only its least width, and one whose least width is set below
// what its text needs is squeezed.
QStringList cutTextsAtLeastSize(QWidget *root, const Options &options = Options());

// A message for QVERIFY2: the language and the cut texts.
QString report(const QString &language, const QStringList &cut);

// The reports joined for QVERIFY2, and written whole to the test log first
// (a failure message is cut short).
QString logged(const QStringList &reports);

// "Class objectName" of a widget; an unnamed one is told by its nearest
// named ancestor: "QLabel (in gPortA)".
QString widgetName(const QWidget *w);

// Lets pending layout requests and resizes run, so geometry is final.
void settle(QWidget *root);

// Calls visit(root), then shows in turn every other enabled page of every
// tab widget visible under root and calls visit for it (and so on for the
// tab widgets on that page), settling the window before each call; every
// tab widget is back on its own page afterwards. How the checks reach the
// widgets of hidden pages.
void forEachTabPage(QWidget *root, const std::function<void(QWidget *page)> &visit);

// For a look by eye: with VYR_SCREENSHOT_DIR set, a picture of the window
// (settled first) under that folder; false only when it could not be saved.
bool savePicture(QWidget *window, const QString &fileName);

} // namespace textfit

// Installs the translators of one language at a time. Bases are catalogue
// paths without the language suffix, e.g. ":/VyrRemote" and ":/qt" load
// ":/VyrRemote_ru.qm" and ":/qt_ru.qm". "en" removes them all. A catalogue
// that does not load fails use() (a missing translation is a fault here).
class TextFitLanguages
{
public:
    explicit TextFitLanguages(const QStringList &bases);
    ~TextFitLanguages();

    TextFitLanguages(const TextFitLanguages &) = delete;
    TextFitLanguages &operator=(const TextFitLanguages &) = delete;

    // "ru", "en", "de".
    static QStringList all();

    // False when a catalogue of that language could not be loaded.
    bool use(const QString &language);
    void removeAll();

private:
    QStringList m_bases;
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};

// The general form of the two below: for each language, use(language)
// switches the program to it (false: it could not) and cutTextsNow() checks
// what is on show then. One report per language with cut texts.
QStringList textFitInEachLanguage(const std::function<bool(const QString &language)> &use,
                                  const std::function<QStringList()> &cutTextsNow,
                                  const QStringList &languages = TextFitLanguages::all());

// Runs the check in every language: before each, use(lang) and then
// retranslate() (which re-texts the window under test). Returns one report
// per language that has cut texts; empty when all fit. Ends in the
// language the list ends with unless restore is given.
QStringList textFitInAllLanguages(QWidget *root, TextFitLanguages &languages,
                                  const std::function<void()> &retranslate,
                                  const textfit::Options &options = textfit::Options());

// For windows that take their texts when they are built (dialogs made anew
// each time they open): in every language, builds one with make() (filled
// as the test wants it), shows it, checks it and destroys it. Returns one
// report per language that has cut texts; ends with no catalogue installed.
QStringList textFitOfNewWindows(TextFitLanguages &languages,
                                const std::function<std::unique_ptr<QWidget>()> &make,
                                const textfit::Options &options = textfit::Options());
