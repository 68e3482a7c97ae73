// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The window's curve against the plain drawing, pixel for pixel: one 3 x 3
// ellipse per sample in the radian view, one line per segment in the degree
// view, each painted in sample order over the window's own empty grid. The
// window keeps the curve in its frame: inside, borders included, every pixel
// is the plain drawing's; outside, the empty grid's. Only where the plain
// degree drawing runs a line from where the curve does not come from, after
// no value or across a pole, does the window leave that line out.

#include "fensterhilfe.h"

#include <QPainter>

#include <cmath>
#include <cstring>

class KurvenvergleichTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void gleiches_Bild_data();
    void gleiches_Bild();

private:
    KdeW *w = nullptr;
};

namespace {
// One evaluation at a time, in an interpreter of its own.
class Rechner
{
public:
    Rechner(const QString &Formel, bool Bogenmass)
    {
        qstrncpy(M.Formel, Formel.toLatin1().constData(), sizeof M.Formel);
        M.setRAD(Bogenmass);
        M.Formel_compillieren();
    }
    double operator()(double x)
    {
        M.x = x;
        return M.Formel_Berechnen();
    }

private:
    Mathe M;
};

QPainter &vorbereitet(QPainter &Maler)
{
    Maler.setCompositionMode(QPainter::CompositionMode_Source);
    Maler.setBrush(QColor(0, 0, 0));
    Maler.setPen(Qt::yellow);
    return Maler;
}

void Ellipsen(QImage &Bild, const QString &Formel)
{
    Rechner Wert(Formel, true);
    QPainter Maler(&Bild);
    vorbereitet(Maler);
    for (double x = -6.4; x <= 6.4; x += 0.001) {
        const double Zeile = 380 - std::trunc(Wert(x) * 50.0);
        if (Zeile > 80 && Zeile < 680) {
            Maler.drawEllipse(int(x * 50.0) + 350, int(Zeile), 2, 2);
        }
    }
}

// A pen position that is no number or infinite lies far above or far on its
// side, as the window puts it; a finite one is taken as it is.
double Stiftzeile(double Zeile)
{
    if (std::isnan(Zeile)) {
        return -1.0e6;
    }
    return std::isinf(Zeile) ? std::copysign(1.0e6, Zeile) : Zeile;
}

void Linien(QImage &Bild, const QString &Formel)
{
    Rechner Wert(Formel, false);
    QPainter Maler(&Bild);
    vorbereitet(Maler);
    QPointF Stift;
    for (double x = 0; x <= 720; x += 1) {
        const QPointF Punkt(x + 10, 380 - std::trunc(Wert(x - 360)));
        if (x > 0 && Punkt.y() > 80 && Punkt.y() < 680) {
            Maler.drawLine(QPointF(Stift.x(), Stiftzeile(Stift.y())), Punkt);
        }
        Stift = Punkt;
    }
}

int gelbe(const QImage &Bild)
{
    int n = 0;
    for (int y = 0; y < Bild.height(); ++y) {
        for (int x = 0; x < Bild.width(); ++x) {
            n += Bild.pixel(x, y) == GELB;
        }
    }
    return n;
}

QString ersterUnterschied(const QImage &a, const QImage &b)
{
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y + 50)
                    .arg(a.pixel(x, y), 0, 16)
                    .arg(b.pixel(x, y), 0, 16);
            }
        }
    }
    return QString();
}
}

void KurvenvergleichTest::initTestCase()
{
    w = neuesFenster();
}

void KurvenvergleichTest::cleanupTestCase()
{
    delete w;
}

void KurvenvergleichTest::gleiches_Bild_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    QTest::addColumn<bool>("Kurve");
    QTest::addColumn<bool>("hinaus");
    QTest::addColumn<QList<int>>("falsch");

    // Formula; whether it draws in the radian and in the degree view; whether
    // the plain drawing passes the frame there; and the columns where the
    // plain degree drawing ends a false line, from the row above that the
    // pen took for no value or from across a pole, or where the window's
    // line comes up from below instead.
    const struct {
        const char *Formel;
        bool Bogenmass;
        bool Gradmass;
        bool BogenHinaus;
        bool GradHinaus;
        QList<int> Falsch = {};
    } Formeln[] = {
        { "sin(X)+x^2*0.1", true, true, true, true },
        { "0", true, true, true, true },
        { "x", true, true, true, true },
        { "sin(x)*3", true, true, true, true },
        { "tan(x)", true, true, true, true, { 461, 640, 641 } },
        { "sqrt(x)", true, true, true, true, { 369 } },
        { "sqrt(x^2-10000)", false, true, false, true, { 469 } },
        { "1/x", true, true, true, true },
        { "x^3/1000", true, true, true, true },
        { "100*sin(x)", true, true, true, true },
        { "expn(x/50)", true, true, true, false },
        { "x^2", true, true, false, true },
        { "100*ln(x)", true, true, true, true },
        { "1000/x", false, true, false, true },
        { "50*x", true, true, true, true },
        { "expn(x)", true, true, false, false },
        { "sin(x*100)*5", true, true, true, true },
        { "sin(x*1000)*4", true, true, true, true },
        { "sin(x)*250", true, true, true, true },
        { "ln(x)", true, true, true, true },
        { "1/(x-x)", false, false, false, false },
        { "expn(1000)", false, false, false, false },
        { "foo", true, true, true, true },
        { "5.99", true, true, true, true },
        { "6", false, true, false, true },
        { "-5.99", true, true, true, true },
        { "-6", false, true, false, true },
        { "299", false, true, false, true },
        { "300", false, false, false, false },
        { "-299", false, true, false, true },
        { "-300", false, false, false, false },
    };
    for (const auto &F : Formeln) {
        QTest::addRow("RAD %s", F.Formel)
            << QString::fromLatin1(F.Formel) << true << F.Bogenmass << F.BogenHinaus << QList<int>();
        QTest::addRow("DEG %s", F.Formel)
            << QString::fromLatin1(F.Formel) << false << F.Gradmass << F.GradHinaus << F.Falsch;
    }
}

void KurvenvergleichTest::gleiches_Bild()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    QFETCH(bool, Kurve);
    QFETCH(bool, hinaus);
    QFETCH(QList<int>, falsch);

    // 300 lies outside both views' bands: the grid alone.
    const QImage Leer = Bild(w, QStringLiteral("300"), Bogenmass);
    QCOMPARE(gelbe(Leer), 0);
    QImage Einfach = Leer;
    {
        Ausgabefang Fang;
        Bogenmass ? Ellipsen(Einfach, Formel) : Linien(Einfach, Formel);
    }
    // The frame's outline on columns 30 to 669 or 10 to 729, rows 80 to 679.
    const QRect Feld = Bogenmass ? QRect(30, 80, 640, 600) : QRect(10, 80, 720, 600);
    QImage Erwartet = Leer;
    QPainter(&Erwartet).drawImage(Feld.topLeft(), Einfach.copy(Feld));
    const QImage Neu = Grafik(Bild(w, Formel, Bogenmass));

    QCOMPARE(gelbe(Einfach) > 0, Kurve);
    QCOMPARE(gelbe(Einfach) > gelbe(Erwartet), hinaus);
    Erwartet = Grafik(Erwartet);
    // In a false line's column the window shows the empty grid where the
    // plain drawing has some of its yellow. Where that line came down from
    // across a pole, the window's comes up from the frame's bottom edge
    // instead, unbroken: yellow where the plain drawing has the grid.
    // Elsewhere the two are the same.
    const QImage Gitter = Grafik(Leer);
    QImage Verglichen = Neu;
    const int Unterste = Feld.bottom() - 50;
    for (int Spalte : falsch) {
        int Weggelassen = 0;
        int Dazu = 0;
        for (int y = 0; y < Neu.height(); ++y) {
            if (Neu.pixel(Spalte, y) == Erwartet.pixel(Spalte, y)) {
                continue;
            }
            if (Neu.pixel(Spalte, y) == GELB) {
                QCOMPARE(Erwartet.pixel(Spalte, y), Gitter.pixel(Spalte, y));
                Verglichen.setPixel(Spalte, y, Erwartet.pixel(Spalte, y));
                ++Dazu;
            } else {
                QCOMPARE(Erwartet.pixel(Spalte, y), GELB);
                QCOMPARE(Neu.pixel(Spalte, y), Gitter.pixel(Spalte, y));
                Verglichen.setPixel(Spalte, y, GELB);
                ++Weggelassen;
            }
        }
        QVERIFY(Weggelassen + Dazu > 0);
        if (Dazu > 0) {
            for (int y = Unterste - Dazu + 1; y <= Unterste; ++y) {
                QCOMPARE(Neu.pixel(Spalte, y), GELB);
            }
        }
    }
    QVERIFY2(Verglichen == Erwartet, qPrintable(ersterUnterschied(Verglichen, Erwartet)));
}

QTEST_MAIN(KurvenvergleichTest)

#include "kurvenvergleichtest.moc"
