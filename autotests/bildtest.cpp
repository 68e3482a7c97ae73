// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The picture of both views, read pixel by pixel from the painted window.

#include "Vektorzustand.h"
#include "fensterhilfe.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QVector>

#include <clocale>
#include <cmath>
#include <cstring>

using Punkte = QList<QPoint>;

class BildTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void bogenmass_gitter_data();
    void bogenmass_gitter();
    void bogenmass_beschriftung_data();
    void bogenmass_beschriftung();
    void beschriftung_schriftart();
    void gradmass_gitter_data();
    void gradmass_gitter();
    void gradmass_ohne_beschriftung();
    void kurvenzeilen_data();
    void kurvenzeilen();
    void punktform_data();
    void punktform();
    void gerade_x_im_gradmass();
    void freie_ansichten_data();
    void freie_ansichten();
    void zwei_kurven_data();
    void zwei_kurven();
    void meldungen_data();
    void meldungen();
    void grenzwerte_data();
    void grenzwerte();
    void voreinstellung_deutsch();
    void nach_dem_Malen();

private:
    KdeW *w = nullptr;
};

namespace {
const QRgb HG = Hintergrundfarbe;

// The frame outline of the full-window fill has the window's text colour.
QRgb Vordergrund(QWidget *w)
{
    return w->palette().color(QPalette::WindowText).rgb();
}

bool dunkel(QRgb Farbe)
{
    return qGray(Farbe) < 80;
}

QList<int> gelbeZeilen(const QImage &Bild)
{
    QList<int> Zeilen;
    for (int y = 0; y < Bild.height(); ++y) {
        for (int x = 0; x < Bild.width(); ++x) {
            if (Bild.pixel(x, y) == GELB) {
                Zeilen << y;
                break;
            }
        }
    }
    return Zeilen;
}

int gelbePunkte(const QImage &Bild, const QRect &Bereich)
{
    int n = 0;
    for (int y = Bereich.top(); y <= Bereich.bottom(); ++y) {
        for (int x = Bereich.left(); x <= Bereich.right(); ++x) {
            n += Bild.pixel(x, y) == GELB;
        }
    }
    return n;
}

int dunklePunkte(const QImage &Bild, const QRect &Bereich)
{
    int n = 0;
    for (int y = Bereich.top(); y <= Bereich.bottom(); ++y) {
        for (int x = Bereich.left(); x <= Bereich.right(); ++x) {
            n += dunkel(Bild.pixel(x, y));
        }
    }
    return n;
}

// Pixels with their colours; the colour 1 stands for the window's text colour.
using Farbtabelle = QList<QPair<QPoint, QRgb>>;
const QRgb VG = 1;

void addPixelZeilen(const Farbtabelle &Tabelle)
{
    QTest::addColumn<QPoint>("Punkt");
    QTest::addColumn<QRgb>("Farbe");
    for (const auto &Eintrag : Tabelle) {
        const QPoint &P = Eintrag.first;
        QTest::addRow("(%d, %d)", P.x(), P.y()) << P << Eintrag.second;
    }
}
}

void BildTest::initTestCase()
{
    w = neuesFenster();
}

void BildTest::cleanupTestCase()
{
    delete w;
}

void BildTest::bogenmass_gitter_data()
{
    // clang-format off
    addPixelZeilen({
        // window outline and background
        {{0, 400}, VG}, {{849, 400}, VG}, {{400, 699}, VG}, {{1, 400}, HG}, {{848, 400}, HG}, {{400, 698}, HG}, {{700, 400}, HG},
        // frame
        {{30, 200}, BLAU}, {{669, 200}, BLAU}, {{29, 200}, HG}, {{670, 200}, HG}, {{31, 200}, SCHWARZ}, {{668, 200}, SCHWARZ},
        {{225, 79}, HG}, {{225, 80}, BLAU}, {{225, 81}, SCHWARZ}, {{225, 678}, SCHWARZ}, {{225, 679}, BLAU},
        // column grid from row 77 to 680
        {{50, 76}, HG}, {{50, 77}, BLAU}, {{50, 300}, BLAU}, {{50, 680}, BLAU}, {{50, 681}, HG}, {{49, 300}, SCHWARZ}, {{51, 300}, SCHWARZ},
        {{650, 77}, BLAU}, {{650, 680}, BLAU}, {{600, 300}, BLAU}, {{649, 300}, SCHWARZ}, {{651, 300}, SCHWARZ},
        // row grid to column 670; its left ends lie under the labels
        {{670, 130}, BLAU}, {{671, 130}, HG}, {{225, 129}, SCHWARZ}, {{225, 130}, BLAU}, {{225, 131}, SCHWARZ},
        {{670, 680}, BLAU}, {{225, 680}, BLAU}, {{225, 681}, HG}, {{225, 630}, BLAU},
        // triple vertical axis, rows 80 to 680
        {{348, 300}, SCHWARZ}, {{349, 300}, BLAU}, {{350, 300}, BLAU}, {{351, 300}, BLAU}, {{352, 300}, SCHWARZ},
        {{349, 79}, HG}, {{350, 79}, BLAU}, {{351, 79}, HG}, {{349, 680}, BLAU}, {{351, 680}, BLAU}, {{349, 681}, HG},
        // triple horizontal axis to column 670
        {{225, 378}, SCHWARZ}, {{225, 379}, BLAU}, {{225, 380}, BLAU}, {{225, 381}, BLAU}, {{225, 382}, SCHWARZ},
        {{670, 379}, BLAU}, {{670, 381}, BLAU}, {{671, 379}, HG}, {{671, 380}, HG}, {{671, 381}, HG},
    });
    // clang-format on
}

void BildTest::bogenmass_gitter()
{
    QFETCH(QPoint, Punkt);
    QFETCH(QRgb, Farbe);
    // 6 lies outside the plot area, so no curve covers the grid.
    const QImage B = Bild(w, QStringLiteral("6"), true);
    QCOMPARE(B.pixel(Punkt), Farbe == VG ? Vordergrund(w) : Farbe);
}

// Labels "%2d": a minus in the first character cell only for negative
// numbers, a digit in the second cell always.
void BildTest::bogenmass_beschriftung_data()
{
    QTest::addColumn<QPoint>("Anfang");
    QTest::addColumn<int>("Zahl");
    QTest::addColumn<QRect>("frei");
    // Where text may stand: above the grid, or left of the frame.
    const QRect Oben(0, 0, BILD_BREITE, 77);
    const QRect Links(0, 0, 30, BILD_HOEHE);
    for (int i = 0; i < 13; ++i) {
        QTest::addRow("Spalte %d", i - 6) << QPoint(35 + 50 * i, 75) << i - 6 << Oben;
        QTest::addRow("Zeile %d", 6 - i) << QPoint(5, 85 + 50 * i) << 6 - i << Links;
    }
}

void BildTest::bogenmass_beschriftung()
{
    QFETCH(QPoint, Anfang);
    QFETCH(int, Zahl);
    QFETCH(QRect, frei);

    const QImage B = Bild(w, QStringLiteral("6"), true);
    const QFontMetrics Masse(QFont(QStringLiteral("courier"), 16, QFont::Bold));
    const int Breite = Masse.horizontalAdvance(QLatin1Char('0'));
    const int Hoehe = Masse.ascent();
    const QRect ErsteZelle = QRect(Anfang.x(), Anfang.y() - Hoehe, Breite, Hoehe).intersected(frei);
    const QRect ZweiteZelle = ErsteZelle.translated(Breite, 0).intersected(frei);
    QCOMPARE(dunklePunkte(B, ErsteZelle) > 0, Zahl < 0);
    QVERIFY(dunklePunkte(B, ZweiteZelle) > 10);
}

// The labels' "courier" must come out as Liberation Mono; another monospace
// font that claims the name would change the picture.
void BildTest::beschriftung_schriftart()
{
    if (!QFontDatabase().families().contains(QStringLiteral("Liberation Mono"))) {
        QSKIP("font Liberation Mono is not installed: run tools/install-deps.sh lauf");
    }
    const QFontInfo Info(QFont(QStringLiteral("courier"), 16, QFont::Bold));
    QCOMPARE(Info.family(), QStringLiteral("Liberation Mono"));
    QVERIFY(Info.bold());
}

void BildTest::gradmass_gitter_data()
{
    // clang-format off
    addPixelZeilen({
        // window outline and background
        {{0, 400}, VG}, {{849, 400}, VG}, {{400, 699}, VG}, {{1, 400}, HG}, {{848, 400}, HG}, {{400, 698}, HG}, {{780, 400}, HG},
        // frame
        {{10, 200}, BLAU}, {{729, 200}, BLAU}, {{9, 200}, HG}, {{730, 200}, HG}, {{11, 200}, SCHWARZ}, {{728, 200}, SCHWARZ},
        {{30, 200}, SCHWARZ}, {{200, 79}, HG}, {{200, 80}, BLAU}, {{200, 81}, SCHWARZ}, {{200, 679}, BLAU}, {{200, 680}, HG},
        // horizontal lines from column 10 to 730
        {{200, 180}, BLAU}, {{200, 280}, BLAU}, {{200, 480}, BLAU}, {{200, 580}, BLAU}, {{200, 181}, SCHWARZ}, {{200, 130}, SCHWARZ},
        {{730, 180}, BLAU}, {{731, 180}, HG}, {{9, 180}, HG}, {{730, 580}, BLAU},
        // vertical lines from row 80 to 680
        {{100, 300}, BLAU}, {{190, 300}, BLAU}, {{280, 300}, BLAU}, {{460, 300}, BLAU}, {{550, 300}, BLAU}, {{640, 300}, BLAU},
        {{101, 300}, SCHWARZ}, {{50, 300}, SCHWARZ}, {{100, 79}, HG}, {{100, 680}, BLAU}, {{100, 681}, HG}, {{640, 680}, BLAU},
        // triple axes
        {{368, 300}, SCHWARZ}, {{369, 300}, BLAU}, {{370, 300}, BLAU}, {{371, 300}, BLAU}, {{372, 300}, SCHWARZ},
        {{370, 680}, BLAU}, {{370, 681}, HG},
        {{200, 378}, SCHWARZ}, {{200, 379}, BLAU}, {{200, 380}, BLAU}, {{200, 381}, BLAU}, {{200, 382}, SCHWARZ},
        {{730, 379}, BLAU}, {{730, 381}, BLAU}, {{731, 380}, HG},
    });
    // clang-format on
}

void BildTest::gradmass_gitter()
{
    QFETCH(QPoint, Punkt);
    QFETCH(QRgb, Farbe);
    const QImage B = Bild(w, QStringLiteral("300"), false);
    QCOMPARE(B.pixel(Punkt), Farbe == VG ? Vordergrund(w) : Farbe);
}

void BildTest::gradmass_ohne_beschriftung()
{
    const QImage Grad = Bild(w, QStringLiteral("300"), false);
    const QRect Oben(1, 45, 848, 32);
    const QRect Links(1, 45, 8, 654);
    QCOMPARE(dunklePunkte(Grad, Oben), 0);
    QCOMPARE(dunklePunkte(Grad, Links), 0);
    // The same places hold the radian view's labels; its frame begins
    // further right, so the row labels reach to column 29.
    const QImage Bogen = Bild(w, QStringLiteral("300"), true);
    QVERIFY(dunklePunkte(Bogen, Oben) > 0);
    QVERIFY(dunklePunkte(Bogen, QRect(1, 45, 28, 654)) > 0);
}

// Which rows the curve of a constant reaches, and across which columns;
// only rows 81 to 679 are drawn in, and nothing of the curve passes the
// frame: the dots of the lowest row and the last column are cut there.
void BildTest::kurvenzeilen_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    QTest::addColumn<QList<int>>("Zeilen");
    QTest::addColumn<int>("ersteSpalte");
    QTest::addColumn<int>("letzteSpalte");

    QTest::newRow("RAD 0") << "0" << true << QList<int> { 380, 381, 382 } << 30 << 669;
    QTest::newRow("RAD 5.99") << "5.99" << true << QList<int> { 81, 82, 83 } << 30 << 669;
    QTest::newRow("RAD 6") << "6" << true << QList<int> {} << 0 << 0;
    QTest::newRow("RAD -5.99") << "-5.99" << true << QList<int> { 679 } << 31 << 669;
    QTest::newRow("RAD -6") << "-6" << true << QList<int> {} << 0 << 0;
    QTest::newRow("RAD fehlerhaft") << "foo(x)" << true << QList<int> { 380, 381, 382 } << 30 << 669;
    QTest::newRow("DEG 0") << "0" << false << QList<int> { 380 } << 10 << 729;
    QTest::newRow("DEG 299") << "299" << false << QList<int> { 81 } << 10 << 729;
    QTest::newRow("DEG 300") << "300" << false << QList<int> {} << 0 << 0;
    QTest::newRow("DEG -299") << "-299" << false << QList<int> { 679 } << 10 << 729;
    QTest::newRow("DEG -300") << "-300" << false << QList<int> {} << 0 << 0;
    QTest::newRow("DEG fehlerhaft") << "foo(x)" << false << QList<int> { 380 } << 10 << 729;
    QTest::newRow("DEG sin zwischen -1 und 1") << "sin(x)" << false << QList<int> { 379, 380, 381 } << 10 << 729;
}

void BildTest::kurvenzeilen()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    QFETCH(QList<int>, Zeilen);
    QFETCH(int, ersteSpalte);
    QFETCH(int, letzteSpalte);

    const QImage B = Bild(w, Formel, Bogenmass);
    QCOMPARE(gelbeZeilen(B), Zeilen);
    if (Zeilen.isEmpty()) {
        return;
    }
    const QRect Band(0, Zeilen.first(), BILD_BREITE, Zeilen.size());
    QVERIFY(gelbePunkte(B, Band.adjusted(0, 0, ersteSpalte - BILD_BREITE, 0)) == 0);
    QVERIFY(gelbePunkte(B, Band.adjusted(letzteSpalte + 1, 0, 0, 0)) == 0);
    QVERIFY(gelbePunkte(B, QRect(ersteSpalte, Zeilen.first(), 1, Zeilen.size())) > 0);
    QVERIFY(gelbePunkte(B, QRect(letzteSpalte, Zeilen.first(), 1, Zeilen.size())) > 0);
}

// A dot covers the 3 x 3 pixels right and down from its sample point: yellow
// edge centres, a black centre, corners left as they were. Seen at the ends
// of the formula 0, whose first dot stands at (30, 380), its last at
// (669, 380), of which only the left edge lies inside the frame.
void BildTest::punktform_data()
{
    // clang-format off
    addPixelZeilen({
        {{30, 381}, GELB}, {{30, 380}, BLAU}, {{30, 382}, BLAU}, {{31, 380}, GELB}, {{31, 382}, GELB},
        {{669, 381}, GELB}, {{670, 380}, BLAU}, {{670, 381}, BLAU}, {{671, 381}, HG}, {{670, 382}, HG},
        {{671, 380}, HG}, {{671, 382}, HG}, {{672, 381}, HG}, {{670, 383}, HG}, {{670, 379}, BLAU},
    });
    // clang-format on
}

void BildTest::punktform()
{
    QFETCH(QPoint, Punkt);
    QFETCH(QRgb, Farbe);
    const QImage B = Bild(w, QStringLiteral("0"), true);
    QCOMPARE(B.pixel(Punkt), Farbe);
}

// The formula x reaches row 380 - (n - 360) at column n + 10. Counters 0 to
// 60 lie at rows 740 to 680, outside; the first segment runs from (70, 680)
// to (71, 679), the last ends at (669, 81); row 80 and above only move the pen.
// The frame cuts the first segment's start.
void BildTest::gerade_x_im_gradmass()
{
    const QImage B = Bild(w, QStringLiteral("x"), false);
    QVERIFY(B.pixel(70, 680) != GELB);
    for (int n = 61; n < 660; ++n) {
        QCOMPARE(B.pixel(n + 10, 740 - n), GELB);
    }
    QCOMPARE(gelbePunkte(B, B.rect()), 599);
}

// Views other than the start views map linearly: a constant's rows, where
// its dots or its line lie, across the whole plot, and chosen points of a
// curve. Worked out by hand: in x 0 to 64 and y 0 to 60 the radian view has
// 10 pixels a unit, so 20 lies on row 80 + 40 * 10; in y -2 to 2 the degree
// view has 150, and x 0 to 720 a pixel a degree from column 10.
void BildTest::freie_ansichten_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<Ansicht>("A");
    QTest::addColumn<QList<int>>("Zeilen");
    QTest::addColumn<Punkte>("gelb");

    QTest::newRow("RAD 20") << "20" << Ansicht { true, 0, 64, 0, 60 } << QList<int> { 480, 481, 482 } << Punkte {};
    QTest::newRow("RAD 50") << "50" << Ansicht { true, -10, 10, -100, 100 } << QList<int> { 230, 231, 232 }
                            << Punkte {};
    QTest::newRow("RAD 0.5") << "0.5" << Ansicht { true, -6.4, 6.4, -1, 1 } << QList<int> { 230, 231, 232 }
                             << Punkte {};
    QTest::newRow("RAD -5 unter dem Band") << "-5" << Ansicht { true, 0, 64, 0, 60 } << QList<int> {} << Punkte {};
    QTest::newRow("DEG 1") << "1" << Ansicht { false, -360, 360, -1.5, 1.5 } << QList<int> { 180 } << Punkte {};
    QTest::newRow("DEG sin") << "sin(x)" << Ansicht { false, 0, 720, -2, 2 } << QList<int>()
                             << Punkte { { 100, 230 }, { 280, 530 }, { 10, 380 }, { 190, 380 } };
}

void BildTest::freie_ansichten()
{
    QFETCH(QString, Formel);
    QFETCH(Ansicht, A);
    QFETCH(QList<int>, Zeilen);
    QFETCH(Punkte, gelb);

    w->Ansicht_vorgeben(A);
    const QImage B = Bild(w, Formel, A.Bogenmass);
    w->Ansicht_vorgeben(Ansicht::Anfang(A.Bogenmass));
    if (gelb.isEmpty()) {
        QCOMPARE(gelbeZeilen(B), Zeilen);
    }
    if (!Zeilen.isEmpty()) {
        const QRect Band(0, Zeilen.first(), BILD_BREITE, Zeilen.size());
        const int Links = A.Bogenmass ? 30 : 10;
        const int Rechts = A.Bogenmass ? 669 : 729;
        QCOMPARE(gelbePunkte(B, Band.adjusted(0, 0, Links - BILD_BREITE, 0)), 0);
        QCOMPARE(gelbePunkte(B, Band.adjusted(Rechts + 1, 0, 0, 0)), 0);
        QVERIFY(gelbePunkte(B, QRect(Links, Zeilen.first(), 1, Zeilen.size())) > 0);
        QVERIFY(gelbePunkte(B, QRect(Rechts, Zeilen.first(), 1, Zeilen.size())) > 0);
    }
    for (const QPoint &P : gelb) {
        QVERIFY2(B.pixel(P) == GELB, qPrintable(QStringLiteral("(%1, %2)").arg(P.x()).arg(P.y())));
    }
}

// Several formulas: x in yellow on the rising diagonal, -x in cyan on the
// falling one, in both views; where they cross, the later curve lies over
// the earlier.
void BildTest::zwei_kurven_data()
{
    QTest::addColumn<bool>("Bogenmass");
    QTest::newRow("RAD") << true;
    QTest::newRow("DEG") << false;
}

void BildTest::zwei_kurven()
{
    QFETCH(bool, Bogenmass);
    const QRgb CYAN = qRgb(0, 255, 255);
    const QImage B = Bild(w, QStringLiteral("x; -x"), Bogenmass);
    for (const int d : { -250, -100, -50, 50, 100, 250 }) {
        // A dot's top edge is one column right of its sample point.
        const int Spalte = (Bogenmass ? 350 + 1 : 370) + d;
        QCOMPARE(B.pixel(Spalte, 380 - d), GELB);
        QCOMPARE(B.pixel(Spalte, 380 + d), CYAN);
    }
    QCOMPARE(B.pixel(Bogenmass ? 351 : 370, 380), CYAN);
}

// A faulty formula: one message from the compile, one refusal per sample.
void BildTest::meldungen_data()
{
    QTest::addColumn<int>("ButtonNr");
    QTest::addColumn<int>("Ablehnungen");
    QTest::newRow("RAD") << 1 << 12800;
    QTest::newRow("DEG") << 2 << 721;
}

void BildTest::meldungen()
{
    QFETCH(int, ButtonNr);
    QFETCH(int, Ablehnungen);

    Eingabe(w)->setText(QStringLiteral("foo(x)"));
    Ausgabefang Fang;
    w->RButton(ButtonNr);
    QCOMPARE(Fang.Anzahl("\nBefehl nicht bekannt: foo"), 1);
    QCOMPARE(Fang.Anzahl("\nEs sind 1 aufgtreten"), Ablehnungen);
}

// Values that are no number, infinite or beyond int: nothing drawn for them,
// no crash; a stall would meet ctest's timeout.
void BildTest::grenzwerte_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    QTest::addColumn<int>("ersteGelbeSpalte");
    QTest::addColumn<Punkte>("gelb");
    QTest::addColumn<Punkte>("nichtGelb");

    // ln 1 = 0 at column 350 + 50 = 400; ln of x <= 0 is drawn nowhere.
    QTest::newRow("RAD ln(x)") << "ln(x)" << true << 350 << Punkte { { 401, 380 } } << Punkte {};
    // ln 359 = 5.9 at column 729, row 375; the segment on to ln 360 in
    // column 730 lies outside the frame.
    QTest::newRow("DEG ln(x)") << "ln(x)" << false << 370 << Punkte { { 729, 375 }, { 372, 380 } }
                               << Punkte { { 730, 375 } };
    QTest::newRow("RAD 1/(x-x)") << "1/(x-x)" << true << -1 << Punkte {} << Punkte {};
    QTest::newRow("DEG 1/(x-x)") << "1/(x-x)" << false << -1 << Punkte {} << Punkte {};
    QTest::newRow("RAD expn(1000)") << "expn(1000)" << true << -1 << Punkte {} << Punkte {};
    QTest::newRow("DEG expn(1000)") << "expn(1000)" << false << -1 << Punkte {} << Punkte {};
    QTest::newRow("DEG -expn(1000)") << "-expn(1000)" << false << -1 << Punkte {} << Punkte {};
    // tan 90 and tan -90 leave int. The segment to tan -89 (row 437, column
    // 281) comes from the far row below, straight up to the frame's edge.
    // tan 90 lies above, but right of the pole the curve comes from below,
    // and so does its segment to tan 91 (row 437, column 461): the same at
    // every pole, and nothing comes down from the top.
    QTest::newRow("DEG tan(x)") << "tan(x)" << false << 10
                                << Punkte { { 461, 437 }, { 461, 438 }, { 461, 600 }, { 461, 679 }, { 281, 438 },
                                       { 281, 600 }, { 281, 679 } }
                                << Punkte { { 461, 80 }, { 461, 300 }, { 461, 400 }, { 462, 600 }, { 282, 600 },
                                       { 281, 680 }, { 461, 680 } };
    // Only 0 at column 370 lies in the band; the segment to it comes up from
    // row 10^12 + 380, which the raster engine draws in the column it starts in.
    QTest::newRow("DEG x*10^12") << "x*1000000000000" << false << 369
                                 << Punkte { { 369, 381 }, { 369, 679 }, { 370, 380 } }
                                 << Punkte { { 368, 500 }, { 370, 500 }, { 369, 379 }, { 369, 680 } };
}

void BildTest::grenzwerte()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    QFETCH(int, ersteGelbeSpalte);
    QFETCH(Punkte, gelb);
    QFETCH(Punkte, nichtGelb);

    const QImage B = Bild(w, Formel, Bogenmass);

    if (ersteGelbeSpalte < 0) {
        QCOMPARE(gelbePunkte(B, B.rect()), 0);
    } else {
        QCOMPARE(gelbePunkte(B, QRect(0, 0, ersteGelbeSpalte, BILD_HOEHE)), 0);
        QVERIFY(gelbePunkte(B, B.rect()) > 0);
    }
    for (const QPoint &P : gelb) {
        QVERIFY2(B.pixel(P) == GELB, qPrintable(QStringLiteral("(%1, %2)").arg(P.x()).arg(P.y())));
    }
    for (const QPoint &P : nichtGelb) {
        QVERIFY2(B.pixel(P) != GELB, qPrintable(QStringLiteral("(%1, %2)").arg(P.x()).arg(P.y())));
    }
}

// The preset's "0.1" is read with "." whatever the locale: a German desktop
// draws the same curve.
void BildTest::voreinstellung_deutsch()
{
    const QByteArray Vorher = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const QImage ImC = Bild(w, VOREINSTELLUNG, true);
    const bool Deutsch = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const QImage ImDeutsch = Bild(w, VOREINSTELLUNG, true);
    std::setlocale(LC_ALL, Vorher.constData());

    if (!Deutsch) {
        QSKIP("locale de_DE.UTF-8 is not installed: run tools/install-deps.sh test");
    }
    QVERIFY(gelbePunkte(ImC, ImC.rect()) > 1000);
    QCOMPARE(ImDeutsch, ImC);
}

// Every batch of evaluations starts with the vector registers cleared; what
// that saves after Qt's painting shows in tools/bench.sh. The rows of the
// radian view's samples, and the points of the discussion, are the same
// cold, after a fill and after the fill and the clearing.
void BildTest::nach_dem_Malen()
{
    std::strcpy(Formelinterpreter.Formel, VOREINSTELLUNG.toLatin1().constData());
    Formelinterpreter.setRAD(true);
    Formelinterpreter.Formel_compillieren();
    QImage Flaeche(BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32);
    QVector<double> Zeilen[3];
    QVector<double> Punkte[3];
    for (int Art = 0; Art < 3; ++Art) {
        if (Art > 0) {
            QPainter(&Flaeche).fillRect(Flaeche.rect(), Qt::black);
        }
        if (Art == 2) {
            Vektorregister_aufraeumen();
        }
        for (double x = -6.4; x <= 6.4; x += 0.001) {
            Formelinterpreter.x = x;
            Zeilen[Art] << 380 - std::trunc(Formelinterpreter.Formel_Berechnen() * 50.0);
        }
        if (Art > 0) {
            QPainter(&Flaeche).fillRect(Flaeche.rect(), Qt::black);
        }
        for (const Kurvenpunkt &p : Kurve_diskutieren(Formelinterpreter, Ansicht::Anfang(true)).Punkte) {
            Punkte[Art] << p.x << p.y;
        }
    }
    QCOMPARE(Zeilen[0].size(), 12800);
    QCOMPARE(Zeilen[1], Zeilen[0]);
    QCOMPARE(Zeilen[2], Zeilen[0]);
    QVERIFY(!Punkte[0].isEmpty());
    QCOMPARE(Punkte[1], Punkte[0]);
    QCOMPARE(Punkte[2], Punkte[0]);
}

QTEST_MAIN(BildTest)

#include "bildtest.moc"
