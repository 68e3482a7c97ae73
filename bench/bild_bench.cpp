// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Times the window's whole repaint of both views beside the evaluations
// alone that it needs, and beside the curve drawn with one painter call per
// sample, and closes with the ratios of this very run.

#include "KdeKurvano.h"
#include "Vektorzustand.h"

#include "ergebnisse.h"
#include "malzustand.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPointF>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {
const char VORGABE[] = "sin(X)+x^2*0.1";

KdeW *Fenster = nullptr;

// The window's image as the offscreen platform holds it.
QImage Fensterbild()
{
    return QImage(BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32);
}

// The window paints itself, as a paint event makes it; its controls are
// left out, they are not part of the graph.
void Fenster_malen(QImage &Bild)
{
    Fenster->render(&Bild, QPoint(), QRegion(), QWidget::RenderFlags());
}

// paintEvent copies the entry's text and compiles it; so does everything
// timed beside it.
void Compilieren()
{
    std::strcpy(Formelinterpreter.Formel, VORGABE);
    Formelinterpreter.Formel_compillieren();
}

void Neuzeichnen(benchmark::State &Zustand, bool Bogenmass)
{
    Formelinterpreter.setRAD(Bogenmass);
    QImage Bild = Fensterbild();
    for (auto _ : Zustand) {
        Fenster_malen(Bild);
        benchmark::ClobberMemory();
    }
}

// A step of a drag: every repaint in a view moved by a pixel, so that the
// layers are drawn anew each time.
void Verschieben(benchmark::State &Zustand, bool Bogenmass)
{
    Formelinterpreter.setRAD(Bogenmass);
    QImage Bild = Fensterbild();
    const Ansicht Anfang = Ansicht::Anfang(Bogenmass);
    const double Pixel = (Anfang.xBis - Anfang.xVon) / Anfang.Breite();
    int Schritt = 0;
    for (auto _ : Zustand) {
        Fenster->Ansicht_vorgeben(*Anfang.verschoben(Pixel * (++Schritt % 2 + 1), 0));
        Fenster_malen(Bild);
        benchmark::ClobberMemory();
    }
    Fenster->Ansicht_vorgeben(Anfang);
}

// ---------------------------------------------------------------- radian view

// Pixel row of a sample, as a double so that NaN and huge values fail the
// band test; the same arithmetic as the window's.
double Bogenmass_Zeile(double x)
{
    Formelinterpreter.x = x;
    return 380 - std::trunc(Formelinterpreter.Formel_Berechnen() * 50.0);
}

bool im_Band(double Zeile)
{
    return Zeile > 80 && Zeile < 680;
}

void Bogenmass_Auswertungen(benchmark::State &Zustand)
{
    Formelinterpreter.setRAD(true);
    for (auto _ : Zustand) {
        Compilieren();
        for (double x = -6.4; x <= 6.4; x += 0.001) {
            benchmark::DoNotOptimize(im_Band(Bogenmass_Zeile(x)));
        }
    }
}

// One 3 x 3 ellipse per sample in the band, over the black plot area.
void Bogenmass_Einzelpunkte(benchmark::State &Zustand)
{
    Formelinterpreter.setRAD(true);
    QImage Bild = Fensterbild();
    Bild.fill(Qt::black);
    for (auto _ : Zustand) {
        QPainter Maler(&Bild);
        Maler.setCompositionMode(QPainter::CompositionMode_Source);
        Maler.setBrush(QColor(0, 0, 0));
        Maler.setPen(Qt::yellow);
        Compilieren();
        for (double x = -6.4; x <= 6.4; x += 0.001) {
            const double Zeile = Bogenmass_Zeile(x);
            if (im_Band(Zeile)) {
                Maler.drawEllipse(int(x * 50.0) + 350, int(Zeile), 2, 2);
            }
        }
    }
}

// ---------------------------------------------------------------- degree view

double Gradmass_Zeile(double x)
{
    Formelinterpreter.x = x - 360;
    return 380 - std::trunc(Formelinterpreter.Formel_Berechnen());
}

void Gradmass_Auswertungen(benchmark::State &Zustand)
{
    Formelinterpreter.setRAD(false);
    for (auto _ : Zustand) {
        Compilieren();
        for (double x = 0; x <= 720; x += 1) {
            benchmark::DoNotOptimize(im_Band(Gradmass_Zeile(x)));
        }
    }
}

// One line per segment that ends in the band, from the sample before it.
void Gradmass_Einzellinien(benchmark::State &Zustand)
{
    Formelinterpreter.setRAD(false);
    QImage Bild = Fensterbild();
    Bild.fill(Qt::black);
    for (auto _ : Zustand) {
        QPainter Maler(&Bild);
        Maler.setCompositionMode(QPainter::CompositionMode_Source);
        Maler.setPen(Qt::yellow);
        Compilieren();
        QPointF Stift;
        for (double x = 0; x <= 720; x += 1) {
            const QPointF Punkt(x + 10, Gradmass_Zeile(x));
            if (x > 0 && im_Band(Punkt.y())) {
                Maler.drawLine(Stift, Punkt);
            }
            Stift = Punkt;
        }
    }
}

// ---------------------------------------------------------------- after painting

// The radian view's evaluations, timed alone; with the clearing, the
// registers are cleared as the window clears them before its samples.

void Nach_dem_Malen(benchmark::State &Zustand, Vorher Was)
{
    Formelinterpreter.setRAD(true);
    QImage Bild = Fensterbild();
    for (auto _ : Zustand) {
        Register_vorbereiten(Zustand, Was, Bild);
        if (Was == Vorher::Fuellung_und_Aufraeumen) {
            Vektorregister_aufraeumen();
        }
        Compilieren();
        for (double x = -6.4; x <= 6.4; x += 0.001) {
            benchmark::DoNotOptimize(im_Band(Bogenmass_Zeile(x)));
        }
    }
}

// ---------------------------------------------------------------- several curves

// The radian view's repaint with the preset n times over, as n curves.
void Kurven(benchmark::State &Zustand, int n)
{
    Formelinterpreter.setRAD(true);
    QStringList Formeln;
    for (int i = 0; i < n; ++i) {
        Formeln << QString::fromLatin1(VORGABE);
    }
    auto *Eingabe = Fenster->findChild<QLineEdit *>();
    Eingabe->setText(Formeln.join(QStringLiteral("; ")));
    QImage Bild = Fensterbild();
    for (auto _ : Zustand) {
        Fenster_malen(Bild);
        benchmark::ClobberMemory();
    }
    Eingabe->setText(QString::fromLatin1(VORGABE));
}

// ---------------------------------------------------------------- closing table

void Zeile(const Ergebnisse &Zeiten, const std::string &Ansicht, const char *Einzeln)
{
    const double Neu = Zeiten.Zeit(Ansicht + "/Neuzeichnen");
    const double Auswertungen = Zeiten.Zeit(Ansicht + "/Auswertungen");
    const double Alt = Zeiten.Zeit(Ansicht + "/" + Einzeln);
    if (std::isnan(Neu) && std::isnan(Auswertungen) && std::isnan(Alt)) {
        return;
    }
    std::printf("%-10s %11.1f %12.1f %13.1f %16.2f %16.2f\n", Ansicht.c_str(), Neu, Auswertungen, Alt,
        Neu / Auswertungen, Alt / Neu);
}

void Tabelle(const Ergebnisse &Zeiten)
{
    std::printf("\nRepaint, microseconds (CPU time; median if repeated)\n");
    std::printf("%-10s %11s %12s %13s %16s %16s\n", "view", "repaint", "evaluations", "one call per", "repaint/evals",
        "one call/repaint");
    Zeile(Zeiten, "Bogenmass", "Einzelpunkte");
    Zeile(Zeiten, "Gradmass", "Einzellinien");

    const double Kalt = Zeiten.Zeit("NachDemMalen/kalt");
    const double Gefuellt = Zeiten.Zeit("NachDemMalen/Fuellung");
    const double Aufgeraeumt = Zeiten.Zeit("NachDemMalen/Fuellung_Aufraeumen");
    if (!std::isnan(Kalt + Gefuellt + Aufgeraeumt)) {
        std::printf("\n12,800 evaluations of the preset, microseconds (CPU time; median if repeated)\n");
        std::printf(
            "%8s %12s %18s %14s %20s\n", "cold", "after fill", "fill, then cleared", "fill/cold", "fill+cleared/cold");
        std::printf(
            "%8.1f %12.1f %18.1f %14.2f %20.2f\n", Kalt, Gefuellt, Aufgeraeumt, Gefuellt / Kalt, Aufgeraeumt / Kalt);
    }

    const double Eine = Zeiten.Zeit("Kurven/1");
    const double Zwei = Zeiten.Zeit("Kurven/2");
    const double Sechs = Zeiten.Zeit("Kurven/6");
    if (!std::isnan(Eine + Zwei + Sechs)) {
        std::printf("\nRadian repaint with the preset as 1, 2 and 6 curves, microseconds (CPU time; median if "
                    "repeated)\n");
        std::printf("%8s %8s %8s %8s %8s\n", "1", "2", "6", "2/1", "6/1");
        std::printf("%8.1f %8.1f %8.1f %8.2f %8.2f\n", Eine, Zwei, Sechs, Zwei / Eine, Sechs / Eine);
    }
}

void registrieren()
{
    benchmark::RegisterBenchmark("Bogenmass/Neuzeichnen", Neuzeichnen, true)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Bogenmass/Auswertungen", Bogenmass_Auswertungen)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Bogenmass/Verschieben", Verschieben, true)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Gradmass/Verschieben", Verschieben, false)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Bogenmass/Einzelpunkte", Bogenmass_Einzelpunkte)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Gradmass/Neuzeichnen", Neuzeichnen, false)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Gradmass/Auswertungen", Gradmass_Auswertungen)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Gradmass/Einzellinien", Gradmass_Einzellinien)->Unit(benchmark::kMicrosecond);
    Nach_dem_Malen_anmelden(Nach_dem_Malen);
    for (const int n : { 1, 2, 6 }) {
        benchmark::RegisterBenchmark(("Kurven/" + std::to_string(n)).c_str(), Kurven, n)->Unit(benchmark::kMicrosecond);
    }
}

// Timing a render is only worth it if the render really runs paintEvent:
// the preset's curve must stand on a freshly cleared image.
bool malt_wirklich()
{
    Formelinterpreter.setRAD(true);
    QImage Bild = Fensterbild();
    Bild.fill(Qt::white);
    Fenster_malen(Bild);
    const QRgb Gelb = qRgb(255, 255, 0);
    int Gelbe = 0;
    for (int Spalte = 0; Spalte < BILD_BREITE; ++Spalte) {
        for (int Zeile = 0; Zeile < BILD_HOEHE; ++Zeile) {
            Gelbe += Bild.pixel(Spalte, Zeile) == Gelb;
        }
    }
    if (Gelbe < 1000 || Bild.pixel(700, 400) != Hintergrundfarbe) {
        std::fprintf(stderr, "render did not paint the graph (%d yellow pixels)\n", Gelbe);
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return EXIT_FAILURE;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication Anwendung(argc, argv);
    Fenster = new KdeW;
    Fenster->show();
    Fenster->setBackground();
    Fenster->findChild<QLineEdit *>()->setText(QString::fromLatin1(VORGABE));
    if (!malt_wirklich()) {
        return EXIT_FAILURE;
    }
    registrieren();
    Ergebnisse Zeiten;
    benchmark::RunSpecifiedBenchmarks(&Zeiten);
    benchmark::Shutdown();
    Tabelle(Zeiten);
    delete Fenster;
    return EXIT_SUCCESS;
}
