// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"

#include "app/sound_files.h"
#include "cards/card_rules.h"
#include "dialogs/config_dorvek.h"
#include "dialogs/version.h"
#include "match/chain_delays.h"
#include "match/match_state.h"
#include "services/pictures.h"
#include "services/screen_reader.h"
#include "services/sound_board.h"
#include "services/step_clock.h"
#include "services/trace.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <ctime>

namespace {

const QLatin1String MASCOT_PICTURE("ico/mirrit.png");

QString deckPicture()
{
    return QString::fromStdString(cardPictureFile(0, PLAYER_PICTURES));
}

void setFontPointSize(QWidget *widget, int points)
{
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
}

QLabel *mascotLabel(QWidget *parent, const QString &file)
{
    auto *label = new QLabel(parent);
    // The label is cut to the picture's outline so the table shows around it,
    // and kept to the picture's size: in a taller row the picture would sit
    // lower than its outline, and lose its foot.
    Pictures::showCutOut(label, file);
    if (!label->pixmap().isNull())
        label->setFixedSize(label->pixmap().deviceIndependentSize().toSize());
    return label;
}

// The table is always painted green or dark green, whatever the desktop's
// colours, so the texts written on it keep the dark ink they are drawn in
// under the default palette: a dark scheme's light text would vanish on the
// bright green. Only the plain text colour is fixed; the buttons, menus and
// dialogs still follow the desktop, and colours set in a banner's own rich
// text still win.
void writeOnTable(std::initializer_list<QLabel *> labels)
{
    for (QLabel *label : labels) {
        QPalette ink = label->palette();
        ink.setColor(QPalette::WindowText, Qt::black);
        ink.setColor(QPalette::Text, Qt::black);
        label->setPalette(ink);
    }
}

QStringList gameSoundFiles()
{
    QStringList files;
    for (const char *file : SoundFile::ALL)
        files << QString::fromLatin1(file);
    return files;
}

// A row of the screen, left to right; nullptr stands for a stretch.
QHBoxLayout *screenRow(std::initializer_list<QWidget *> items)
{
    auto *row = new QHBoxLayout;
    for (QWidget *item : items) {
        if (item)
            row->addWidget(item);
        else
            row->addStretch();
    }
    return row;
}

} // namespace

Dorvek::Dorvek()
{
    setFixedSize(640, 480);
    setWindowTitle(tr("dorvek light"));

    buildDialogs();

    std::srand(static_cast<unsigned>(std::time(nullptr)));

    auto *central = new QWidget(this);
    buildTable();
    buildButtons();
    buildMessagePanel();
    soundBoard = new SoundBoard(this, gameSoundFiles());
    armDemonstration();
    buildMascots();

    central->setLayout(layOutScreen());
    setCentralWidget(central);
    Pictures::followScreen(this);

    buildMenus();

    array_shuffle();

    connect(button_get_card, SIGNAL(clicked()), this, SLOT(push_get_card_button()));
    connect(button_stop_card, SIGNAL(clicked()), this, SLOT(push_stop_card_button()));

    introduceToScreenReader(central);
}

QStringList Dorvek::openingPictures()
{
    return {deckPicture(), MASCOT_PICTURE};
}

void Dorvek::buildDialogs()
{
    version_dialog = new Version;
    config_dialog = new config_dorvek;
    // Repainted whole once the settings close, so a new table colour never
    // shows in patches where single labels happen to change.
    connect(config_dialog, &QDialog::finished, this, [this] { update(); });
}

// Everything on the table above the buttons: score, banners, card places,
// deck and totals.
void Dorvek::buildTable()
{
    label_score = new QLabel(this);
    setFontPointSize(label_score, 20);
    // At 20 points the widest score a watching match reaches would not fit
    // beside its banner in 640 pixels; slightly tighter letters make room.
    QFont scoreFont = label_score->font();
    scoreFont.setLetterSpacing(QFont::PercentageSpacing, 95);
    label_score->setFont(scoreFont);
    cpu_points = 0;
    player_points = 0;
    tie_count = 0;
    showScoreLine();

    label_mode = new QLabel(this);
    setFontPointSize(label_mode, 13);
    label_mode->setText(tr("<Font color=red>Demo mode play</Font>"));

    for (QLabel **place : {&label_cpu_card1, &label_cpu_card2, &label_cpu_card3, &label_cpu_card4,
                           &label_cpu_spacer})
        *place = new QLabel(this);

    label_deck = new QLabel(this);
    Pictures::show(label_deck, deckPicture());

    label_round = new QLabel(this);
    setFontPointSize(label_round, 20);

    label_cpu_total = new QLabel(this);
    setFontPointSize(label_cpu_total, 17);
    label_cpu_total->hide();

    label_player_total = new QLabel(this);
    setFontPointSize(label_player_total, 17);
    label_player_total->hide();

    for (QLabel **place : {&label_player_card1, &label_player_card2, &label_player_card3,
                           &label_player_card4, &label_player_spacer})
        *place = new QLabel(this);

    writeOnTable({label_score, label_mode, label_round, label_cpu_total, label_player_total});
}

void Dorvek::buildButtons()
{
    button_get_card = new QPushButton(tr("more Get card"), this);
    button_get_card->setEnabled(false);
    button_stop_card = new QPushButton(tr("Stop card"), this);
    button_stop_card->setEnabled(false);
}

void Dorvek::buildMessagePanel()
{
    label_message = new QLabel(this);
    QFont messageFont = label_message->font();
    messageFont.setPointSize(13);
    messageFont.setWeight(QFont::Bold);
    label_message->setFont(messageFont);
    label_message->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label_message->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    writeOnTable({label_message});
}

// The demonstration's start trigger: it fires once, ten seconds after the
// window is built.
void Dorvek::armDemonstration()
{
    timer_demo = new QTimer(this);
    timer_demo->setSingleShot(true);
    label_message->hide();

    if (Play_mode == MODE_DEMO) {
        trace("Play_mode=%d\n", Play_mode);
        connect(timer_demo, SIGNAL(timeout()), this, SLOT(demo_talk1()));
        StepClock::current().start(timer_demo, Delay::FIRST_DEMO);
    }
}

void Dorvek::buildMascots()
{
    label_mascot_a = mascotLabel(this, MASCOT_PICTURE);
    label_mascot_a->show();
    label_mascot_b = mascotLabel(this, MASCOT_PICTURE);
    label_mascot_b->hide();
}

void Dorvek::buildMenus()
{
    createActionsAndMenus();
    for (QAction *mode : {action_watching, action_free_play})
        connect(mode, &QAction::triggered, soundBoard, &SoundBoard::loadSoon);
}

void Dorvek::introduceToScreenReader(QWidget *table)
{
    ScreenReader::namePicture(label_deck, tr("Deck"));
    for (QLabel *place : {label_mascot_a, label_mascot_b})
        ScreenReader::namePicture(place, tr("Mirrit"));
    ScreenReader::followTable(table,
                              {label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4,
                               label_player_card1, label_player_card2, label_player_card3,
                               label_player_card4, label_mascot_a, label_mascot_b, label_deck},
                              {label_round, label_cpu_total, label_player_total, label_message});
}

// The dialogs have no parent; they go with the window so that nothing of the
// game outlives the application object.
Dorvek::~Dorvek()
{
    delete version_dialog;
    delete config_dialog;
}

QLayout *Dorvek::layOutScreen()
{
    QHBoxLayout *message = screenRow({label_mascot_a, label_message});
    message->addStretch(30);

    auto *screen = new QVBoxLayout;
    // The fullest screen of a match only just fits 480 pixels; taller
    // Japanese fonts need the rows a little closer together.
    screen->setSpacing(4);
    screen->addLayout(screenRow({nullptr, label_mode, nullptr, label_score}));
    screen->addLayout(screenRow({nullptr, label_cpu_card1, label_cpu_card2, label_cpu_card3,
                                 label_cpu_card4, label_cpu_spacer, nullptr}));
    screen->addStretch();
    screen->addLayout(screenRow({nullptr, label_cpu_total, nullptr}));
    screen->addStretch();
    screen->addLayout(
        screenRow({nullptr, label_deck, nullptr, label_mascot_b, label_round, nullptr}));
    screen->addStretch();
    screen->addLayout(screenRow({nullptr, label_player_total, nullptr}));
    screen->addStretch();
    screen->addLayout(
        screenRow({nullptr, label_player_card1, label_player_card2, label_player_card3,
                   label_player_card4, label_player_spacer, nullptr}));
    screen->addLayout(screenRow({nullptr, button_get_card, nullptr, button_stop_card, nullptr}));
    screen->addStretch();
    screen->addLayout(message);
    return screen;
}

QLabel *Dorvek::cpuPlace(int place) const
{
    QLabel *const places[] = {label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4};
    return places[place - 1];
}

QLabel *Dorvek::playerPlace(int place) const
{
    QLabel *const places[] = {label_player_card1, label_player_card2, label_player_card3,
                              label_player_card4};
    return places[place - 1];
}

void Dorvek::clearPlaces(const QList<QLabel *> &places)
{
    for (QLabel *place : places)
        Pictures::clear(place);
}

void Dorvek::clearHands()
{
    clearPlaces({label_cpu_card1, label_cpu_card2, label_cpu_card3, label_cpu_card4,
                 label_player_card1, label_player_card2, label_player_card3, label_player_card4});
}

void Dorvek::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setBrush(config_dialog->back_color == 1 ? Qt::darkGreen : Qt::green);
    painter.drawRect(0, 0, 640, 480);
}

void Dorvek::playSound(const char *file)
{
    if (config_dialog->sound_on == 1)
        soundBoard->play(QString::fromLatin1(file));
}

void Dorvek::after(int ms, const char *slot)
{
    StepClock::current().singleShot(ms, this, slot);
}

void Dorvek::showText(QLabel *label, const QString &text)
{
    label->show();
    label->setText(text);
    if (label == label_round)
        ScreenReader::say(this, text);
}
