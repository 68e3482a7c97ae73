// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Hostile formulas in both views: the entry's full length in every shape,
// every byte value, and results at the edges of the doubles. None may crash
// the window, and the picture must stay whole: outside the places the curve
// can reach, every pixel is as in the picture without a curve, and a faulty
// formula draws the line on row 380 and nothing else.

#include "fensterhilfe.h"

#include <algorithm>
#include <initializer_list>

namespace {
// Above row 50 stand the entry, with the formula's text, and the buttons.
const int ERSTE_ZEILE = 50;

// Where the curve of a view may colour pixels, and in which colours: inside
// its frame, borders included. A radian dot is yellow with a black centre
// and covers the 3 x 3 pixels from its sample point, which lies in rows 81
// to 679. A degree segment may come from a far row down to the frame.
struct Kurvenbereich {
    QRect Bereich;
    QList<QRgb> Farben;
};

const Kurvenbereich BOGENKURVE { QRect(QPoint(30, 81), QPoint(669, 679)), { GELB, SCHWARZ } };
const Kurvenbereich GRADKURVE { QRect(QPoint(10, 80), QPoint(729, 679)), { GELB } };

// The characters the formula language has; any other one is refused.
const QByteArray SPRACHE = QByteArrayLiteral(" .,+-*/:^()|0123456789xXyY\xB2\xB3");

QString Punkt(int x, int y)
{
    return QStringLiteral("(%1, %2)").arg(x).arg(y);
}

// The first pixel that is neither as in the picture without a curve nor a
// curve colour where the curve may go; empty if there is none.
QString Abweichung(const QImage &Bild, const QImage &Leer, const Kurvenbereich &Kurve)
{
    for (int y = ERSTE_ZEILE; y < BILD_HOEHE; ++y) {
        const auto *Zeile = reinterpret_cast<const QRgb *>(Bild.constScanLine(y));
        const auto *LeereZeile = reinterpret_cast<const QRgb *>(Leer.constScanLine(y));
        for (int x = 0; x < BILD_BREITE; ++x) {
            if (Zeile[x] == LeereZeile[x]) {
                continue;
            }
            if (!Kurve.Bereich.contains(x, y) || !Kurve.Farben.contains(Zeile[x] | 0xff000000)) {
                return Punkt(x, y) + QStringLiteral(" is #%1").arg(Zeile[x] & 0xffffff, 6, 16, QLatin1Char('0'));
            }
        }
    }
    return QString();
}

// The part below the entry, which a formula's text does not change.
QImage Unterteil(const QImage &Bild)
{
    return Bild.copy(0, ERSTE_ZEILE, BILD_BREITE, BILD_HOEHE - ERSTE_ZEILE);
}

bool hatGelb(const QImage &Bild)
{
    for (int y = ERSTE_ZEILE; y < BILD_HOEHE; ++y) {
        const auto *Zeile = reinterpret_cast<const QRgb *>(Bild.constScanLine(y));
        if (std::find(Zeile, Zeile + BILD_BREITE, GELB) != Zeile + BILD_BREITE) {
            return true;
        }
    }
    return false;
}

QString Wiederholt(const QString &Muster, int Laenge = 255)
{
    return Muster.repeated(Laenge / Muster.size() + 1).left(Laenge);
}

void addSpalten()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    QTest::addColumn<bool>("fehlerhaft");
    QTest::addColumn<bool>("gelb");
}

// A formula in both views: whether it is refused, and whether its curve
// shows in the radian and in the degree view. Without a name, the formula
// names its rows.
struct Fall {
    QString Formel;
    bool fehlerhaft;
    bool gelbBogen;
    bool gelbGrad;
    const char *Name = nullptr;
};

void addFaelle(std::initializer_list<Fall> Faelle)
{
    addSpalten();
    for (const Fall &F : Faelle) {
        const QByteArray Name = F.Name ? QByteArray(F.Name) : F.Formel.toLatin1();
        QTest::addRow("RAD %s", Name.constData()) << F.Formel << true << F.fehlerhaft << F.gelbBogen;
        QTest::addRow("DEG %s", Name.constData()) << F.Formel << false << F.fehlerhaft << F.gelbGrad;
    }
}
}

class FeindlichTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void volle_laenge_data();
    void volle_laenge();
    void grenzwerte_data();
    void grenzwerte();
    void jedes_byte_data();
    void jedes_byte();

private:
    QImage Bild(const QString &Formel, bool Bogenmass, bool *fehlerhaft = nullptr);
    void pruefen();

    KdeW *w = nullptr;
    // Indexed by Bogenmass: the picture without a curve and that of 0.
    QImage Leer[2];
    QImage Nulllinie[2];
};

void FeindlichTest::initTestCase()
{
    w = neuesFenster();
    // 300 lies above both views' bands, 6 above the radian one's.
    Leer[false] = Bild(QStringLiteral("300"), false);
    Leer[true] = Bild(QStringLiteral("6"), true);
    Nulllinie[false] = Bild(QStringLiteral("0"), false);
    Nulllinie[true] = Bild(QStringLiteral("0"), true);
    QVERIFY(!hatGelb(Leer[false]) && !hatGelb(Leer[true]));
}

void FeindlichTest::cleanupTestCase()
{
    delete w;
}

// Painted as a click on a radio button paints it, and taken from the screen.
QImage FeindlichTest::Bild(const QString &Formel, bool Bogenmass, bool *fehlerhaft)
{
    Eingabe(w)->setText(Formel);
    Ausgabefang Fang;
    w->RButton(Bogenmass ? 1 : 2);
    if (fehlerhaft) {
        *fehlerhaft = Fang.Anzahl("\nEs sind ") > 0;
    }
    return ohneInfofeld(w, Bildschirm(w));
}

// Shared by the tables of addSpalten.
void FeindlichTest::pruefen()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    QFETCH(bool, fehlerhaft);
    QFETCH(bool, gelb);

    bool Abgelehnt = false;
    const QImage B = Bild(Formel, Bogenmass, &Abgelehnt);
    QCOMPARE(Eingabe(w)->text(), Formel.left(255));
    QCOMPARE(Abgelehnt, fehlerhaft);
    QCOMPARE(Abweichung(B, Leer[Bogenmass], Bogenmass ? BOGENKURVE : GRADKURVE), QString());
    if (fehlerhaft) {
        QVERIFY(Unterteil(B) == Unterteil(Nulllinie[Bogenmass]));
    }
    QCOMPARE(hatGelb(B), gelb);
}

// 255 characters, as many as the entry takes.
void FeindlichTest::volle_laenge_data()
{
    const QString Gruppen
        = Wiederholt(QStringLiteral("("), 127) + QLatin1Char('x') + Wiederholt(QStringLiteral(")"), 127);
    // clang-format off
    addFaelle({
        // More than 254 parts, or groups deeper than 79 levels.
        { Wiederholt(QStringLiteral("(")), true, true, true, "255 (" },
        { Wiederholt(QStringLiteral(")")), true, true, true, "255 )" },
        { Wiederholt(QStringLiteral("-")), true, true, true, "255 -" },
        { Wiederholt(QStringLiteral("x")), true, true, true, "255 x" },
        { Wiederholt(QStringLiteral("x+")), true, true, true, "x+x+..." },
        { Wiederholt(QStringLiteral("+-*/:^")), true, true, true, "wechselnde Operatoren" },
        { Gruppen, true, true, true, "127 Gruppen um x" },
        // Unknown names, 128 of them or one long one, and a letter the
        // language does not have.
        { Wiederholt(QStringLiteral("a+")), true, true, true, "a+a+..." },
        { Wiederholt(QStringLiteral("abcdefghijklmnopqrstuvwxyz")), true, true, true, "255 Buchstaben" },
        { Wiederholt(QStringLiteral("\u00e9")), true, true, true, "255 mal e mit Akut" },
        // Read by fixed rules: 10^255 lies above every band; 63 nested
        // functions end in one without argument, which gives 0, so
        // sin(sin(...)) is 0 and expn(expn(...)) infinite; blanks are
        // skipped, and "|" ends the formula.
        { Wiederholt(QStringLiteral("9")), false, false, false, "255 Ziffern" },
        { QStringLiteral("0.") + Wiederholt(QStringLiteral("9"), 253), false, true, true, "0. und 253 Ziffern" },
        { Wiederholt(QStringLiteral("sin(")), false, true, true, "sin(sin(..." },
        { Wiederholt(QStringLiteral("expn(")), false, false, false, "expn(expn(..." },
        { Wiederholt(QStringLiteral(" "), 254) + QLatin1Char('x'), false, true, true, "254 Leerzeichen und x" },
        { Wiederholt(QStringLiteral("|")), false, true, true, "255 |" },
        { Wiederholt(QStringLiteral("x^"), 240) + QLatin1Char('x'), false, true, true, "x^x^..." },
    });
    // clang-format on
}

void FeindlichTest::volle_laenge()
{
    pruefen();
}

// Results of ±1e308, infinite ones and ones that are no number.
void FeindlichTest::grenzwerte_data()
{
    // clang-format off
    addFaelle({
        { QStringLiteral("expz(308)"), false, false, false },
        { QStringLiteral("(-1)*expz(308)"), false, false, false },
        { QStringLiteral("expn(1000)"), false, false, false },
        { QStringLiteral("(-1)*expn(1000)"), false, false, false },
        { QStringLiteral("expz(308)*10"), false, false, false },
        { QStringLiteral("0*expn(1000)"), false, false, false },
        { QStringLiteral("expn(1000)-expn(1000)"), false, false, false },
        { QStringLiteral("(-1)^0.5"), false, false, false },
        { QStringLiteral("1/(x-x)"), false, false, false },
        // The radian view's x is a running sum that misses 0; the degree
        // view's x = 0 gives 0 between neighbours far beyond the band.
        { QStringLiteral("10^308*x"), false, false, true },
        { QStringLiteral("(-1)*expz(308)*x"), false, false, true },
        { QStringLiteral("tan(x)*expz(308)"), false, false, true },
        // Finite where drawn, infinite or no number elsewhere.
        { QStringLiteral("ln(x)"), false, true, true },
        { QStringLiteral("1/x"), false, true, true },
        { QStringLiteral("x^expz(308)"), false, true, true },
        { QStringLiteral("(-x)^0.5"), false, true, true },
        { QStringLiteral("expn(x*1000)"), false, true, true },
    });
    // clang-format on
}

void FeindlichTest::grenzwerte()
{
    pruefen();
}

// Every byte value from 1 to 255 as the formula and inside one, entered as
// Latin-1 as the window reads it.
void FeindlichTest::jedes_byte_data()
{
    addSpalten();
    for (int Byte = 1; Byte < 256; ++Byte) {
        // ";" separates formulas, whose curves have colours of their own.
        if (Byte == ';') {
            continue;
        }
        const QChar Zeichen = QLatin1Char(char(Byte));
        const bool fremd = !SPRACHE.contains(char(Byte));
        for (bool Bogenmass : { true, false }) {
            const char *Ansicht = Bogenmass ? "RAD" : "DEG";
            // Alone, only the digits 6 to 9 lie above the radian band; all
            // else draws a line, that of 0 when refused.
            const bool gelb = !(Bogenmass && Byte >= '6' && Byte <= '9');
            QTest::addRow("%s %d allein", Ansicht, Byte) << QString(Zeichen) << Bogenmass << fremd << gelb;
            QTest::addRow("%s %d in (0.5?x)", Ansicht, Byte)
                << QStringLiteral("(0.5") + Zeichen + QStringLiteral("x)") << Bogenmass << fremd << true;
        }
    }
}

void FeindlichTest::jedes_byte()
{
    pruefen();
}

QTEST_MAIN(FeindlichTest)

#include "feindlichtest.moc"
