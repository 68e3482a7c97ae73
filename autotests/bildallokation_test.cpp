// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// A repaint allocates on the heap only what the painter itself needs, as
// many times for any formula as for the empty one in the same view: never
// once per sample or per dot. Every allocation of the process is counted
// here, C++ and C alike.

#include "fensterhilfe.h"

#include "allokationszaehler.h"

class BildallokationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void wie_die_leere_Formel_data();
    void wie_die_leere_Formel();

private:
    long Allokationen(const QString &Formel);

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

// The allocations of one paintEvent of the formula into an image that is
// already there, after a first one that fills Qt's caches.
long BildallokationTest::Allokationen(const QString &Formel)
{
    Eingabe(w)->setText(Formel);
    Nirgendwo Senke;
    std::streambuf *Alt = std::cout.rdbuf(&Senke);
    w->render(&Bild, QPoint(), QRegion(), QWidget::RenderFlags());
    const long Vorher = Anforderungen;
    w->render(&Bild, QPoint(), QRegion(), QWidget::RenderFlags());
    const long Nachher = Anforderungen;
    std::cout.rdbuf(Alt);
    return Nachher - Vorher;
}

// Formulas with no dot, with 12,800 distinct dots, with faults, with values
// that are no number, and with far pen positions in the degree view; the
// empty formula draws the line of 0.
void BildallokationTest::wie_die_leere_Formel_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    for (const char *Formel : { "300", "sin(X)+x^2*0.1", "sin(x*1000)*4", "foo", "ln(x)", "tan(x)" }) {
        QTest::addRow("RAD %s", Formel) << QString::fromLatin1(Formel) << true;
        QTest::addRow("DEG %s", Formel) << QString::fromLatin1(Formel) << false;
    }
}

void BildallokationTest::wie_die_leere_Formel()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);

    Formelinterpreter.setRAD(Bogenmass);
    const long Leer = Allokationen(QString());
    const long Kurvano = Allokationen(Formel);
    qInfo("%ld allocations", Kurvano);
    QCOMPARE(Kurvano, Leer);
}

QTEST_MAIN(BildallokationTest)

#include "bildallokation_test.moc"
