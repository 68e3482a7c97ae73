// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Types arbitrary bytes into the window's entry, as Latin-1 and at most 255
// of them as the entry takes, and paints them in both views. The sanitizers
// watch memory and arithmetic; the checks below watch the picture: the curve
// may colour only the places it can reach, everything else stays as in the
// picture without a curve, and a refused formula draws the line of 0. The
// info area, whose texts follow the formula's faults, is left out.

#include "Infofeld.h"
#include "KdeKurvano.h"
#include "ausgabezaehler.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>

namespace {
const QRgb SCHWARZ = qRgb(0, 0, 0);

// Above this row stand the entry, with the formula's text, and the buttons.
const int ERSTE_ZEILE = 50;

// Where a view's curve may colour pixels, and whether black among them:
// inside its frame, borders included. A radian dot has a black centre and
// starts in rows 81 to 679; a degree segment may come from a far row down to
// the frame.
struct Modus {
    int ButtonNr;
    QRect Kurvenbereich;
    bool schwarzePunkte;
    const char *Name;
    QImage Leer;
    QImage Nulllinie;
};

Ausgabezaehler Ausgabe;
KdeW *Fenster = nullptr;
Modus Ansichten[] = {
    { 1, QRect(QPoint(30, 81), QPoint(669, 679)), true, "RAD", {}, {} },
    { 2, QRect(QPoint(10, 80), QPoint(729, 679)), false, "DEG", {}, {} },
};

// Painted in the view Sicht as a click on the mode's radio button paints
// it, and taken from the screen.
QImage Malen(const QString &Text, const Modus &A, const Ansicht &Sicht)
{
    Fenster->findChild<QLineEdit *>()->setText(Text);
    Fenster->Ansicht_vorgeben(Sicht);
    Fenster->RButton(A.ButtonNr);
    return Fenster->windowHandle()
        ->screen()
        ->grabWindow(Fenster->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// In the mode's start view.
QImage Malen(const QString &Text, const Modus &A)
{
    return Malen(Text, A, Ansicht::Anfang(A.ButtonNr == 1));
}

[[noreturn]] void Verstoss(const char *Was, const Modus &A, int x, int y)
{
    const Ansicht &V = Fenster->Sicht();
    std::fprintf(stderr, "%s in %s, x %.17g to %.17g, y %.17g to %.17g, at (%d, %d): \"%s\"\n", Was, A.Name, V.xVon,
        V.xBis, V.yVon, V.yBis, x, y, Formelinterpreter.Formel);
    std::abort();
}

void pruefen(const QImage &Bild, const Modus &A, bool fehlerhaft, const QImage &Leer)
{
    const QImage &Vorbild = fehlerhaft ? A.Nulllinie : Leer;
    const QRect Info = Fenster->findChild<Infofeld *>()->geometry();
    for (int y = ERSTE_ZEILE; y < BILD_HOEHE; ++y) {
        const auto *Zeile = reinterpret_cast<const QRgb *>(Bild.constScanLine(y));
        const auto *VorbildZeile = reinterpret_cast<const QRgb *>(Vorbild.constScanLine(y));
        for (int x = 0; x < BILD_BREITE; ++x) {
            if (Zeile[x] == VorbildZeile[x] || Info.contains(x, y)) {
                continue;
            }
            if (fehlerhaft) {
                Verstoss("refused formula drew more than the line of 0", A, x, y);
            }
            const bool Kurvenfarbe
                = std::find(std::begin(Kurvenfarben), std::end(Kurvenfarben), Zeile[x]) != std::end(Kurvenfarben)
                || (A.schwarzePunkte && Zeile[x] == SCHWARZ);
            if (!Kurvenfarbe || !A.Kurvenbereich.contains(x, y)) {
                Verstoss("pixel changed where the curve cannot reach", A, x, y);
            }
        }
    }
}
// A view of the input's own, anywhere between the limits of the ranges, and
// often right at them: the bytes' hash picks the centres, the widths and
// the mode.
Ansicht Zufallsansicht(const std::uint8_t *Daten, std::size_t Groesse)
{
    std::uint64_t h = 1469598103934665603ULL;
    for (std::size_t i = 0; i < Groesse; ++i) {
        h = (h ^ Daten[i]) * 1099511628211ULL;
    }
    const auto Zahl = [&h](int Spanne) {
        h = h * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((h >> 33) % std::uint64_t(Spanne));
    };
    Ansicht A = Ansicht::Anfang(Zahl(2) == 0);
    const auto Bereich = [&](double &Von, double &Bis) {
        const double Mitte = (Zahl(2) ? -1 : 1) * (1 + Zahl(9)) * std::pow(10.0, Zahl(306) - 6);
        const double Enge = 1e-10 * std::max(1.0, std::abs(Mitte)) * (1 + 1e-6);
        const double Weite = std::clamp(std::pow(10.0, Zahl(312) - 11) * (1 + Zahl(9)), Enge, 1e300);
        Von = Mitte - Weite / 2;
        Bis = Mitte + Weite / 2;
    };
    Bereich(A.xVon, A.xBis);
    Bereich(A.yVon, A.yBis);
    return A.zulaessig() ? A : Ansicht::Anfang(A.Bogenmass);
}

// The input's formulas in its own view: only its frame may change. NaN
// draws nothing in any view, so "0/0" gives the picture without a curve.
void frei_pruefen(const QString &Text, const std::uint8_t *Daten, std::size_t Groesse)
{
    const Ansicht Frei = Zufallsansicht(Daten, Groesse);
    const Modus &A = Ansichten[Frei.Bogenmass ? 0 : 1];
    const QImage Leer = Malen(QStringLiteral("0/0"), A, Frei);
    pruefen(Malen(Text, A, Frei), A, false, Leer);
}
} // namespace

// Fontconfig loses a few hundred bytes once, while it reads its configuration
// for the first font; LeakSanitizer would report them when the run ends.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::cout.rdbuf(&Ausgabe);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int Argc = 1;
    static char Name[] = "bild_fuzz";
    static char *Argv[] = { Name, nullptr };
    new QApplication(Argc, Argv);

    // Started as main starts it.
    Formelinterpreter.setRAD(true);
    Fenster = new KdeW;
    Fenster->show();
    Fenster->setBackground();
    // Until then the screen holds no picture of the window.
    while (!Fenster->windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
    // 6 lies above the radian band, 300 above the degree one.
    Ansichten[0].Leer = Malen(QStringLiteral("6"), Ansichten[0]);
    Ansichten[1].Leer = Malen(QStringLiteral("300"), Ansichten[1]);
    for (Modus &A : Ansichten) {
        A.Nulllinie = Malen(QStringLiteral("0"), A);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Daten, std::size_t Groesse)
{
    const QString Text
        = QString::fromLatin1(reinterpret_cast<const char *>(Daten), int(std::min<std::size_t>(Groesse, 255)));
    // Of several formulas, a faulty one draws its line of 0 beside the others.
    const bool Eine_Formel = !Text.contains(QLatin1Char(';'));
    for (const Modus &A : Ansichten) {
        Ausgabe.Zeichen = 0;
        const QImage Bild = Malen(Text, A);
        pruefen(Bild, A, Eine_Formel && Ausgabe.Zeichen > 0, A.Leer);
    }
    frei_pruefen(Text, Daten, Groesse);
    return 0;
}
