// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The graph window's controls, its start state and its slots.

#include "fensterhilfe.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

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
    QCOMPARE(Eingabe(w)->maxLength(), 255);
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

// Formel holds 255 characters and the terminating zero.
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

    QCOMPARE(Eingabe(w)->text().size(), Behalten);
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

    QTest::newRow("png") << QStringLiteral("neu.png") << QString();
    QTest::newRow("unbekannte Endung") << QStringLiteral("neu.xyz") << QStringLiteral("png");
}

void KdeWTest::speichern()
{
    QFETCH(QString, Name);
    QFETCH(QString, Meldung);

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
        QCOMPARE(QImage(Datei).convertToFormat(QImage::Format_RGB32), Eigenes_Bild(w));
    } else {
        QVERIFY2(Gezeigt.contains(Meldung), qPrintable(Gezeigt));
        QCOMPARE(QDir(Ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
    }
}

QTEST_MAIN(KdeWTest)

#include "kdewtest.moc"
