// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The graph window's controls, its start state, its slots, the info area
// and the keyboard.

#include "Erklaerungen.h"
#include "fensterhilfe.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>

class KdeWTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fenster();
    void steuerelemente_data();
    void steuerelemente();
    void anfangszustand();
    void ausloeser_data();
    void ausloeser();
    void loeschen();
    void tippen();
    void rbutton_data();
    void rbutton();
    void radioknopf_klick_data();
    void radioknopf_klick();
    void laenge_data();
    void laenge();
    void zeichensatz_data();
    void zeichensatz();
    void fehleranzeige_data();
    void fehleranzeige();
    void fehler_passen();
    void zeiger_data();
    void zeiger();
    void zeiger_nach_neuzeichnen();
    void veraltet();
    void nahe_null_data();
    void nahe_null();
    void nach_jedem_Malen_data();
    void nach_jedem_Malen();
    void zeiger_springt();
    void markierung();
    void blaettern_data();
    void blaettern();
    void zugang_data();
    void zugang();
    void verlauf_data();
    void verlauf();
    void fokus_data();
    void fokus();
    void beenden();
    void ansicht_bewegen_data();
    void ansicht_bewegen();
    void ziehen();
    void zoomgrenzen();
    void kopieren_data();
    void kopieren();
    void speichern_data();
    void speichern();

private:
    QWidget *Steuerelement(const QByteArray &Klasse, const QString &Text) const;

    KdeW *w = nullptr;
};

void KdeWTest::init()
{
    w = neuesFenster();
}

void KdeWTest::cleanup()
{
    delete w;
    w = nullptr;
}

QWidget *KdeWTest::Steuerelement(const QByteArray &Klasse, const QString &Text) const
{
    const auto Kinder = w->findChildren<QWidget *>();
    for (QWidget *Kind : Kinder) {
        const QString Beschriftung
            = Kind->property("text").isValid() ? Kind->property("text").toString() : Kind->property("title").toString();
        if (Klasse == Kind->metaObject()->className() && Text == Beschriftung) {
            return Kind;
        }
    }
    return nullptr;
}

void KdeWTest::fenster()
{
    KdeW Neu;
    QVERIFY(Neu.testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(w->pos(), QPoint(50, 1));
    QCOMPARE(w->size(), QSize(850, 700));
    QCOMPARE(w->minimumSize(), QSize(850, 700));
    QCOMPARE(w->maximumSize(), QSize(850, 700));
    w->resize(900, 800);
    QCOMPARE(w->size(), QSize(850, 700));
    w->resize(400, 300);
    QCOMPARE(w->size(), QSize(850, 700));
    QCOMPARE(w->windowTitle(), QStringLiteral("KDE-QT Kurvanograf eMail:kurvano@example.org."));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(200, 200, 210));
}

void KdeWTest::steuerelemente_data()
{
    QTest::addColumn<QByteArray>("Klasse");
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("imRahmen");
    QTest::addColumn<QPoint>("Ort");
    QTest::addColumn<QSize>("Groesse");
    QTest::addColumn<bool>("Steuerschrift");

    // Without a size of their own, children of the main window keep the
    // 100 x 30 of a new widget; the group box fits the radio buttons to
    // their content when it is shown.

    // clang-format off
    QTest::newRow("LEdit1") << QByteArray("QLineEdit") << VOREINSTELLUNG << false << QPoint(5, 10) << QSize(560, 30) << true;
    QTest::newRow("ButtonZeichnen") << QByteArray("QPushButton") << QStringLiteral("Zeichnen") << false << QPoint(580, 10) << QSize(100, 30) << true;
    QTest::newRow("ButtonLoeschen") << QByteArray("QPushButton") << QStringLiteral("Löschen") << false << QPoint(700, 10) << QSize(100, 30) << true;
    QTest::newRow("Rahmen") << QByteArray("QGroupBox") << QStringLiteral("RadioButton") << false << QPoint(735, 80) << QSize(110, 70) << true;
    QTest::newRow("b1") << QByteArray("QRadioButton") << QStringLiteral("RAD") << true << QPoint(5, 15) << QSize() << false;
    QTest::newRow("b2") << QByteArray("QRadioButton") << QStringLiteral("DEG") << true << QPoint(5, 40) << QSize() << false;
    // clang-format on
}

void KdeWTest::steuerelemente()
{
    QFETCH(QByteArray, Klasse);
    QFETCH(QString, Text);
    QFETCH(bool, imRahmen);
    QFETCH(QPoint, Ort);
    QFETCH(QSize, Groesse);
    QFETCH(bool, Steuerschrift);

    // The texts as they stand once the window is up and active.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::qWait(100);
    QWidget *Element = Steuerelement(Klasse, Text);
    QVERIFY(Element);
    QWidget *Eltern = imRahmen ? Steuerelement("QGroupBox", QStringLiteral("RadioButton")) : w;
    QCOMPARE(Element->parentWidget(), Eltern);
    QCOMPARE(Element->pos(), Ort);
    QCOMPARE(Element->size(), Groesse.isValid() ? Groesse : Element->sizeHint());
    QCOMPARE(Element->testAttribute(Qt::WA_SetFont), Steuerschrift);
    if (Steuerschrift) {
        QCOMPARE(Element->font().family(), QStringLiteral("courier"));
        QCOMPARE(Element->font().pointSize(), 10);
        QCOMPARE(Element->font().weight(), 75);
        QVERIFY(!Element->font().italic());
    }
}

void KdeWTest::anfangszustand()
{
    auto *b1 = qobject_cast<QRadioButton *>(Steuerelement("QRadioButton", QStringLiteral("RAD")));
    auto *b2 = qobject_cast<QRadioButton *>(Steuerelement("QRadioButton", QStringLiteral("DEG")));
    auto *Gruppe = w->findChild<QButtonGroup *>();
    QVERIFY(b1 && b2 && Gruppe);
    QVERIFY(b1->isChecked());
    QVERIFY(!b2->isChecked());
    QCOMPARE(Gruppe->id(b1), 1);
    QCOMPARE(Gruppe->id(b2), 2);
    QVERIFY(Formelinterpreter.statusRAD());
    QCOMPARE(Eingabe(w)->text(), VOREINSTELLUNG);
    QCOMPARE(w->focusWidget(), Eingabe(w));
}

// Each way of drawing takes the entry's text and shows its picture before it
// returns.
void KdeWTest::ausloeser_data()
{
    QTest::addColumn<int>("Weg");
    QTest::newRow("Return") << 0;
    QTest::newRow("Klick auf Zeichnen") << 1;
    QTest::newRow("Zeichnen()") << 2;
    QTest::newRow("LEdit1_returnPressed()") << 3;
}

void KdeWTest::ausloeser()
{
    QFETCH(int, Weg);
    Eingabe(w)->setText(QStringLiteral("-x"));
    QVERIFY(Grafik(Bildschirm(w)) != Grafik(Gemalt(w)));

    switch (Weg) {
    case 0:
        QTest::keyClick(Eingabe(w), Qt::Key_Return);
        break;
    case 1:
        QTest::mouseClick(Steuerelement("QPushButton", QStringLiteral("Zeichnen")), Qt::LeftButton);
        break;
    case 2:
        w->Zeichnen();
        break;
    default:
        w->LEdit1_returnPressed();
    }

    QCOMPARE(Formelinterpreter.Formel, "-x");
    QCOMPARE(Grafik(Bildschirm(w)), Grafik(Gemalt(w)));
    QVERIFY(Formelinterpreter.statusRAD());
}

void KdeWTest::loeschen()
{
    Eingabe(w)->setText(QStringLiteral("x*x"));
    w->Zeichnen();
    const QImage Vorher = Bildschirm(w);

    QTest::mouseClick(Steuerelement("QPushButton", QStringLiteral("Löschen")), Qt::LeftButton);

    QCOMPARE(Eingabe(w)->text(), QString());
    QCOMPARE(Formelinterpreter.Formel, "x*x");
    QCOMPARE(Grafik(Bildschirm(w)), Grafik(Vorher));
    QVERIFY(Formelinterpreter.statusRAD());
}

// Typing, and the cursor blinking, repaint the entry only: the graph keeps
// the last formula drawn, and nothing is compiled.
void KdeWTest::tippen()
{
    Eingabe(w)->setText(QStringLiteral("x*x"));
    w->Zeichnen();
    const QImage Vorher = Bildschirm(w);

    Ausgabefang Fang;
    Eingabe(w)->clear();
    QTest::keyClicks(Eingabe(w), QStringLiteral("foo(x)"));
    QTest::qWait(QApplication::cursorFlashTime() * 2);

    QCOMPARE(Fang.Anzahl("Befehl nicht bekannt: "), 0);
    QCOMPARE(Formelinterpreter.Formel, "x*x");
    QCOMPARE(Grafik(Bildschirm(w)), Grafik(Vorher));
}

void KdeWTest::rbutton_data()
{
    QTest::addColumn<int>("ButtonNr");
    QTest::addColumn<bool>("RADvorher");
    QTest::addColumn<bool>("RADnachher");
    QTest::addColumn<bool>("wirkt");

    QTest::newRow("1 aus Grad") << 1 << false << true << true;
    QTest::newRow("1 aus Bogenmaß") << 1 << true << true << true;
    QTest::newRow("2 aus Bogenmaß") << 2 << true << false << true;
    QTest::newRow("2 aus Grad") << 2 << false << false << true;
    QTest::newRow("0") << 0 << true << true << false;
    QTest::newRow("3 in Grad") << 3 << false << false << false;
    QTest::newRow("-1") << -1 << true << true << false;
}

void KdeWTest::rbutton()
{
    QFETCH(int, ButtonNr);
    QFETCH(bool, RADvorher);
    QFETCH(bool, RADnachher);
    QFETCH(bool, wirkt);

    Eingabe(w)->setText(QStringLiteral("x"));
    Formelinterpreter.setRAD(RADvorher);
    w->Zeichnen();
    const QImage Vorher = Bildschirm(w);
    Eingabe(w)->setText(QStringLiteral("x/2"));

    w->RButton(ButtonNr);

    QCOMPARE(Formelinterpreter.statusRAD(), RADnachher);
    QCOMPARE(Formelinterpreter.Formel, wirkt ? "x/2" : "x");
    QCOMPARE(Grafik(Bildschirm(w)), Grafik(wirkt ? Gemalt(w) : Vorher));
}

// Clicks reach RButton through the group, also on the button already checked.
void KdeWTest::radioknopf_klick_data()
{
    QTest::addColumn<QStringList>("Knoepfe");
    QTest::addColumn<bool>("RAD");

    QTest::newRow("RAD, schon gewählt") << QStringList { QStringLiteral("RAD") } << true;
    QTest::newRow("DEG") << QStringList { QStringLiteral("DEG") } << false;
    QTest::newRow("DEG, dann RAD") << QStringList { QStringLiteral("DEG"), QStringLiteral("RAD") } << true;
    QTest::newRow("DEG zweimal") << QStringList { QStringLiteral("DEG"), QStringLiteral("DEG") } << false;
}

void KdeWTest::radioknopf_klick()
{
    QFETCH(QStringList, Knoepfe);
    QFETCH(bool, RAD);

    for (const QString &Knopf : Knoepfe) {
        Eingabe(w)->setText(QStringLiteral("x/") + QString::number(Knopf.size() + Knoepfe.size()));
        auto *b = qobject_cast<QRadioButton *>(Steuerelement("QRadioButton", Knopf));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
        QVERIFY(b->isChecked());
        QCOMPARE(QString::fromLatin1(Formelinterpreter.Formel), Eingabe(w)->text());
        QCOMPARE(Grafik(Bildschirm(w)), Grafik(Gemalt(w)));
    }
    QCOMPARE(Formelinterpreter.statusRAD(), RAD);
}

// Formel holds 255 characters and the terminating zero: the entry keeps what
// was typed, and the info area says where the formula was cut.
void KdeWTest::laenge_data()
{
    QTest::addColumn<int>("Eingegeben");
    QTest::addColumn<bool>("getippt");
    QTest::addColumn<int>("Behalten");

    QTest::newRow("254 gesetzt") << 254 << false << 254;
    QTest::newRow("255 gesetzt") << 255 << false << 255;
    QTest::newRow("256 gesetzt") << 256 << false << 255;
    QTest::newRow("300 gesetzt") << 300 << false << 255;
    QTest::newRow("300 getippt") << 300 << true << 255;
}

void KdeWTest::laenge()
{
    QFETCH(int, Eingegeben);
    QFETCH(bool, getippt);
    QFETCH(int, Behalten);

    const QString Text = QStringLiteral("1") + QString(Eingegeben - 1, QLatin1Char('0'));
    if (getippt) {
        Eingabe(w)->clear();
        QTest::keyClicks(Eingabe(w), Text);
    } else {
        Eingabe(w)->setText(Text);
    }
    w->Zeichnen();

    QCOMPARE(Eingabe(w)->text().size(), Eingegeben);
    QCOMPARE(Info(w)->Inhaltszeilen() == QString::fromUtf8(ABGESCHNITTEN), Eingegeben > Behalten);
    QCOMPARE(int(std::strlen(Formelinterpreter.Formel)), Behalten);
    QCOMPARE(QByteArray(Formelinterpreter.Formel), Text.left(Behalten).toLatin1());
}

// The text reaches Formel as Latin-1; the interpreter reports what it does
// not know.
void KdeWTest::zeichensatz_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QByteArray>("Formel");
    QTest::addColumn<int>("Meldungen");

    QTest::newRow("ASCII") << QStringLiteral("x+1") << QByteArray("x+1") << 0;
    QTest::newRow("Latin-1") << QStringLiteral("x+\u00e4") << QByteArray("x+\xe4") << 1;
    QTest::newRow("Euro") << QStringLiteral("x+\u20ac") << QByteArray("x+?") << 1;
}

void KdeWTest::zeichensatz()
{
    QFETCH(QString, Text);
    QFETCH(QByteArray, Formel);
    QFETCH(int, Meldungen);

    Eingabe(w)->setText(Text);
    Ausgabefang Fang;
    w->Zeichnen();

    QCOMPARE(QByteArray(Formelinterpreter.Formel), Formel);
    QCOMPARE(Fang.Anzahl("Befehl nicht bekannt: "), Meldungen);
}

namespace {
// Counts the paint events of the widgets it watches.
class Malzaehler : public QObject
{
public:
    int Anzahl = 0;

protected:
    bool eventFilter(QObject *, QEvent *Ereignis) override
    {
        Anzahl += Ereignis->type() == QEvent::Paint;
        return false;
    }
};

int Pixel_in_Farbe(const QImage &Bild, QRgb Farbe)
{
    int n = 0;
    for (int y = 0; y < Bild.height(); ++y) {
        for (int x = 0; x < Bild.width(); ++x) {
            n += Bild.pixel(x, y) == Farbe;
        }
    }
    return n;
}
}

// A faulty formula shows in red in the entry, and its messages in the info
// area, until a sound one is drawn; standard output gets what it always got.
void KdeWTest::fehleranzeige_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<QString>("Bericht");
    QTest::addColumn<int>("Meldungen");
    QTest::addColumn<bool>("Hinweis");

    // The points of a sound formula, under their headings.
    QTest::newRow("Punkte") << "x^3-3x"
                            << "Nullstellen\nx = -1.73\nx = 0\nx = 1.73\n\nHochpunkte\n(-1 | 2)\n\n"
                               "Tiefpunkte\n(1 | -2)\n\nWendepunkte\n(0 | 0)"
                            << 0 << false;
    QTest::newRow("x**2") << "x**2"
                          << "„**“ gelesen als „*“\n\nNullstellen\nx = 0" << 0 << true;
    QTest::newRow("|x|") << "|x|"
                         << "„|“ beendet die Formel – Betrag: abs(x)" << 0 << true;
    QTest::newRow("sin x") << "sin x"
                           << "Befehl nicht bekannt: sinx\n„sin x“ wird „sinx“ – schreibe sin(x)" << 1 << false;
    QTest::newRow("asinx") << "asinx+1"
                           << "Befehl nicht bekannt: asinx\n„asin x“ wird „asinx“ – schreibe asin(x)" << 1 << false;
    QTest::newRow("sincos") << "SinCos(x)"
                            << "Befehl nicht bekannt: sincos\n„sin cos“ wird „sincos“ – schreibe sin(cos(x))" << 1
                            << false;
    QTest::newRow("cosh") << "cosh(x)"
                          << "Befehl nicht bekannt: cosh\nmeinten Sie „cos“?" << 1 << false;
    QTest::newRow("foo: kein Hinweis") << "foo(x)"
                                       << "Befehl nicht bekannt: foo" << 1 << false;
    QTest::newRow("e^x") << "e^x"
                         << "Befehl nicht bekannt: e\n„e^x“ schreibt man expn(x)" << 1 << false;
    QTest::newRow("x¹") << "x¹"
                        << "Befehl nicht bekannt: ¹" << 1 << false;
    QTest::newRow("g(x)=x^2") << "g(x)=x^2"
                              << "Befehl nicht bekannt: g\n\nBefehl nicht bekannt: =" << 2 << false;
    QStringList Neun;
    for (const char *Name : { "a", "b", "c", "d", "f", "g", "h", "j", "k" }) {
        Neun << QStringLiteral("Befehl nicht bekannt: ") + QLatin1String(Name);
    }
    QTest::newRow("neun Namen") << "a+b+c+d+f+g+h+j+k" << Neun.join(QStringLiteral("\n\n")) << 9 << false;
}

void KdeWTest::fehleranzeige()
{
    QFETCH(QString, Formel);
    QFETCH(QString, Bericht);
    QFETCH(int, Meldungen);
    QFETCH(bool, Hinweis);

    const QRect Infoflaeche = Info(w)->geometry();
    Eingabe(w)->setText(Formel);
    {
        Ausgabefang Fang;
        w->Zeichnen();
        QCOMPARE(Fang.Anzahl("\nBefehl nicht bekannt: "), Meldungen);
    }
    // The points follow from the discussion's thread.
    QTRY_COMPARE(Info(w)->Inhaltszeilen(), Bericht);
    // A note is amber, and the entry of its sound formula stays black.
    const bool fehlerhaft = Meldungen > 0;
    const QImage Bild = Gemalt(w);
    QCOMPARE(Pixel_in_Farbe(Bild.copy(Eingabe(w)->geometry()), Fehlerfarbe) > 0, fehlerhaft);
    QCOMPARE(Pixel_in_Farbe(Bild.copy(Infoflaeche), Fehlerfarbe) > 0, fehlerhaft);
    QCOMPARE(Pixel_in_Farbe(Bild.copy(Infoflaeche), Hinweisfarbe) > 0, Hinweis);

    // A sound formula takes both away; the info area shows its points alone.
    Eingabe(w)->setText(QStringLiteral("5"));
    w->Zeichnen();
    QCOMPARE(Info(w)->Inhaltszeilen(), QString());
    const QImage Danach = Gemalt(w);
    QCOMPARE(Pixel_in_Farbe(Danach.copy(Eingabe(w)->geometry()), Fehlerfarbe), 0);
    QCOMPARE(Pixel_in_Farbe(Danach.copy(Infoflaeche), Hintergrundfarbe), Infoflaeche.width() * Infoflaeche.height());
}

// The longest messages, one more than the interpreter keeps: as many show as
// fit, whole, and then how many are left out.
void KdeWTest::fehler_passen()
{
    Eingabe(w)->clear();
    QTest::keyClicks(Eingabe(w), QStringLiteral("asindx+acosdx+atandx+asinx+acosx+atanx+sqrtx+expnx+expzx"));
    {
        Ausgabefang Fang;
        QTest::keyClick(Eingabe(w), Qt::Key_Return);
    }
    const QStringList Absaetze = Info(w)->Inhaltszeilen().split(QStringLiteral("\n\n"));
    const int Gezeigt = Absaetze.size() - 1;
    QVERIFY(Gezeigt > 0);
    QCOMPARE(Absaetze.last(), QStringLiteral("… und %1 weitere").arg(9 - Gezeigt));

    // The last line ends above the area's bottom, and no line reaches its
    // right edge.
    const QImage Bild = Info(w)->grab().toImage();
    int Unterste = -1;
    for (int i = 0; i < Bild.width() * Bild.height(); ++i) {
        if (Bild.pixel(i % Bild.width(), i / Bild.width()) == Fehlerfarbe) {
            Unterste = i / Bild.width();
            QVERIFY(i % Bild.width() < Bild.width() - 1);
        }
    }
    QVERIFY(Unterste >= 0 && Unterste < Bild.height() - QFontMetrics(Info(w)->font()).descent());
}

// The value under the pointer, on the view's own scale, for the formula that
// is drawn: the entry's text changed afterwards does not count.
void KdeWTest::zeiger_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    QTest::addColumn<QPoint>("Stelle");
    QTest::addColumn<QString>("Anzeige");

    QTest::newRow("RAD sin") << "sin(x)" << true << QPoint(412, 300) << "x = 1.24\ny = 0.946";
    QTest::newRow("RAD Ecke links oben") << "x*x*x" << true << QPoint(30, 80) << "x = -6.4\ny = -262";
    QTest::newRow("RAD Ecke rechts unten") << "x" << true << QPoint(669, 679) << "x = 6.38\ny = 6.38";
    QTest::newRow("RAD 0") << "x^2" << true << QPoint(350, 500) << "x = 0\ny = 0";
    QTest::newRow("RAD klein") << "x/1000000" << true << QPoint(351, 500) << "x = 0.02\ny = 0";
    QTest::newRow("RAD NaN") << "ln(x)" << true << QPoint(300, 300) << "x = -1\ny = —";
    QTest::newRow("RAD unendlich") << "expn(1000)" << true << QPoint(400, 300) << "x = 1\ny = —";
    QTest::newRow("RAD fehlerhaft") << "foo" << true << QPoint(400, 300) << "x = 1\ny = —";
    QTest::newRow("RAD links vom Rahmen") << "x" << true << QPoint(29, 300) << "";
    QTest::newRow("RAD rechts vom Rahmen") << "x" << true << QPoint(670, 300) << "";
    QTest::newRow("RAD über dem Rahmen") << "x" << true << QPoint(400, 79) << "";
    QTest::newRow("RAD unter dem Rahmen") << "x" << true << QPoint(400, 680) << "";
    QTest::newRow("DEG sin") << "sin(x)" << false << QPoint(460, 300) << "x = 90\ny = 1";
    QTest::newRow("DEG links") << "x*2" << false << QPoint(10, 300) << "x = -360\ny = -720";
    QTest::newRow("DEG rechts") << "x+0.5" << false << QPoint(729, 300) << "x = 359\ny = 360";
    QTest::newRow("DEG rechts vom Rahmen") << "x" << false << QPoint(730, 300) << "";
    QTest::newRow("DEG fehlerhaft") << "sin x" << false << QPoint(370, 300) << "x = 0\ny = —";
}

void KdeWTest::zeiger()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    QFETCH(QPoint, Stelle);
    QFETCH(QString, Anzeige);

    Eingabe(w)->setText(Formel);
    w->RButton(Bogenmass ? 1 : 2);
    Eingabe(w)->setText(QStringLiteral("x*1000"));
    QTest::qWait(50);
    Malzaehler Fenstermalen;
    Malzaehler Infomalen;
    w->installEventFilter(&Fenstermalen);
    Info(w)->installEventFilter(&Infomalen);

    Ausgabefang Fang;
    QMouseEvent Bewegung(QEvent::MouseMove, Stelle, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &Bewegung);
    QCOMPARE(Info(w)->Zeigerzeilen(), Anzeige);
    QTest::qWait(50);
    QCOMPARE(Infomalen.Anzahl > 0, !Anzeige.isEmpty());

    // Leaving the window takes the lines away.
    QEvent Verlassen(QEvent::Leave);
    QApplication::sendEvent(w, &Verlassen);
    QCOMPARE(Info(w)->Zeigerzeilen(), QString());
    QTest::qWait(50);

    // Only the info area was painted, and nothing was refused on standard
    // output, where a faulty formula's evaluation would write.
    QCOMPARE(Fenstermalen.Anzahl, 0);
    QCOMPARE(Fang.Anzahl("\nEs sind "), 0);
    w->removeEventFilter(&Fenstermalen);
}

// A pointer resting on the plot follows a new formula and a new view.
void KdeWTest::zeiger_nach_neuzeichnen()
{
    Eingabe(w)->setText(QStringLiteral("x"));
    w->RButton(1);
    QMouseEvent Bewegung(QEvent::MouseMove, QPoint(400, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &Bewegung);
    QCOMPARE(Info(w)->Zeigerzeilen(), QStringLiteral("x = 1\ny = 1"));
    Eingabe(w)->setText(QStringLiteral("2x"));
    w->Zeichnen();
    QCOMPARE(Info(w)->Zeigerzeilen(), QStringLiteral("x = 1\ny = 2"));
    w->RButton(2);
    QCOMPARE(Info(w)->Zeigerzeilen(), QStringLiteral("x = 30\ny = 60"));
    Eingabe(w)->setText(QStringLiteral("sin x"));
    w->Zeichnen();
    QCOMPARE(Info(w)->Zeigerzeilen(), QStringLiteral("x = 30\ny = —"));
    QEvent Verlassen(QEvent::Leave);
    QApplication::sendEvent(w, &Verlassen);
}

namespace {
// What the info area holds before each event the application delivers.
class Inhaltsmitschrift : public QObject
{
public:
    explicit Inhaltsmitschrift(Infofeld *Feld)
        : Feld(Feld)
    {
    }
    QStringList Gezeigt;

protected:
    bool eventFilter(QObject *, QEvent *) override
    {
        if (Gezeigt.isEmpty() || Gezeigt.last() != Feld->Inhaltszeilen()) {
            Gezeigt << Feld->Inhaltszeilen();
        }
        return false;
    }

private:
    Infofeld *Feld;
};
}

// Values near 0 as the info area shows them: rounding noise at the scale
// of the view's y range is 0, a value the range resolves is itself.
void KdeWTest::nahe_null_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<double>("yBis");
    QTest::addColumn<QString>("gezeigt");
    QTest::addColumn<QString>("nicht");
    // clang-format off
    QTest::newRow("sin(x), y bis 6") << "sin(x)" << 6.0 << "(-6.28 | 0)\n(-3.14 | 0)" << "e-";
    QTest::newRow("100*sin(x), y bis 6") << "100*sin(x)" << 6.0 << "(-6.28 | 0)\n(-3.14 | 0)" << "e-";
    QTest::newRow("100*sin(x), y bis 100") << "100*sin(x)" << 100.0 << "(-4.71 | 100)" << "e-";
    QTest::newRow("sin(x)/1000, y bis 6") << "sin(x)/1000" << 6.0 << "(-4.71 | 0)" << "0.001";
    QTest::newRow("sin(x)/1000, y bis 0.01") << "sin(x)/1000" << 0.01 << "(-4.71 | 0.001)\n(1.57 | 0.001)" << "e-";
    QTest::newRow("sin(x)+0.05, y bis 6") << "sin(x)+0.05" << 6.0 << "(-6.28 | 0.05)" << "e-";
    // clang-format on
}

void KdeWTest::nahe_null()
{
    QFETCH(QString, Formel);
    QFETCH(double, yBis);
    QFETCH(QString, gezeigt);
    QFETCH(QString, nicht);

    Ansicht A = Ansicht::Anfang(true);
    A.yVon = -yBis;
    A.yBis = yBis;
    w->Ansicht_vorgeben(A);
    Eingabe(w)->setText(Formel);
    w->Zeichnen();
    QTRY_VERIFY(!Info(w)->Inhaltszeilen().isEmpty());
    // All the points, as the area's description lists them.
    const QString Beschreibung = Info(w)->accessibleDescription();
    QVERIFY2(Beschreibung.contains(gezeigt), qPrintable(Beschreibung));
    QVERIFY2(!Beschreibung.contains(nicht), qPrintable(Beschreibung));
    w->Ansicht_vorgeben(Ansicht::Anfang(true));
}

// A discussion made stale by a newer formula is never shown: of two
// formulas drawn in quick succession, the info area lists the points of the
// second alone, and never those of the first on the way.
void KdeWTest::veraltet()
{
    Inhaltsmitschrift Mitschrift(Info(w));
    qApp->installEventFilter(&Mitschrift);
    for (const char *Formel : { "x^2-4", "x^3-3x" }) {
        Eingabe(w)->setText(QString::fromLatin1(Formel));
        QTest::keyClick(Eingabe(w), Qt::Key_Return);
    }
    QTRY_VERIFY(Info(w)->Inhaltszeilen().startsWith(QStringLiteral("Nullstellen\nx = -1.73\nx = 0\nx = 1.73")));
    QTest::qWait(50);
    qApp->removeEventFilter(&Mitschrift);
    for (const QString &Text : qAsConst(Mitschrift.Gezeigt)) {
        QVERIFY2(!Text.contains(QStringLiteral("(0 | -4)")), qPrintable(Text));
    }
}

// Not only the slots: every paint that compiles, and the picture for a file,
// leaves the entry's colour, the faults and the value under the pointer
// showing that compile, and writes its messages once.
void KdeWTest::nach_jedem_Malen_data()
{
    QTest::addColumn<QString>("Gezeichnet");
    QTest::addColumn<QString>("Getippt");
    QTest::addColumn<bool>("alsBild");
    QTest::addColumn<QString>("Bericht");
    for (bool alsBild : { false, true }) {
        // clang-format off
        QTest::addRow("foo(x), dann x, %d", alsBild) << "foo(x)" << "x" << alsBild << "Nullstellen\nx = 0";
        QTest::addRow("x, dann foo(x), %d", alsBild) << "x" << "foo(x)" << alsBild << "Befehl nicht bekannt: foo";
        // clang-format on
    }
}

void KdeWTest::nach_jedem_Malen()
{
    QFETCH(QString, Gezeichnet);
    QFETCH(QString, Getippt);
    QFETCH(bool, alsBild);
    QFETCH(QString, Bericht);

    Eingabe(w)->setText(Gezeichnet);
    w->RButton(1);
    QMouseEvent Bewegung(QEvent::MouseMove, QPoint(400, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &Bewegung);
    Eingabe(w)->setText(Getippt);
    QTest::qWait(50);
    Ausgabefang Fang;
    alsBild ? void(w->Bild()) : w->repaint();
    QTRY_COMPARE(Info(w)->Inhaltszeilen(), Bericht);
    const bool fehlerhaft = Bericht.startsWith(QStringLiteral("Befehl"));
    QCOMPARE(Info(w)->Zeigerzeilen(), fehlerhaft ? QStringLiteral("x = 1\ny = —") : QStringLiteral("x = 1\ny = 1"));
    QCOMPARE(Eingabe(w)->palette().color(QPalette::Text) == QColor(Fehlerfarbe), fehlerhaft);
    QTest::qWait(50);
    QCOMPARE(Fang.Anzahl("\nBefehl nicht bekannt: "), fehlerhaft ? 1 : 0);
}

// However fast the pointer leaves the plot for a control, its lines go.
void KdeWTest::zeiger_springt()
{
    // Qt drops a move to where the pointer already is.
    QTest::mouseMove(w->windowHandle(), QPoint(0, 0));
    for (QWidget *Ziel : { static_cast<QWidget *>(Info(w)), Steuerelement("QPushButton", QStringLiteral("Zeichnen")),
             Steuerelement("QRadioButton", QStringLiteral("DEG")) }) {
        QTest::mouseMove(w->windowHandle(), QPoint(400, 300));
        QVERIFY(!Info(w)->Zeigerzeilen().isEmpty());
        QTest::mouseMove(w->windowHandle(), Ziel->mapTo(w, Ziel->rect().center()));
        QCOMPARE(Info(w)->Zeigerzeilen(), QString());
    }
}

// Near a listed point the pointer rings it, and the info area names it to
// six digits; the ring goes without the curves being drawn again, which a
// faulty second formula would tell on standard output. From the keyboard,
// Shift and the arrow keys step through the points.
void KdeWTest::markierung()
{
    Eingabe(w)->setText(QStringLiteral("x^3-3x; foo"));
    w->Zeichnen();
    QTRY_VERIFY(Info(w)->Inhaltszeilen().contains(QStringLiteral("Tiefpunkte")));
    const QImage Vorher = Grafik(Gemalt(w));
    Ausgabefang Fang;
    // The minimum (1 | -2) lies at column 401, row 481.
    QTest::mouseMove(w->windowHandle(), QPoint(403, 479));
    QCOMPARE(Info(w)->Zeigerzeilen(), QStringLiteral("Tiefpunkt\nx = 1\ny = -2"));
    QVERIFY(Pixel_in_Farbe(Grafik(Bildschirm(w)).copy(390, 420, 22, 22), Ringfarbe) > 0);
    QTest::mouseMove(w->windowHandle(), QPoint(500, 200));
    QCOMPARE(Info(w)->Zeigerzeilen(), QStringLiteral("x = 3\ny = 18\ny = —"));
    QCOMPARE(Grafik(Bildschirm(w)), Vorher);
    QCOMPARE(Fang.Anzahl("Befehl nicht bekannt"), 0);

    QWidget *Kurve = w->focusWidget();
    while (Kurve->accessibleName() != QStringLiteral("Kurve")) {
        QTest::keyClick(Kurve, Qt::Key_Tab);
        Kurve = w->focusWidget();
    }
    QStringList Gezeigt;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(Kurve, Qt::Key_Right, Qt::ShiftModifier);
        Gezeigt << Info(w)->Zeigerzeilen().section(QLatin1Char('\n'), 0, 1);
    }
    QCOMPARE(Gezeigt,
        QStringList({ QStringLiteral("Nullstelle\nx = 0"), QStringLiteral("Wendepunkt\nx = 0"),
            QStringLiteral("Tiefpunkt\nx = 1"), QStringLiteral("Nullstelle\nx = 1.73205") }));
    QTest::keyClick(Kurve, Qt::Key_Left);
    QCOMPARE(Info(w)->Zeigerzeilen().section(QLatin1Char('\n'), 0, 0), QStringLiteral("x = 1.72"));
}

namespace {
// What the info area's list shows: its lines, and the number of points that
// its last line says follow.
struct Seite {
    QStringList Zeilen;
    int Rest = 0;
};

Seite Seite_lesen(const Infofeld *Feld)
{
    Seite Gelesen { Feld->Inhaltszeilen().split(QLatin1Char('\n'), Qt::SkipEmptyParts) };
    const QRegularExpressionMatch Rest = QRegularExpression(QStringLiteral("^… und (\\d+) weitere$"))
                                             .match(Gelesen.Zeilen.value(Gelesen.Zeilen.size() - 1));
    if (Rest.hasMatch()) {
        Gelesen.Rest = Rest.captured(1).toInt();
        Gelesen.Zeilen.removeLast();
    }
    return Gelesen;
}
}

// Every point can be read: the list scrolls with the wheel over the info
// area, or with Page Down and Page Up once Tab has reached it after the
// plot. Each page goes on from the one before and leaves none out, its last
// line counts the points after it, and back at the top it shows what it
// showed first. A screen reader gets them all at once. A new formula starts
// at the top.
void KdeWTest::blaettern_data()
{
    QTest::addColumn<bool>("Rad");
    QTest::newRow("Mausrad") << true;
    QTest::newRow("Bild ab, Bild auf") << false;
}

void KdeWTest::blaettern()
{
    QFETCH(bool, Rad);
    Eingabe(w)->setText(QStringLiteral("sin(8x)"));
    w->Zeichnen();
    QTRY_VERIFY(!Info(w)->Inhaltszeilen().isEmpty());
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget *Kurve = nullptr;
    for (int i = 0; QApplication::focusWidget() != Info(w); ++i) {
        QVERIFY(i < 10);
        Kurve = QApplication::focusWidget();
        QTest::keyClick(Kurve, Qt::Key_Tab);
    }
    QCOMPARE(Kurve->accessibleName(), QStringLiteral("Kurve"));

    // The points' lines as the plot's description lists them, after its
    // first line.
    const auto Punktzeilen = [&] {
        return Kurve->accessibleDescription().split(QLatin1Char('\n')).mid(1);
    };
    const QStringList Alle = Punktzeilen();
    QCOMPARE(Info(w)->accessibleDescription().split(QLatin1Char('\n'), Qt::SkipEmptyParts), Alle);
    const auto Punkte_ab = [&](int Zeile) {
        return int(std::count_if(Alle.begin() + Zeile, Alle.end(), [](const QString &Text) {
            return Text.startsWith(QLatin1String("x = ")) || Text.startsWith(QLatin1Char('('));
        }));
    };
    const auto schieben = [&](bool vor) {
        if (Rad) {
            const QPoint Stelle(50, 300);
            QWheelEvent Drehung(Stelle, Info(w)->mapToGlobal(Stelle), QPoint(),
                QPoint(0, vor ? -QWheelEvent::DefaultDeltasPerStep : QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(Info(w), &Drehung);
        } else {
            QTest::keyClick(QApplication::focusWidget(), vor ? Qt::Key_PageDown : Qt::Key_PageUp);
        }
    };

    const QString Oben = Info(w)->Inhaltszeilen();
    Seite Vorige = Seite_lesen(Info(w));
    QCOMPARE(Vorige.Zeilen, Alle.mid(0, Vorige.Zeilen.size()));
    QVERIFY(Vorige.Rest > 0);
    int Von = 0;
    // To the end, and back to the top.
    for (const bool vor : { true, false }) {
        for (int Schritte = 0; vor ? Vorige.Rest > 0 : Von > 0; ++Schritte) {
            QVERIFY(Schritte < Alle.size());
            schieben(vor);
            const Seite Neue = Seite_lesen(Info(w));
            const int Neu_von = Alle.indexOf(Neue.Zeilen.value(0));
            QCOMPARE(Neue.Zeilen, Alle.mid(Neu_von, Neue.Zeilen.size()));
            QCOMPARE(Neue.Rest, Punkte_ab(Neu_von + Neue.Zeilen.size()));
            if (vor) {
                QVERIFY(Neu_von > Von && Neu_von <= Von + Vorige.Zeilen.size());
            } else {
                QVERIFY(Neu_von < Von && Neu_von + Neue.Zeilen.size() >= Von);
            }
            Von = Neu_von;
            Vorige = Neue;
        }
    }
    QCOMPARE(Info(w)->Inhaltszeilen(), Oben);

    schieben(true);
    Eingabe(w)->setText(QStringLiteral("cos(8x)"));
    w->Zeichnen();
    QTRY_VERIFY(!Info(w)->Inhaltszeilen().isEmpty());
    const Seite Neue = Seite_lesen(Info(w));
    QCOMPARE(Neue.Zeilen, Punktzeilen().mid(0, Neue.Zeilen.size()));
}

// A screen reader finds a name and a description of their own on every part
// of the window. The plot's names the formula drawn and the view, as the
// view's button names it; the info area's is what it shows.
void KdeWTest::zugang_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    QTest::newRow("RAD") << "x^2" << true;
    QTest::newRow("DEG fehlerhaft") << "foo(x)" << false;
}

void KdeWTest::zugang()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    Eingabe(w)->setText(Formel);
    w->RButton(Bogenmass ? 1 : 2);
    QMouseEvent Bewegung(QEvent::MouseMove, QPoint(400, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &Bewegung);

    QStringList Namen;
    QList<QAccessibleInterface *> Offen { QAccessible::queryAccessibleInterface(w) };
    while (!Offen.isEmpty()) {
        QAccessibleInterface *Teil = Offen.takeLast();
        for (int i = 0; i < Teil->childCount(); ++i) {
            QAccessibleInterface *Kind = Teil->child(i);
            const QString Name = Kind->text(QAccessible::Name);
            QVERIFY2(!Name.isEmpty() && !Kind->text(QAccessible::Description).isEmpty() && !Namen.contains(Name),
                Kind->object()->metaObject()->className());
            Namen << Name;
            Offen << Kind;
        }
    }
    const QPoint Global = w->mapToGlobal(QPoint(400, 300));
    const QAccessibleInterface *Flaeche = QAccessible::queryAccessibleInterface(w)->childAt(Global.x(), Global.y());
    QVERIFY(Flaeche);
    const QString Kurve = Flaeche->text(QAccessible::Description);
    QVERIFY2(Kurve.contains(Formel), qPrintable(Kurve));
    for (const QString &Knopf : { QStringLiteral("RAD"), QStringLiteral("DEG") }) {
        const QString Ansicht
            = QAccessible::queryAccessibleInterface(Steuerelement("QRadioButton", Knopf))->text(QAccessible::Name);
        QCOMPARE(Kurve.contains(Ansicht), (Knopf == QLatin1String("RAD")) == Bogenmass);
    }
    const QString Infotext = QAccessible::queryAccessibleInterface(Info(w))->text(QAccessible::Description);
    QVERIFY(Infotext.contains(Info(w)->Zeigerzeilen()) && Infotext.contains(Info(w)->Inhaltszeilen()));
}

// Up and Down in the entry step through the formulas drawn in this window,
// newest first, and back to what was being typed.
void KdeWTest::verlauf_data()
{
    QTest::addColumn<QStringList>("Gezeichnet");
    QTest::addColumn<QString>("Tasten"); // h for Up, r for Down
    QTest::addColumn<QString>("Danach");
    const QStringList Zwei { QStringLiteral("x"), QStringLiteral("x^2") };
    // clang-format off
    QTest::newRow("neues Fenster") << QStringList() << "h" << "getippt";
    QTest::newRow("hoch") << Zwei << "h" << "x^2";
    QTest::newRow("über die älteste") << Zwei << "hhh" << "x";
    QTest::newRow("hoch und runter") << Zwei << "hhr" << "x^2";
    QTest::newRow("zurück zum Getippten") << Zwei << "hhrr" << "getippt";
    QTest::newRow("zweimal dieselbe") << Zwei + QStringList { QStringLiteral("x^2") } << "hh" << "x";
    QTest::newRow("leere") << QStringList { QStringLiteral("x"), QString() } << "h" << "x";
    // clang-format on
}

void KdeWTest::verlauf()
{
    QFETCH(QStringList, Gezeichnet);
    QFETCH(QString, Tasten);
    QFETCH(QString, Danach);
    for (const QString &Formel : Gezeichnet) {
        Eingabe(w)->setText(Formel);
        QTest::keyClick(Eingabe(w), Qt::Key_Return);
    }
    Eingabe(w)->setText(QStringLiteral("getippt"));
    for (QChar Taste : Tasten) {
        QTest::keyClick(Eingabe(w), Taste == QLatin1Char('h') ? Qt::Key_Up : Qt::Key_Down);
    }
    QCOMPARE(Eingabe(w)->text(), Danach);
}

// A click on a button leaves the keyboard in the entry: what is typed next,
// and Return, draw it. Tab still reaches the buttons.
void KdeWTest::fokus_data()
{
    QTest::addColumn<QByteArray>("Klasse");
    QTest::addColumn<QString>("Knopf");
    QTest::addColumn<bool>("Bogenmass");

    QTest::newRow("Zeichnen") << QByteArray("QPushButton") << QStringLiteral("Zeichnen") << true;
    QTest::newRow("Löschen") << QByteArray("QPushButton") << QStringLiteral("Löschen") << true;
    QTest::newRow("RAD") << QByteArray("QRadioButton") << QStringLiteral("RAD") << true;
    QTest::newRow("DEG") << QByteArray("QRadioButton") << QStringLiteral("DEG") << false;
}

void KdeWTest::fokus()
{
    QFETCH(QByteArray, Klasse);
    QFETCH(QString, Knopf);
    QFETCH(bool, Bogenmass);

    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget *Element = Steuerelement(Klasse, Knopf);
    QTest::mouseClick(Element, Qt::LeftButton, {}, QPoint(8, Element->height() / 2));
    QCOMPARE(QApplication::focusWidget(), Eingabe(w));

    QWidget *Tastatur = QApplication::focusWidget();
    QTest::keyClick(Tastatur, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Tastatur, QStringLiteral("x/3"));
    QTest::keyClick(Tastatur, Qt::Key_Return);
    QCOMPARE(Formelinterpreter.Formel, "x/3");
    QCOMPARE(Formelinterpreter.statusRAD(), Bogenmass);

    QTest::keyClick(Tastatur, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Steuerelement("QPushButton", QStringLiteral("Zeichnen")));
}

namespace {
// A wheel's turn over the plot at (400, 300), as the window system sends it.
void drehen(KdeW *w, int Winkel, Qt::KeyboardModifiers Tasten = Qt::NoModifier)
{
    const QPoint Stelle(400, 300);
    QWheelEvent Drehung(
        Stelle, w->mapToGlobal(Stelle), QPoint(), QPoint(0, Winkel), Qt::NoButton, Tasten, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &Drehung);
}
}

// Steps of the view, each a token: R+ and R- a wheel's notch in and out,
// F+ a fine wheel's notch in four parts, S+/S- with Shift (x only), C+/C-
// with Ctrl and Shift (y only), N a turn of no angle, K+ and K- Ctrl++ and
// Ctrl+-, 0 Ctrl+0. Whether the picture at the end is the one at the start,
// and which ranges the first step changes.
void KdeWTest::ansicht_bewegen_data()
{
    QTest::addColumn<bool>("Bogenmass");
    QTest::addColumn<QString>("Schritte");
    QTest::addColumn<bool>("wie_vorher");
    QTest::addColumn<QString>("Achsen");
    for (const bool Bogenmass : { true, false }) {
        const char *M = Bogenmass ? "RAD" : "DEG";
        // clang-format off
        QTest::addRow("%s Rad hin und zurück", M) << Bogenmass << "R+ R-" << true << "xy";
        QTest::addRow("%s drei Rasten hin und zurück", M) << Bogenmass << "R+ R+ R+ R- R- R-" << true << "xy";
        QTest::addRow("%s heraus und zurück", M) << Bogenmass << "R- R+" << true << "xy";
        QTest::addRow("%s feines Rad", M) << Bogenmass << "F+ R-" << true << "xy";
        QTest::addRow("%s nur x", M) << Bogenmass << "S+ S-" << true << "x";
        QTest::addRow("%s nur y", M) << Bogenmass << "C+ C-" << true << "y";
        QTest::addRow("%s ohne Winkel", M) << Bogenmass << "N" << true << "";
        QTest::addRow("%s Tasten", M) << Bogenmass << "K+ K+ K- K-" << true << "xy";
        QTest::addRow("%s Strg+0", M) << Bogenmass << "R+ S+ K- C+ 0" << true << "xy";
        QTest::addRow("%s nur hin", M) << Bogenmass << "R+" << false << "xy";
        // clang-format on
    }
}

void KdeWTest::ansicht_bewegen()
{
    QFETCH(bool, Bogenmass);
    QFETCH(QString, Schritte);
    QFETCH(bool, wie_vorher);
    QFETCH(QString, Achsen);

    Eingabe(w)->setText(VOREINSTELLUNG);
    w->RButton(Bogenmass ? 1 : 2);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QImage Vorher = Grafik(Gemalt(w));
    const Ansicht Anfang = w->Sicht();
    bool Erster = true;
    for (const QString &Schritt : Schritte.split(QLatin1Char(' '))) {
        if (Schritt == QLatin1String("R+") || Schritt == QLatin1String("R-")) {
            drehen(w, Schritt.endsWith(QLatin1Char('+')) ? 120 : -120);
        } else if (Schritt == QLatin1String("F+")) {
            for (int i = 0; i < 4; ++i) {
                drehen(w, 30);
            }
        } else if (Schritt.startsWith(QLatin1Char('S')) || Schritt.startsWith(QLatin1Char('C'))) {
            const Qt::KeyboardModifiers Tasten
                = Schritt.startsWith(QLatin1Char('S')) ? Qt::ShiftModifier : Qt::ShiftModifier | Qt::ControlModifier;
            drehen(w, Schritt.endsWith(QLatin1Char('+')) ? 120 : -120, Tasten);
        } else if (Schritt == QLatin1String("N")) {
            drehen(w, 0);
        } else if (Schritt.startsWith(QLatin1Char('K'))) {
            QTest::keyClick(w, Schritt.endsWith(QLatin1Char('+')) ? Qt::Key_Plus : Qt::Key_Minus, Qt::ControlModifier);
        } else {
            QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
        }
        if (Erster) {
            const Ansicht &Neu = w->Sicht();
            QCOMPARE(Neu.xVon != Anfang.xVon, Achsen.contains(QLatin1Char('x')));
            QCOMPARE(Neu.yVon != Anfang.yVon, Achsen.contains(QLatin1Char('y')));
            QCOMPARE(Grafik(Gemalt(w)) == Vorher, Achsen.isEmpty());
            Erster = false;
        }
    }
    QCOMPARE(Grafik(Gemalt(w)) == Vorher, wie_vorher);
    w->Ansicht_vorgeben(Anfang);
}

// A drag with the left button pans: the point grabbed stays under the
// pointer. A move shorter than a drag's start does nothing, and the cursor
// shows an open hand over the plot, a closed one while dragging.
void KdeWTest::ziehen()
{
    Eingabe(w)->setText(QStringLiteral("x"));
    w->RButton(1);
    const Ansicht Anfang = w->Sicht();
    const double Gegriffen = Anfang.x_an(400);
    const auto Maus = [&](QEvent::Type Art, QPoint Stelle, Qt::MouseButtons Knoepfe) {
        QMouseEvent Ereignis(Art, Stelle, Qt::LeftButton, Knoepfe, Qt::NoModifier);
        QApplication::sendEvent(w, &Ereignis);
    };
    Maus(QEvent::MouseMove, QPoint(400, 300), Qt::NoButton);
    QCOMPARE(w->cursor().shape(), Qt::OpenHandCursor);
    Maus(QEvent::MouseButtonPress, QPoint(400, 300), Qt::LeftButton);
    Maus(QEvent::MouseMove, QPoint(400 + QApplication::startDragDistance() / 2, 300), Qt::LeftButton);
    QCOMPARE(w->Sicht(), Anfang);
    Maus(QEvent::MouseMove, QPoint(460, 340), Qt::LeftButton);
    QCOMPARE(w->cursor().shape(), Qt::ClosedHandCursor);
    QVERIFY(std::abs(w->Sicht().x_an(460) - Gegriffen) < 1e-12);
    QVERIFY(std::abs(w->Sicht().y_an(340) - Anfang.y_an(300)) < 1e-12);
    Maus(QEvent::MouseButtonRelease, QPoint(460, 340), Qt::NoButton);
    QCOMPARE(w->cursor().shape(), Qt::OpenHandCursor);
    w->Ansicht_vorgeben(Anfang);
}

// Zooming stops at the limits of the ranges: nothing happens past them, and
// nothing crashes on the way.
void KdeWTest::zoomgrenzen()
{
    Eingabe(w)->setText(VOREINSTELLUNG);
    w->RButton(1);
    const Ansicht Anfang = w->Sicht();
    for (const int Richtung : { 120, -120 }) {
        Ansicht Vorige = w->Sicht();
        for (int i = 0; i < 10000 && !(i > 0 && w->Sicht() == Vorige); ++i) {
            Vorige = w->Sicht();
            drehen(w, Richtung);
            if (i % 100 == 0) {
                Gemalt(w);
            }
        }
        Gemalt(w);
        const Ansicht &Ende = w->Sicht();
        QVERIFY(Ende.zulaessig());
        const double Weite = Ende.xBis - Ende.xVon;
        QVERIFY(Richtung > 0 ? Weite < 1e-9 * std::max(1.0, std::abs(Ende.xVon)) : Weite > 1e299);
    }
    w->Ansicht_vorgeben(Anfang);
}

// Ctrl+Q closes the window, as in every KDE program, with no menu bar.
void KdeWTest::beenden()
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->findChild<QMenuBar *>(), nullptr);
    QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w->isVisible());
}

// Ctrl+C draws the entry's formula and copies its picture, unless the entry
// has a selection to copy.
void KdeWTest::kopieren_data()
{
    QTest::addColumn<int>("Auswahl");
    QTest::addColumn<QString>("Text");

    QTest::newRow("ohne Auswahl") << 0 << QString();
    QTest::newRow("mit Auswahl") << 2 << QStringLiteral("x*");
}

void KdeWTest::kopieren()
{
    QFETCH(int, Auswahl);
    QFETCH(QString, Text);

    Eingabe(w)->setText(QStringLiteral("x"));
    w->RButton(1);
    Eingabe(w)->setText(QStringLiteral("x*x/10"));
    Eingabe(w)->setSelection(0, Auswahl);
    QClipboard *Ablage = QGuiApplication::clipboard();
    Ablage->clear();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    Ausgabefang Fang;
    QTest::keyClick(Eingabe(w), Qt::Key_C, Qt::ControlModifier);

    QCOMPARE(Ablage->text(), Text);
    QCOMPARE(QByteArray(Formelinterpreter.Formel), Auswahl > 0 ? QByteArray("x") : QByteArray("x*x/10"));
    if (Auswahl == 0) {
        QCOMPARE(Ablage->image().convertToFormat(QImage::Format_RGB32), Eigenes_Bild(w));
        QCOMPARE(Grafik(Bildschirm(w)), Grafik(Gemalt(w)));
    } else {
        QVERIFY(Ablage->image().isNull());
    }
}

// Ctrl+S writes what --bild writes; a failure shows in a message box and
// leaves no file.
void KdeWTest::speichern_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Meldung");
    QTest::addColumn<QString>("Gespeichert");

    QTest::newRow("png") << QStringLiteral("neu.png") << QString() << QStringLiteral("neu.png");
    QTest::newRow("ohne Endung") << QStringLiteral("neu") << QString() << QStringLiteral("neu.png");
    QTest::newRow("unbekannte Endung") << QStringLiteral("neu.xyz") << QStringLiteral("png") << QString();
}

void KdeWTest::speichern()
{
    QFETCH(QString, Name);
    QFETCH(QString, Meldung);
    QFETCH(QString, Gespeichert);

    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(Name);
    Eingabe(w)->setText(QStringLiteral("sin(x)*3"));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    // The dialogs are modal: answered from the event loops they run.
    QString Gezeigt;
    QTimer Takt;
    connect(&Takt, &QTimer::timeout, [&] {
        QWidget *Dialog = QApplication::activeModalWidget();
        if (auto *Dateiwahl = qobject_cast<QFileDialog *>(Dialog)) {
            // Typed, as selectFile may lose to the dialog's own start.
            Dateiwahl->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(Datei);
            static_cast<QDialog *>(Dateiwahl)->accept();
        } else if (auto *Box = qobject_cast<QDialog *>(Dialog)) {
            for (const QLabel *Zeile : Box->findChildren<QLabel *>()) {
                Gezeigt += Zeile->text();
            }
            Box->reject();
        }
    });
    Takt.start(20);
    Ausgabefang Fang;
    QTest::keyClick(Eingabe(w), Qt::Key_S, Qt::ControlModifier);
    Takt.stop();

    if (Meldung.isEmpty()) {
        QCOMPARE(Gezeigt, QString());
        QCOMPARE(QDir(Ordner.path()).entryList(QDir::Files), QStringList { Gespeichert });
        QCOMPARE(QImage(Ordner.filePath(Gespeichert)).convertToFormat(QImage::Format_RGB32), Eigenes_Bild(w));
    } else {
        QVERIFY2(Gezeigt.contains(Meldung), qPrintable(Gezeigt));
        QCOMPARE(QDir(Ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
    }
}

QTEST_MAIN(KdeWTest)

#include "kdewtest.moc"
