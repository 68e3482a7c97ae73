// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// A repaint allocates on the heap only what the painter itself needs, and
// never once per sample or per dot: every allocation of the process is
// counted here, C++ and C alike.

#include "fensterhilfe.h"

#include <QMainWindow>
#include <QPainter>

#include "allokationszaehler.h"

namespace {
// A shown main window like KdeW that paints only what the painter needs of
// Qt in any case: begin and end, the background's fill around the frame,
// the clips of the grid and the curve, and on request the labels' 26
// two-character texts in their font, whose layout Qt makes on the heap.
class Leerbild : public QMainWindow
{
public:
    explicit Leerbild(bool mitTexten)
        : Texte(mitTexten)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(BILD_BREITE, BILD_HOEHE);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        Maler.begin(this);
        // The radian view's frame, or the degree view's.
        const QRect Rahmen = Texte ? QRect(30, 80, 640, 600) : QRect(10, 80, 720, 600);
        Maler.setClipRegion(QRegion(rect()) - QRegion(Rahmen));
        Maler.drawRect(0, 0, BILD_BREITE - 1, BILD_HOEHE - 1);
        Maler.setClipRect(0, 0, 735, 700);
        if (Texte) {
            Maler.setFont(Schrift);
            for (int i = 0; i < 26; ++i) {
                Maler.drawText(5, 85 + 20 * i, Zahlen[i % 13]);
            }
        }
        Maler.setClipRect(Rahmen);
        Maler.setClipping(false);
        Maler.end();
    }

private:
    const bool Texte;
    QPainter Maler;
    const QFont Schrift = [] {
        QFont Neu(QStringLiteral("courier"), 16, QFont::Bold);
        Neu.setStyleStrategy(QFont::PreferNoShaping);
        return Neu;
    }();
    const QString Zahlen[13] = { QStringLiteral("-6"), QStringLiteral("-5"), QStringLiteral("-4"), QStringLiteral("-3"),
        QStringLiteral("-2"), QStringLiteral("-1"), QStringLiteral(" 0"), QStringLiteral(" 1"), QStringLiteral(" 2"),
        QStringLiteral(" 3"), QStringLiteral(" 4"), QStringLiteral(" 5"), QStringLiteral(" 6") };
};
}

class BildallokationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void wie_Qt_allein_data();
    void wie_Qt_allein();

private:
    long Allokationen(QWidget *Fenster);

    KdeW *w = nullptr;
    QImage Bild { BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32 };
};

void BildallokationTest::initTestCase()
{
#ifdef KURVANO_SANITIZER
    QSKIP("the sanitizer runtime owns the allocator");
#endif
    w = neuesFenster();
}

void BildallokationTest::cleanupTestCase()
{
    delete w;
}

// The allocations of one paintEvent into an image that is already there,
// after a first one that fills Qt's caches.
long BildallokationTest::Allokationen(QWidget *Fenster)
{
    Nirgendwo Senke;
    std::streambuf *Alt = std::cout.rdbuf(&Senke);
    Fenster->render(&Bild, QPoint(), QRegion(), QWidget::RenderFlags());
    const long Vorher = Anforderungen;
    Fenster->render(&Bild, QPoint(), QRegion(), QWidget::RenderFlags());
    const long Nachher = Anforderungen;
    std::cout.rdbuf(Alt);
    return Nachher - Vorher;
}

// Formulas with no dot, with 12,800 distinct dots, with faults, with values
// that are no number, and with far pen positions in the degree view.
void BildallokationTest::wie_Qt_allein_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    for (const char *Formel : { "300", "sin(X)+x^2*0.1", "sin(x*1000)*4", "foo", "ln(x)", "tan(x)" }) {
        QTest::addRow("RAD %s", Formel) << QString::fromLatin1(Formel) << true;
        QTest::addRow("DEG %s", Formel) << QString::fromLatin1(Formel) << false;
    }
}

void BildallokationTest::wie_Qt_allein()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);

    Eingabe(w)->setText(Formel);
    Formelinterpreter.setRAD(Bogenmass);
    // Only the radian view has labels.
    Leerbild Qt_allein(Bogenmass);
    Qt_allein.show();
    const long Kurvano = Allokationen(w);
    qInfo("%ld allocations", Kurvano);
    QCOMPARE(Kurvano, Allokationen(&Qt_allein));
}

QTEST_MAIN(BildallokationTest)

#include "bildallokation_test.moc"
