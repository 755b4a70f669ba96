// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Japanese translation as a player meets it: the built Dorvek_ja.qm
// under the game's own lookup, texts read back from the widgets, the
// fullest screen of a match laid out in Japanese, and a trace that stays
// the same in either language.

#include "support/harness.h"

#include "app/translation.h"
#include "dialogs/config_dorvek.h"
#include "dialogs/version.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGlyphRun>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

bool hasJapanese(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff)
            || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

QString dorvek(const char *source)
{
    return QCoreApplication::translate("Dorvek", source);
}

// Puts the build folder back however the test ends.
struct WorkingDirectory
{
    explicit WorkingDirectory(const QString &path) { QDir::setCurrent(path); }
    ~WorkingDirectory() { QDir::setCurrent(previous); }
    QString previous = QDir::currentPath();
};

struct Message
{
    QString context;
    QString source;
    QString translation;
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, xml.readElementText(), {}});
        else if (xml.name() == QLatin1String("translation"))
            messages.last().translation = xml.readElementText();
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// Whether some installed font draws every character of `text`: the font
// chain ends in the primary font's empty box, glyph 0, for the rest.
bool everyGlyphDrawn(const QString &text)
{
    QTextLayout layout(text, QApplication::font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0))
            return false;
    }
    return true;
}

QStringList matches(const QString &pattern, const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : QRegularExpression(pattern).globalMatch(text))
        found << m.captured();
    return found;
}

enum class Match { Watching, FreePlay };

// A whole match from the menu to the demonstration's return, on a deck fixed
// by the random numbers, with the player drawing once a round. Returns the
// trace from the window's construction on and the round results shown.
std::string playMatch(Match kind, QStringList &results)
{
    ScriptedRandom numbers({7, 3, 41, 0, 19, 26});
    Game g;
    auto noteResult = [&] {
        g.clock.runUntil("cpu_player_on_screen");
        results << g.window->label_cpu_total->text() + ' ' + g.window->label_player_total->text()
                       + ' ' + g.window->label_score->text();
    };
    if (kind == Match::Watching) {
        g.chooseWatching();
        noteResult();
    } else {
        g.chooseFreePlay();
        for (int round = 1; round <= 3; ++round) {
            g.untilPlayerTurn();
            g.window->button_get_card->click();
            g.window->button_stop_card->click();
            g.clock.runUntil("result_screen_show");
            results << g.window->label_round->text();
            noteResult();
        }
    }
    g.clock.runUntil("Gameover_show");
    results << g.window->label_round->text();
    g.clock.runUntil("demo_talk1");
    return g.trace.take();
}

} // namespace

Q_DECLARE_METATYPE(Match)

class tst_translation : public QObject
{
    Q_OBJECT

public:
    // Fonts follow the language of the environment, so the suite runs as a
    // Japanese player's game does; every test names the locale it needs.
    static void initMain()
    {
        for (const char *variable : {"LC_ALL", "LC_CTYPE", "LC_MESSAGES", "LANGUAGE"})
            qunsetenv(variable);
        qputenv("LANG", "ja_JP.UTF-8");
    }

private slots:
    void initTestCase();
    void windowTexts_data();
    void windowTexts();
    void messageBoxes_data();
    void messageBoxes();
    void everyTranslation_data();
    void everyTranslation();
    void fullestScreenFits_data();
    void fullestScreenFits();
    void dialogsFit_data();
    void dialogsFit();
    void traceStaysEnglish_data();
    void traceStaysEnglish();
};

// Most tests below read the built translation; whether it loads is
// checked once, here.
void tst_translation::initTestCase()
{
    QVERIFY(ScopedTranslation(QStringLiteral(DORVEK_QM)).isLoaded());
}

void tst_translation::windowTexts_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<bool>("installs");
    QTest::newRow("Japanese, file present") << QLocale::Japanese << true << true;
    QTest::newRow("Japanese, no file") << QLocale::Japanese << false << true;
    QTest::newRow("English, file present") << QLocale::English << true << false;
    QTest::newRow("German, file present") << QLocale::German << true << false;
}

// The lookup the game runs at start-up, in a folder with or without the
// file, and what the window and dialogs built afterwards show.
void tst_translation::windowTexts()
{
    QFETCH(QLocale::Language, language);
    QFETCH(bool, withFile);
    QFETCH(bool, installs);
    QTemporaryDir folder;
    WorkingDirectory inside(folder.path());
    if (withFile)
        QVERIFY(QFile::copy(QStringLiteral(DORVEK_QM), QStringLiteral("Dorvek_ja.qm")));

    QTranslator translator;
    QCOMPARE(installJapaneseTranslation(*qApp, translator, QLocale(language)), installs);
    Game g;
    const Dorvek &w = *g.window;
    const QStringList shown{w.windowTitle(), w.menu_game->title(), w.label_mode->text(),
                            w.config_dialog->group_sound->title(),
                            w.version_dialog->label_soft_name->text()};
    QCOMPARE(QCoreApplication::removeTranslator(&translator), installs);

    if (!(installs && withFile)) {
        QCOMPARE(shown,
                 QStringList({"dorvek light", "&Game", "<Font color=red>Demo mode play</Font>",
                              "Sound config", "Soft name:Dorvek Light"}));
        return;
    }
    for (const QString &text : shown)
        QVERIFY2(hasJapanese(text), qPrintable(text));
    QCOMPARE(QKeySequence::mnemonic(shown[1]), QKeySequence(Qt::ALT | Qt::Key_G));
    QVERIFY2(shown[2].startsWith("<Font color=red>") && shown[2].endsWith("</Font>"),
             qPrintable(shown[2]));
}

void tst_translation::messageBoxes_data()
{
    QTest::addColumn<bool>("duringMatch");
    QTest::addColumn<QList<QKeySequence>>("mnemonics");
    QTest::newRow("asking to finish") << false
                                      << QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_Y),
                                                             QKeySequence(Qt::ALT | Qt::Key_N)};
    QTest::newRow("refusing during a match") << true << QList<QKeySequence>{};
}

// The boxes take their buttons from Qt; the translation covers those too.
void tst_translation::messageBoxes()
{
    QFETCH(bool, duringMatch);
    QFETCH(QList<QKeySequence>, mnemonics);
    const ScopedTranslation japanese(QStringLiteral(DORVEK_QM));
    Game g;
    if (duringMatch)
        g.chooseFreePlay();

    BoxAnswerer answerer([](const QMessageBox &box) {
        return box.button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    });
    g.window->action_close->trigger();

    QVERIFY(!answerer.seen().isEmpty());
    const BoxAnswerer::Seen &box = answerer.seen().last();
    QList<QKeySequence> seenMnemonics;
    for (const QString &button : box.buttons) {
        if (!QKeySequence::mnemonic(button).isEmpty())
            seenMnemonics << QKeySequence::mnemonic(button);
    }
    QVERIFY2(hasJapanese(box.title), qPrintable(box.title));
    QVERIFY2(hasJapanese(box.text), qPrintable(box.text));
    std::sort(seenMnemonics.begin(), seenMnemonics.end());
    std::sort(mnemonics.begin(), mnemonics.end());
    QCOMPARE(seenMnemonics, mnemonics);
    for (const QString &button : box.buttons)
        QVERIFY2(button == "OK" || hasJapanese(button), qPrintable(button));
}

void tst_translation::everyTranslation_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    for (const QString &file : {QStringLiteral(DORVEK_TS), QStringLiteral(DORVEK_BUTTONS_TS)}) {
        for (const Message &m : readTs(file))
            QTest::addRow("%s: %s", qPrintable(m.context), qPrintable(m.source))
                << m.source << m.translation;
    }
}

// What the code fills in or the toolkit reads out of a text has to survive
// the translator: the numbers of the score line and totals, the banners'
// colour tags, and the menu's keyboard mnemonics. And the machine needs a
// font for every character, or the player sees empty boxes.
void tst_translation::everyTranslation()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QVERIFY(!translation.isEmpty());
    QVERIFY2(everyGlyphDrawn(translation),
             "no installed font draws all of it; scripts/setup.sh installs one");
    QStringList sourceMarkers = matches("%\\d", source);
    QStringList translatedMarkers = matches("%\\d", translation);
    sourceMarkers.sort();
    translatedMarkers.sort();
    QCOMPARE(translatedMarkers, sourceMarkers);
    QCOMPARE(matches("<[^>]*>", translation), matches("<[^>]*>", source));
    QCOMPARE(QKeySequence::mnemonic(translation), QKeySequence::mnemonic(source));
}

void tst_translation::fullestScreenFits_data()
{
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QList<int>>("score");
    // The widest score lines a match can reach under each banner.
    QTest::newRow("watching, CPU won with 15")
        << "<Font color=red>Watching mode Play</Font>" << QList<int>{1, 40, 0, 0};
    QTest::newRow("free play, final score")
        << "<Font color=green>Free Play1 mode</Font>" << QList<int>{3, 80, 40, 0};
}

// Japanese glyphs stand taller than Latin ones and the window cannot grow:
// with every place of the table filled, the widest texts of the round
// banner and the message panel, and both totals, every widget still gets
// its full size, inside the window, without overlapping another.
void tst_translation::fullestScreenFits()
{
    QFETCH(QString, banner);
    QFETCH(QList<int>, score);
    const ScopedTranslation japanese(QStringLiteral(DORVEK_QM));
    Game g;
    Dorvek &w = *g.window;
    fillTable(w);
    auto widest = [](const QLabel *label, const QList<const char *> &sources) {
        QString chosen;
        for (const char *source : sources) {
            const QString text = dorvek(source);
            if (label->fontMetrics().horizontalAdvance(text)
                > label->fontMetrics().horizontalAdvance(chosen))
                chosen = text;
        }
        return chosen;
    };
    w.label_round->setText(
        widest(w.label_round, {"Round1", "Round2", "Round3", "It's CPU play now",
                               "It's your play now", "CPU card open", "CPU Win", "Player Win",
                               "It's tie", "CPU win Victory", "Player win Victory", "Game over"}));
    w.label_message->setText(
        widest(w.label_message,
               {"I am Mirrit", "This game approximate cards to 15 game", "Let's start",
                "what are CPU cards", "Player cards are 12", "CPU cards opens", "CPU cards is 10",
                "CPU cards is 10 and Player cards is 12", "Player win", "Next Play is you"}));
    w.label_cpu_total->setText(dorvek("CPU:%1").arg(15));
    w.label_player_total->setText(dorvek("Player:%1").arg(18));
    w.label_mode->setText(dorvek(qPrintable(banner)));
    w.label_score->setText(dorvek("Round:%1 CPU=%2,Player=%3,tie=%4")
                               .arg(score[0])
                               .arg(score[1])
                               .arg(score[2])
                               .arg(score[3]));
    QVERIFY(hasJapanese(w.label_round->text() + w.label_message->text() + w.label_mode->text()));
    const QString cramped = crampedTable(w);
    const QString room = QStringLiteral("; the table's layout needs %1 pixels high and has %2")
                             .arg(w.centralWidget()->layout()->minimumSize().height())
                             .arg(w.centralWidget()->height());
    QVERIFY2(cramped.isEmpty(), qPrintable(cramped + room));
}

void tst_translation::dialogsFit_data()
{
    QTest::addColumn<bool>("settings");
    QTest::newRow("settings, 320 x 200") << true;
    QTest::newRow("version, 280 x 220") << false;
}

// Every text of the two small dialogs at its full width. Only widths: the
// settings dialog's fixed 200 pixels are short of what its own layout asks
// for in English as well.
void tst_translation::dialogsFit()
{
    QFETCH(bool, settings);
    const ScopedTranslation japanese(QStringLiteral(DORVEK_QM));
    Game g;
    QDialog *dialog = settings ? static_cast<QDialog *>(g.window->config_dialog)
                               : static_cast<QDialog *>(g.window->version_dialog);
    dialog->show();
    QCoreApplication::processEvents();
    QVERIFY(hasJapanese(dialog->windowTitle()));
    const QString cramped = crampedWidget(dialog, dialog, dialog->rect(), Qt::Horizontal);
    QVERIFY2(cramped.isEmpty(), qPrintable(cramped));
}

void tst_translation::traceStaysEnglish_data()
{
    QTest::addColumn<Match>("kind");
    QTest::newRow("watching mode") << Match::Watching;
    QTest::newRow("free play") << Match::FreePlay;
}

// The same match in English and in Japanese: the screens differ, the trace
// does not, down to the last byte.
void tst_translation::traceStaysEnglish()
{
    QFETCH(Match, kind);
    QStringList englishResults;
    const std::string english = playMatch(kind, englishResults);

    QStringList japaneseResults;
    std::string translated;
    {
        const ScopedTranslation japanese(QStringLiteral(DORVEK_QM));
        translated = playMatch(kind, japaneseResults);
    }

    QVERIFY(english.find("===win_lose_check()===") != std::string::npos);
    QCOMPARE(QByteArray::fromStdString(translated), QByteArray::fromStdString(english));
    QCOMPARE(japaneseResults.size(), englishResults.size());
    for (const QString &result : japaneseResults)
        QVERIFY2(hasJapanese(result), qPrintable(result));
    for (const QString &result : englishResults)
        QVERIFY2(!hasJapanese(result), qPrintable(result));
}

QTEST_MAIN(tst_translation)
#include "tst_translation.moc"
