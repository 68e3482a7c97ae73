// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The window's curve against the plain drawing, pixel for pixel: one 3 x 3
// ellipse per sample in the radian view, one line per segment in the degree
// view, each painted in sample order over the window's own empty grid.

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

    // Formula, and whether it draws in the radian and in the degree view.
    const struct {
        const char *Formel;
        bool Bogenmass;
        bool Gradmass;
    } Formeln[] = {
        { "sin(X)+x^2*0.1", true, true },
        { "0", true, true },
        { "x", true, true },
        { "sin(x)*3", true, true },
        { "tan(x)", true, true },
        { "50*x", true, true },
        { "expn(x)", true, true },
        { "sin(x*100)*5", true, true },
        { "sin(x*1000)*4", true, true },
        { "sin(x)*250", true, true },
        { "ln(x)", true, true },
        { "1/(x-x)", false, false },
        { "expn(1000)", false, false },
        { "foo", true, true },
        { "5.99", true, true },
        { "6", false, true },
        { "-5.99", true, true },
        { "-6", false, true },
        { "299", false, true },
        { "300", false, false },
        { "-299", false, true },
        { "-300", false, false },
    };
    for (const auto &F : Formeln) {
        QTest::addRow("RAD %s", F.Formel) << QString::fromLatin1(F.Formel) << true << F.Bogenmass;
        QTest::addRow("DEG %s", F.Formel) << QString::fromLatin1(F.Formel) << false << F.Gradmass;
    }
}

void KurvenvergleichTest::gleiches_Bild()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    QFETCH(bool, Kurve);

    // 300 lies outside both views' bands: the grid alone.
    QImage Einfach = Bild(w, QStringLiteral("300"), Bogenmass);
    QCOMPARE(gelbe(Einfach), 0);
    {
        Ausgabefang Fang;
        Bogenmass ? Ellipsen(Einfach, Formel) : Linien(Einfach, Formel);
    }
    const QImage Neu = Grafik(Bild(w, Formel, Bogenmass));
    Einfach = Grafik(Einfach);

    QCOMPARE(gelbe(Einfach) > 0, Kurve);
    QVERIFY2(Neu == Einfach, qPrintable(ersterUnterschied(Neu, Einfach)));
}

QTEST_MAIN(KurvenvergleichTest)

#include "kurvenvergleichtest.moc"
