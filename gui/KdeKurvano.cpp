// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "KdeKurvano.h"

#include "Diskussionsdienst.h"
#include "Infofeld.h"
#include "Ring.h"
#include "Schaubild.h"

#include <KAcceleratorManager>
#include <QAction>
#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <initializer_list>

Mathe Formelinterpreter;
QPainter p;
QString ZahlStr;

namespace {
QFont Steuerschrift()
{
    return QFont(QStringLiteral("courier"), 10, QFont::Bold);
}
}

KdeW::KdeW()
    : QMainWindow(nullptr, Qt::Window)
    , Nebenrechner(std::make_unique<Mathe>())
    , Zeichnung(std::make_unique<Schaubild>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Every paint covers the whole window itself; erasing first would only
    // make the picture flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    move(50, 1);
    setFixedSize(BILD_BREITE, BILD_HOEHE);
    QPalette Farben = palette();
    Farben.setColor(QPalette::Window, QColor(Hintergrundfarbe));
    setPalette(Farben);
    setWindowTitle(QStringLiteral("KDE-QT Kurvanograf eMail:kurvano@example.org."));
    // The main window would give the buttons' texts shortcut marks.
    KAcceleratorManager::setNoAccel(this);

    LEdit1 = new QLineEdit(this);
    LEdit1->setGeometry(5, 10, 560, 30);
    LEdit1->setFont(Steuerschrift());
    LEdit1->setFocus();
    connect(LEdit1, SIGNAL(returnPressed()), this, SLOT(LEdit1_returnPressed()));
    LEdit1->setText(QStringLiteral("sin(X)+x^2*0.1"));

    ButtonZeichnen = new QPushButton(QStringLiteral("Zeichnen"), this);
    ButtonZeichnen->move(580, 10);
    ButtonZeichnen->setFont(Steuerschrift());
    connect(ButtonZeichnen, SIGNAL(clicked()), this, SLOT(Zeichnen()));

    ButtonLoeschen = new QPushButton(QStringLiteral("Löschen"), this);
    ButtonLoeschen->move(700, 10);
    ButtonLoeschen->setFont(Steuerschrift());
    connect(ButtonLoeschen, SIGNAL(clicked()), this, SLOT(Loeschen()));

    // The box draws the titled frame; the group gives the buttons their ids.
    ButtonRahmen = new QGroupBox(QStringLiteral("RadioButton"), this);
    ButtonRahmen->setGeometry(735, 80, 110, 70);
    ButtonRahmen->setFont(Steuerschrift());
    ButtonGroup = new QButtonGroup(this);

    b1 = new QRadioButton(QStringLiteral("RAD"), ButtonRahmen);
    b1->move(5, 15);
    ButtonGroup->addButton(b1, 1);
    b2 = new QRadioButton(QStringLiteral("DEG"), ButtonRahmen);
    b2->move(5, 40);
    ButtonGroup->addButton(b2, 2);

    b1->setChecked(true);
    connect(ButtonGroup, SIGNAL(idClicked(int)), this, SLOT(RButton(int)));

    // A click leaves the keyboard in the entry, so typing goes on there;
    // Tab still reaches the buttons.
    for (QWidget *Knopf : std::initializer_list<QWidget *> { ButtonZeichnen, ButtonLoeschen, b1, b2 }) {
        Knopf->setFocusPolicy(Qt::TabFocus);
    }

    Marke = new Ring(this);
    Info = new Infofeld(this);
    Info->setGeometry(735, 160, 114, 539); // inside the background's outline
    Info->setFont(Steuerschrift());
    setMouseTracking(true);
    // A pointer that jumps from the plot onto a control never crosses the
    // window's own background, which alone reports moves.
    for (QWidget *Kind :
        std::initializer_list<QWidget *> { LEdit1, ButtonZeichnen, ButtonLoeschen, ButtonRahmen, Info }) {
        Kind->installEventFilter(this);
    }

    Nachfuehrung = new QTimer(this);
    Nachfuehrung->setSingleShot(true);
    Nachfuehrung->setInterval(0);
    connect(Nachfuehrung, &QTimer::timeout, this, &KdeW::Anzeige_nachfuehren);

    // The window's own compiles for the info area write nothing: standard
    // output carries what the paints say.
    Nebenrechner->Stumm = true;
    Dienst = new Diskussionsdienst(this);
    connect(Dienst, &Diskussionsdienst::fertig, this, &KdeW::Diskussion_erhalten);
    // Long enough for the next step of a drag or a wheel to come first.
    Ruhe = new QTimer(this);
    Ruhe->setSingleShot(true);
    Ruhe->setInterval(200);
    connect(Ruhe, &QTimer::timeout, this, &KdeW::Diskussion_verlangen);

    // Ctrl+Q as in every KDE program; the window has no menu to carry it.
    // Qt's Windows key scheme, which its offscreen platform uses as well,
    // has no key to quit.
    QAction *Beenden = Tastenaktion(QStringLiteral("Beenden"), QKeySequence::Quit);
    if (Beenden->shortcuts().isEmpty()) {
        Beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    }
    connect(Beenden, &QAction::triggered, this, &QWidget::close);

    // Each control fills its own background, as a window of its own does;
    // otherwise every blink of the cursor would repaint the graph beneath.
    for (QWidget *Steuerelement :
        std::initializer_list<QWidget *> { LEdit1, ButtonZeichnen, ButtonLoeschen, ButtonRahmen }) {
        Steuerelement->setAutoFillBackground(true);
    }

    Ansichtsaktionen_anlegen();
    Bildaktionen_anlegen();
    Zugang_einrichten();
}

// The discussion's thread ends before the window's members go.
KdeW::~KdeW()
{
    delete Dienst;
}

void KdeW::setBackground()
{
    p.begin(&buffer);
    p.setBrush(QColor(Hintergrundfarbe));
    // The outline on the last column and row, as the picture has it.
    p.drawRect(0, 0, BILD_BREITE - 1, BILD_HOEHE - 1);
    p.end();
    // Only paintEvent may paint on the window; the next one copies buffer.
    Hintergrund_neu = true;
    repaint();
}

void KdeW::resizeEvent(QResizeEvent *event)
{
    buffer = QPixmap(event->size());
}

void KdeW::Zeichnen()
{
    Formel_uebernehmen();
    Bild_erneuern();
}

void KdeW::LEdit1_returnPressed()
{
    Zeichnen();
}

void KdeW::Loeschen()
{
    LEdit1->setText(QString());
    LEdit1->setFocus();
}

void KdeW::RButton(int ButtonNr)
{
    if (ButtonNr != 1 && ButtonNr != 2) {
        return;
    }
    Formelinterpreter.setRAD(ButtonNr == 1);
    Formel_uebernehmen();
    Bild_erneuern();
}

void KdeW::Formel_vorgeben(const QString &Text)
{
    LEdit1->setText(Text);
}

void KdeW::Ansicht_waehlen(bool Bogenmass)
{
    (Bogenmass ? b1 : b2)->setChecked(true);
    Formelinterpreter.setRAD(Bogenmass);
}

void KdeW::Ansicht_vorgeben(const Ansicht &A)
{
    Ansichten[A.Bogenmass] = A;
}

const Ansicht &KdeW::Sicht() const
{
    return Ansichten[Formelinterpreter.statusRAD()];
}

// The formulas of the entry's text, read as the interpreter reads text: a
// character outside Latin-1 arrives as "?", which the interpreter reports,
// and the copy never runs past 255 characters. Copied one by one: a Latin-1
// copy of the text would be a heap allocation at every repaint.
Formelliste KdeW::Formeln_lesen()
{
    const QString Text = LEdit1->text();
    const int Laenge = std::min<int>(Text.size(), sizeof Eingabe - 1);
    for (int i = 0; i < Laenge; ++i) {
        const ushort Zeichen = Text[i].unicode();
        Eingabe[i] = Zeichen < 256 ? char(Zeichen) : '?';
    }
    Eingabe[Laenge] = '\0';
    abgeschnitten = Text.size() > Laenge;
    return Formeln_trennen(std::string_view(Eingabe, Laenge));
}

// The entry's formula, the first of several, into the interpreter.
void KdeW::Formel_uebernehmen()
{
    Formel_setzen(Formelinterpreter, Formeln_lesen().Formeln[0]);
}

void KdeW::Bild_erneuern()
{
    // Drawn before the slot returns, over the picture already there, and
    // shown in the entry and the info area before it returns as well.
    repaint(0, 50, BILD_BREITE, BILD_HOEHE);
    Anzeige_nachfuehren();
    Verlauf.merken(LEdit1->text());
}

void KdeW::leaveEvent(QEvent *)
{
    Zeiger_weg();
}

bool KdeW::eventFilter(QObject *Objekt, QEvent *Ereignis)
{
    if (Ereignis->type() == QEvent::Enter) {
        Zeiger_weg();
    }
    if (Objekt == LEdit1 && Kopiertaste_abgeben(Ereignis)) {
        return true;
    }
    if (Objekt == LEdit1 && Ereignis->type() == QEvent::KeyPress
        && Verlauf_blaettern(static_cast<QKeyEvent *>(Ereignis))) {
        return true;
    }
    if (Objekt == Kurve && Ereignis->type() == QEvent::KeyPress
        && (Schiebetaste(static_cast<QKeyEvent *>(Ereignis)) || Kurventaste(static_cast<QKeyEvent *>(Ereignis)))) {
        return true;
    }
    if (Objekt == Kurve && Ereignis->type() == QEvent::FocusOut && Cursorspalte >= 0) {
        Zeiger_weg();
    }
    return QMainWindow::eventFilter(Objekt, Ereignis);
}
