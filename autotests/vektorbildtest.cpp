// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// SVG and PDF drawn back to pixels by rsvg-convert and pdftoppm, against the
// PNG of the same formulas and view: in the columns looked at, each curve's
// colour lies within two pixels of where the PNG has it, and nowhere else;
// and Ctrl+P printing to a PDF file.

#include "Bilddatei.h"
#include "Schaubild.h"
#include "fensterhilfe.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

class VektorbildTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void zurueckgemalt_data();
    void zurueckgemalt();
    void drucken();

private:
    KdeW *w = nullptr;
};

namespace {
// How far from the PNG's pixels, in them, the curve may lie.
const int NAEHE = 2;

// SVG drawn four times as large, PDF at 300 dots per inch: a line of one
// pixel covers some of the renderer's pixels whole, in the curve's colour.
const int SVG_FAKTOR = 4;
const int PDF_DICHTE = 300;

// A renderer's page, and the picture's place on it.
struct Abzug {
    QImage Seite;
    QRectF Lage;
    int Seiten = 0;
};

bool laufen(const char *Programm, const QStringList &Argumente)
{
    QProcess Prozess;
    Prozess.start(QString::fromUtf8(Programm), Argumente);
    return Prozess.waitForFinished(120000) && Prozess.exitStatus() == QProcess::NormalExit && Prozess.exitCode() == 0;
}

bool weiss(QRgb Farbe)
{
    return qRed(Farbe) > 250 && qGreen(Farbe) > 250 && qBlue(Farbe) > 250;
}

// The rows from the first that is not white to the next that is white all
// through, and the columns that are not white in them: the picture, above
// the text of a PDF page.
QRectF Bildlage(const QImage &Seite)
{
    int Oben = -1;
    int Unten = Seite.height();
    int Links = Seite.width();
    int Rechts = -1;
    for (int y = 0; y < Seite.height(); ++y) {
        bool leer = true;
        for (int x = 0; x < Seite.width(); ++x) {
            if (!weiss(Seite.pixel(x, y))) {
                leer = false;
                Links = std::min(Links, x);
                Rechts = std::max(Rechts, x);
            }
        }
        if (!leer && Oben < 0) {
            Oben = y;
        } else if (leer && Oben >= 0) {
            Unten = y;
            break;
        }
    }
    return QRectF(QPointF(Links, Oben), QPointF(Rechts + 1, Unten));
}

// The file drawn back to pixels in a directory of its own.
Abzug zurueckmalen(const QString &Datei, QSize Bildgroesse)
{
    QTemporaryDir Ordner;
    const QString Ziel = Ordner.filePath(QStringLiteral("seite"));
    Abzug Neu;
    if (Datei.endsWith(QLatin1String(".svg"))) {
        const QSize Groesse = Bildgroesse * SVG_FAKTOR;
        if (laufen(RSVG_CONVERT,
                { QStringLiteral("-w"), QString::number(Groesse.width()), QStringLiteral("-h"),
                    QString::number(Groesse.height()), QStringLiteral("-o"), Ziel + QStringLiteral(".png"), Datei })) {
            Neu.Seiten = 1;
        }
    } else if (laufen(PDFTOPPM,
                   { QStringLiteral("-r"), QString::number(PDF_DICHTE), QStringLiteral("-png"), Datei, Ziel })) {
        Neu.Seiten = QDir(Ordner.path()).entryList(QDir::Files).size();
    }
    const QStringList Seiten = QDir(Ordner.path()).entryList(QDir::Files);
    if (!Seiten.isEmpty()) {
        Neu.Seite = QImage(Ordner.filePath(Seiten.first())).convertToFormat(QImage::Format_RGB32);
        Neu.Lage = Bildlage(Neu.Seite);
    }
    return Neu;
}

bool gleichfarbig(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 16 && std::abs(qGreen(a) - qGreen(b)) <= 16
        && std::abs(qBlue(a) - qBlue(b)) <= 16;
}

// Whether the renderer drew the colour where the PNG has the pixels of
// Feld.
bool hat_Farbe(const Abzug &A, QSize Bildgroesse, const QRect &Feld, QRgb Farbe)
{
    const double Massstab = A.Lage.width() / Bildgroesse.width();
    const auto Pixel = [&](double Bildpixel, double Anfang) {
        return int(std::floor(Anfang + Bildpixel * Massstab));
    };
    const int Oben = std::max(0, Pixel(Feld.top(), A.Lage.top()));
    const int Unten = std::min(A.Seite.height(), Pixel(Feld.bottom() + 1, A.Lage.top()));
    const int Links = std::max(0, Pixel(Feld.left(), A.Lage.left()));
    const int Rechts = std::min(A.Seite.width(), Pixel(Feld.right() + 1, A.Lage.left()));
    for (int y = Oben; y < Unten; ++y) {
        for (int x = Links; x < Rechts; ++x) {
            if (gleichfarbig(A.Seite.pixel(x, y), Farbe)) {
                return true;
            }
        }
    }
    return false;
}

bool png_hat_Farbe(const QImage &Png, const QRect &Feld, QRgb Farbe)
{
    const QRect Teil = Feld & Png.rect();
    for (int y = Teil.top(); y <= Teil.bottom(); ++y) {
        for (int x = Teil.left(); x <= Teil.right(); ++x) {
            if (Png.pixel(x, y) == Farbe) {
                return true;
            }
        }
    }
    return false;
}

// In every column of the plot area, away from the frame: each pixel
// of the curve in the PNG has the curve's colour near it in the drawing,
// and each pixel that has none of it near it in the PNG has none in the
// drawing. What does not hold, or an empty text; how many pixels of the
// curve the PNG has in those columns.
QString vergleichen(const QImage &Png, const Abzug &A, const Ansicht &Sicht, QRgb Farbe, int &Kurvenpixel)
{
    const QRect Feld = Kurvenfeld(Sicht).translated(0, -50);
    const auto Nahe = [](int x, int y) {
        return QRect(x - NAEHE, y - NAEHE, 2 * NAEHE + 1, 2 * NAEHE + 1);
    };
    Kurvenpixel = 0;
    for (int x = Feld.left() + NAEHE; x <= Feld.right() - NAEHE - 1; ++x) {
        for (int y = 0; y < Png.height(); ++y) {
            const bool Kurve = Png.pixel(x, y) == Farbe;
            Kurvenpixel += Kurve;
            if (Kurve && !hat_Farbe(A, Png.size(), Nahe(x, y), Farbe)) {
                return QStringLiteral("(%1, %2): keine Kurve in der Nähe").arg(x).arg(y);
            }
            if (!png_hat_Farbe(Png, Nahe(x, y), Farbe) && hat_Farbe(A, Png.size(), QRect(x, y, 1, 1), Farbe)) {
                return QStringLiteral("(%1, %2): Kurve, wo das PNG keine hat").arg(x).arg(y);
            }
        }
    }
    return QString();
}

// Each curve of the picture against its PNG.
void Kurven_vergleichen(const Bildvorlage &Vorlage, const Abzug &Gemalt, const Ansicht &Sicht)
{
    QCOMPARE(Gemalt.Seiten, 1);
    for (int Nr = 0; Nr < Vorlage.Formeln.size(); ++Nr) {
        int Kurvenpixel = 0;
        const QString Fehler = vergleichen(Vorlage.Pixel, Gemalt, Sicht, Kurvenfarben[Nr], Kurvenpixel);
        QVERIFY2(Fehler.isEmpty(), qPrintable(QStringLiteral("Kurve %1 %2").arg(Nr + 1).arg(Fehler)));
        QVERIFY(Kurvenpixel > 0);
    }
}
}

void VektorbildTest::initTestCase()
{
    w = neuesFenster();
}

void VektorbildTest::cleanupTestCase()
{
    delete w;
}

void VektorbildTest::zurueckgemalt_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<Ansicht>("Sicht");
    QTest::addColumn<QString>("Endung");

    const auto Zeile = [](const char *Name, const QString &Formel, const Ansicht &Sicht) {
        for (const char *Endung : { "svg", "pdf" }) {
            QTest::addRow("%s, %s", Name, Endung) << Formel << Sicht << QString::fromLatin1(Endung);
        }
    };
    Zeile("Voreinstellung RAD", VOREINSTELLUNG, Ansicht::Anfang(true));
    Zeile("Voreinstellung DEG", VOREINSTELLUNG, Ansicht::Anfang(false));
    // Poles, where no line may run across, and where a formula has no value.
    Zeile("tan DEG", QStringLiteral("tan(x)"), Ansicht::Anfang(false));
    Zeile("1/x RAD", QStringLiteral("1/x"), Ansicht::Anfang(true));
    Zeile("sqrt RAD", QStringLiteral("sqrt(x)*2"), Ansicht::Anfang(true));
    Zeile("drei Kurven DEG", QStringLiteral("sin(x)*200; x; x^2/100-250"), Ansicht::Anfang(false));
    Zeile("verschoben RAD", QStringLiteral("x^3-x; 1/(x-1)"), Ansicht { true, -2, 3, -1.5, 4 });
    Zeile("verschoben DEG", QStringLiteral("cos(x)"), Ansicht { false, -45, 400, -0.5, 2 });
}

// Written as --bild writes it, drawn back, and compared with the PNG.
void VektorbildTest::zurueckgemalt()
{
    QFETCH(QString, Formel);
    QFETCH(Ansicht, Sicht);
    QFETCH(QString, Endung);

    Eingabe(w)->setText(Formel);
    w->Ansicht_vorgeben(Sicht);
    Ausgabefang Fang;
    w->RButton(Sicht.Bogenmass ? 1 : 2);
    const Bildvorlage Vorlage = w->Vorlage();
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("bild.") + Endung);
    QCOMPARE(Bild_schreiben(Vorlage, Datei), QString());
    Kurven_vergleichen(Vorlage, zurueckmalen(Datei, Vorlage.Pixel.size()), Sicht);
}

// Ctrl+P, printed to a file in the dialog: one page with the picture, the
// formulas and the view's ranges.
void VektorbildTest::drucken()
{
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("blatt.pdf"));
    Eingabe(w)->setText(QStringLiteral("x^2-2; 3-x"));
    const Ansicht Sicht { true, -2.5, 4.5, -3.5, 5.25 };
    w->Ansicht_vorgeben(Sicht);
    w->RButton(1);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    // The dialog is modal: answered from the event loop it runs.
    QTimer Takt;
    connect(&Takt, &QTimer::timeout, [&] {
        if (auto *Dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            auto *Drucker = Dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            Drucker->setCurrentIndex(Drucker->count() - 1); // into a file
            Dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(Datei);
            Dialog->accept();
        }
    });
    Takt.start(20);
    Ausgabefang Fang;
    QTest::keySequence(Eingabe(w), QKeySequence(QKeySequence::Print));
    Takt.stop();

    const Abzug Gemalt = zurueckmalen(Datei, QSize(BILD_BREITE, BILD_HOEHE - 50));
    QVERIFY(Gemalt.Seite.width() > Gemalt.Seite.height());
    Kurven_vergleichen(w->Vorlage(), Gemalt, Sicht);
    if (QTest::currentTestFailed()) {
        return;
    }
    QProcess Text;
    Text.start(QStringLiteral(PDFTOTEXT), { Datei, QStringLiteral("-") });
    QVERIFY(Text.waitForFinished(120000));
    const QString Gelesen = QString::fromUtf8(Text.readAllStandardOutput());
    for (const char *Teil : { "x^2-2", "3-x", "-2.5", "4.5", "-3.5", "5.25" }) {
        QVERIFY2(Gelesen.contains(QLatin1String(Teil)), qPrintable(Gelesen));
    }
}

QTEST_MAIN(VektorbildTest)

#include "vektorbildtest.moc"
