// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "KdeKurvano.h"

#include <KAcceleratorManager>
#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QString>

#include <algorithm>
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
    // Formel holds 255 characters and the terminating zero.
    LEdit1->setMaxLength(255);
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

    // Each control fills its own background, as a window of its own does;
    // otherwise every blink of the cursor would repaint the graph beneath.
    for (QWidget *Steuerelement :
        std::initializer_list<QWidget *> { LEdit1, ButtonZeichnen, ButtonLoeschen, ButtonRahmen }) {
        Steuerelement->setAutoFillBackground(true);
    }
}

void KdeW::setBackground()
{
    p.begin(&buffer);
    p.setBrush(QColor(Hintergrundfarbe));
    Rechteck(0, 0, BILD_BREITE, BILD_HOEHE);
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

void KdeW::Formel_uebernehmen()
{
    // A character outside Latin-1 arrives as "?", which the interpreter
    // reports; the copy never runs past the end of Formel. Copied one by one:
    // a Latin-1 copy of the text would be a heap allocation at every repaint.
    const QString Text = LEdit1->text();
    const int Laenge = std::min<int>(Text.size(), sizeof Formelinterpreter.Formel - 1);
    for (int i = 0; i < Laenge; ++i) {
        const ushort Zeichen = Text[i].unicode();
        Formelinterpreter.Formel[i] = Zeichen < 256 ? char(Zeichen) : '?';
    }
    Formelinterpreter.Formel[Laenge] = '\0';
}

void KdeW::Bild_erneuern()
{
    // Drawn before the slot returns, over the picture already there.
    repaint(0, 50, BILD_BREITE, BILD_HOEHE);
}
