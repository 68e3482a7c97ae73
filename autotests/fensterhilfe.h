// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Helpers for the tests of the graph window: a window started as main starts
// it, its pictures, and the interpreter's messages.

#ifndef FENSTERHILFE_H
#define FENSTERHILFE_H

#include "Infofeld.h"
#include "KdeKurvano.h"

#include <KLocalizedString>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <iostream>
#include <sstream>
#include <string>

// Views as columns of the tests' tables.
Q_DECLARE_METATYPE(Ansicht)

const QRgb GELB = qRgb(255, 255, 0);
const QRgb BLAU = qRgb(0, 0, 255);
const QRgb SCHWARZ = qRgb(0, 0, 0);
const QString VOREINSTELLUNG = QStringLiteral("sin(X)+x^2*0.1");

// Catches what the interpreter writes to std::cout while it lives.
class Ausgabefang
{
public:
    Ausgabefang()
        : Alt(std::cout.rdbuf(Text.rdbuf()))
    {
    }
    ~Ausgabefang()
    {
        std::cout.rdbuf(Alt);
    }
    Ausgabefang(const Ausgabefang &) = delete;
    Ausgabefang &operator=(const Ausgabefang &) = delete;

    int Anzahl(const std::string &Meldung) const
    {
        const std::string Alles = Text.str();
        int n = 0;
        for (auto i = Alles.find(Meldung); i != std::string::npos; i = Alles.find(Meldung, i + 1)) {
            ++n;
        }
        return n;
    }

private:
    std::ostringstream Text;
    std::streambuf *Alt;
};

// Started as main starts it: the texts' domain, radians, shown, background
// filled.
inline KdeW *neuesFenster()
{
    KLocalizedString::setApplicationDomain("kurvano");
    Formelinterpreter.setRAD(true);
    auto *w = new KdeW;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    w->setBackground();
    if (!QTest::qWaitForWindowExposed(w)) {
        qFatal("the window was never exposed");
    }
    return w;
}

inline QLineEdit *Eingabe(KdeW *w)
{
    return w->findChild<QLineEdit *>();
}

// What the window shows now, as the window system holds it.
inline QImage Bildschirm(KdeW *w)
{
    return w->windowHandle()->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The picture that a paint of the window draws now.
inline QImage Gemalt(KdeW *w)
{
    Ausgabefang Fang;
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What paintEvent alone draws, without the controls on top, from row 50
// down: the rectangle of a saved picture.
inline QImage Eigenes_Bild(KdeW *w)
{
    Ausgabefang Fang;
    QPixmap Bild(w->size());
    w->render(&Bild, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return Bild.toImage().convertToFormat(QImage::Format_RGB32).copy(0, 50, BILD_BREITE, BILD_HOEHE - 50);
}

// The formula drawn in one view, as a click on its radio button draws it.
inline QImage Bild(KdeW *w, const QString &Formel, bool Bogenmass)
{
    Eingabe(w)->setText(Formel);
    Ausgabefang Fang;
    w->RButton(Bogenmass ? 1 : 2);
    return Gemalt(w);
}

inline Infofeld *Info(KdeW *w)
{
    return w->findChild<Infofeld *>();
}

// The picture with the info area blotted out: its texts follow the faults of
// the formula and the pointer, not the graph.
inline QImage ohneInfofeld(KdeW *w, QImage Bild)
{
    QPainter(&Bild).fillRect(Info(w)->geometry(), Qt::magenta);
    return Bild;
}

// The graph below the entry and left of the radio buttons, whose look
// changes as the window gains the focus.
inline QImage Grafik(const QImage &Bild)
{
    return Bild.copy(0, 50, 735, BILD_HOEHE - 50);
}

#endif
