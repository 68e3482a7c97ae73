// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The program on the command line, where there is no display or one that
// cannot be opened: the picture that --bild writes against the window's own
// paint, and the exit statuses.

#include "fensterhilfe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

class BefehlszeileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void bild_data();
    void bild();
    void ausgang_data();
    void ausgang();
    void analyse_data();
    void analyse();
    void voreinstellung_svg();

private:
    struct Lauf {
        int Status = -1;
        QByteArray Ausgabe;
        QList<QByteArray> Fehlerzeilen;
        QStringList Hinweise; // the lines of standard error that begin with "Hinweis: "
    };
    Lauf starten(const QStringList &Argumente, const QString &Vorspann = QString());

    KdeW *w = nullptr;
    QTemporaryDir Laufzeit;
};

void BefehlszeileTest::initTestCase()
{
    QVERIFY(Laufzeit.isValid());
    w = neuesFenster();
}

void BefehlszeileTest::cleanupTestCase()
{
    delete w;
}

// As a shell starts it with no display and no platform chosen. Vorspann is
// shell code run first, in the same process.
BefehlszeileTest::Lauf BefehlszeileTest::starten(const QStringList &Argumente, const QString &Vorspann)
{
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    for (const char *Name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        Umgebung.remove(QString::fromLatin1(Name));
    }
    // As a desktop session sets it; rows of ausgang run without it.
    Umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), Laufzeit.path());
    QProcess Prozess;
    Prozess.setProcessEnvironment(Umgebung);
    if (Vorspann.isEmpty()) {
        Prozess.start(QStringLiteral(KURVANO_PROGRAMM), Argumente);
    } else {
        const QStringList Shell { QStringLiteral("-c"), Vorspann + QStringLiteral("; exec \"$0\" \"$@\""),
            QStringLiteral(KURVANO_PROGRAMM) };
        Prozess.start(QStringLiteral("sh"), Shell + Argumente);
    }
    Lauf Ergebnis;
    if (!Prozess.waitForFinished(120000) || Prozess.exitStatus() != QProcess::NormalExit) {
        return Ergebnis;
    }
    Ergebnis.Status = Prozess.exitCode();
    Ergebnis.Ausgabe = Prozess.readAllStandardOutput();
    const QByteArray Fehler = Prozess.readAllStandardError();
    for (const QByteArray &Zeile : Fehler.isEmpty() ? QList<QByteArray>() : Fehler.trimmed().split('\n')) {
        if (Zeile.startsWith("Hinweis: ")) {
            Ergebnis.Hinweise << QString::fromLocal8Bit(Zeile);
        } else {
            Ergebnis.Fehlerzeilen << Zeile;
        }
    }
    return Ergebnis;
}

// The formula as the shell passes it (UTF-8), in the window as typed text.
void BefehlszeileTest::bild_data()
{
    QTest::addColumn<QString>("Formel");
    QTest::addColumn<bool>("Bogenmass");
    QTest::addColumn<int>("Status");
    QTest::addColumn<QByteArray>("Meldung");
    QTest::addColumn<QStringList>("Hinweise");
    QTest::addColumn<QStringList>("Bereiche");

    const QString Zu_lang = QStringLiteral("x") + QString(253, QLatin1Char(' ')) + QStringLiteral("+5");
    QTest::newRow("Voreinstellung RAD") << QString() << true << 0 << QByteArray() << QStringList() << QStringList();
    QTest::newRow("Voreinstellung DEG") << QString() << false << 0 << QByteArray() << QStringList() << QStringList();
    QTest::newRow("x^2 DEG") << QStringLiteral("x^2") << false << 0 << QByteArray() << QStringList() << QStringList();
    QTest::newRow("Pole RAD") << QStringLiteral("tan(x)") << true << 0 << QByteArray() << QStringList()
                              << QStringList();
    QTest::newRow("fehlerhaft RAD") << QStringLiteral("foo(x)") << true << 2 << QByteArray("Befehl nicht bekannt: foo")
                                    << QStringList() << QStringList();
    QTest::newRow("fehlerhaft DEG") << QStringLiteral("foo(x)") << false << 2 << QByteArray("Befehl nicht bekannt: foo")
                                    << QStringList() << QStringList();
    QTest::newRow("Latin-1") << QStringLiteral("x+\u00e4") << true << 2 << QByteArray("Befehl nicht bekannt: \xe4")
                             << QStringList() << QStringList();
    QTest::newRow("Euro") << QStringLiteral("x+\u20ac") << false << 2 << QByteArray("Befehl nicht bekannt: ?")
                          << QStringList() << QStringList();
    // Cut after 255 characters, the "+" at the end dropped: x, not x+5.
    QTest::newRow("256 Zeichen") << Zu_lang << false << 0 << QByteArray()
                                 << QStringList { QStringLiteral("Hinweis: Formel nach 255 Zeichen abgeschnitten") }
                                 << QStringList();
    // Read by a rule: the picture is the rules', the status 0, the note on
    // standard error.
    QTest::newRow("x**2") << QStringLiteral("x**2") << true << 0 << QByteArray()
                          << QStringList { QStringLiteral("Hinweis: „**“ gelesen als „*“") } << QStringList();
    QTest::newRow("|x|+x^2, x^3") << QStringLiteral("|x|+x^2, x^3") << false << 0 << QByteArray()
                                  << QStringList { QStringLiteral("Hinweis: „|“ beendet die Formel – Betrag: abs(x)") }
                                  << QStringList();
    // The start views' own numbers give their pictures; any other view is
    // the window's in that view.
    QTest::newRow("Anfangsansicht RAD") << QString() << true << 0 << QByteArray() << QStringList()
                                        << QStringList { QStringLiteral("--x"), QStringLiteral("-6.4:6.4"),
                                               QStringLiteral("--y"), QStringLiteral("-6:6") };
    QTest::newRow("Anfangsansicht DEG") << QStringLiteral("tan(x)") << false << 0 << QByteArray() << QStringList()
                                        << QStringList { QStringLiteral("--x=-360:360") };
    QTest::newRow("100*sin(x)") << QStringLiteral("100*sin(x)") << true << 0 << QByteArray() << QStringList()
                                << QStringList { QStringLiteral("--x"), QStringLiteral("-10:10"), QStringLiteral("--y"),
                                       QStringLiteral("-100:100") };
    QTest::newRow("sin(x) DEG, y allein") << QStringLiteral("sin(x)") << false << 0 << QByteArray() << QStringList()
                                          << QStringList { QStringLiteral("--y"), QStringLiteral("-1.5:1.5") };
}

void BefehlszeileTest::bild()
{
    QFETCH(QString, Formel);
    QFETCH(bool, Bogenmass);
    QFETCH(int, Status);
    QFETCH(QByteArray, Meldung);
    QFETCH(QStringList, Hinweise);
    QFETCH(QStringList, Bereiche);

    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("bild.png"));
    QStringList Argumente = QStringList { QStringLiteral("--bild"), Datei } + Bereiche;
    if (!Bogenmass) {
        Argumente << QStringLiteral("--grad");
    }
    if (!Formel.isEmpty()) {
        Argumente << Formel;
    }
    const Lauf Ergebnis = starten(Argumente);

    QCOMPARE(Ergebnis.Status, Status);
    QCOMPARE(Ergebnis.Fehlerzeilen.size(), Status == 2 ? 1 : 0);
    QCOMPARE(Ergebnis.Hinweise, Hinweise);
    if (Meldung.isEmpty()) {
        QCOMPARE(Ergebnis.Ausgabe, QByteArray());
    } else {
        QVERIFY(Ergebnis.Ausgabe.contains(Meldung));
    }
    // The window in the same view, its ranges read back from the arguments.
    Ansicht A = Ansicht::Anfang(Bogenmass);
    for (int i = 0; i < Bereiche.size(); ++i) {
        const QStringList Teile = Bereiche[i].split(QLatin1Char('='));
        const QString Option = Teile.first();
        const QStringList Zahlen = (Teile.size() > 1 ? Teile[1] : Bereiche[++i]).split(QLatin1Char(':'));
        (Option == QLatin1String("--x") ? A.xVon : A.yVon) = Zahlen[0].toDouble();
        (Option == QLatin1String("--x") ? A.xBis : A.yBis) = Zahlen[1].toDouble();
    }
    w->Ansicht_vorgeben(A);
    Eingabe(w)->setText(Formel.isEmpty() ? VOREINSTELLUNG : Formel);
    Ausgabefang Fang;
    w->RButton(Bogenmass ? 1 : 2);
    QCOMPARE(QImage(Datei).convertToFormat(QImage::Format_RGB32), Eigenes_Bild(w));
    w->Ansicht_vorgeben(Ansicht::Anfang(Bogenmass));
}

// Each row runs in a directory of its own that holds the picture alt.png
// and the plain file "datei"; %D stands for that directory, in the arguments
// and in the shell code run first. Standard error holds one line for a
// failure, and none otherwise.
void BefehlszeileTest::ausgang_data()
{
    QTest::addColumn<QStringList>("Argumente");
    QTest::addColumn<QString>("Vorspann");
    QTest::addColumn<int>("Status");
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QStringList>("Danach");

    const QStringList Vorher { QStringLiteral("alt.png"), QStringLiteral("datei") };
    const QString Voll = QStringLiteral("ulimit -f 4; trap '' XFSZ");
    auto Zeile = [](const char *Name, std::initializer_list<const char *> Argumente, int Status, const char *Text,
                     const QStringList &Danach, const QString &Vorspann = QString()) {
        QStringList Liste;
        for (const char *Argument : Argumente) {
            Liste << QString::fromUtf8(Argument);
        }
        QTest::newRow(Name) << Liste << Vorspann << Status << QString::fromUtf8(Text) << Danach;
    };
    Zeile("png", { "--bild", "%D/neu.png", "x" }, 0, "", Vorher + QStringList { QStringLiteral("neu.png") });
    Zeile("JPG", { "--bild", "%D/neu.JPG", "--grad" }, 0, "", Vorher + QStringList { QStringLiteral("neu.JPG") });
    Zeile("bmp mit =", { "--bild=%D/neu.bmp" }, 0, "", Vorher + QStringList { QStringLiteral("neu.bmp") });
    Zeile("Formel mit -", { "--bild", "%D/neu.png", "--", "-x" }, 0, "",
        Vorher + QStringList { QStringLiteral("neu.png") });
    Zeile("unbekannte Endung", { "--bild", "%D/neu.xyz" }, 1, "png, ppm", Vorher);
    Zeile("ohne Endung", { "--bild", "%D/neu" }, 1, "png, ppm", Vorher);
    Zeile("fehlendes Verzeichnis", { "--bild", "%D/fehlt/neu.png" }, 1, "fehlt/neu.png", Vorher);
    Zeile("fehlendes Verzeichnis, svg", { "--bild", "%D/fehlt/neu.svg" }, 1, "fehlt/neu.svg", Vorher);
    Zeile("fehlendes Verzeichnis, pdf", { "--bild", "%D/fehlt/neu.pdf" }, 1, "fehlt/neu.pdf", Vorher);
    Zeile("Verzeichnis ist Datei", { "--bild", "%D/datei/neu.png" }, 1, "datei/neu.png", Vorher);
    Zeile("nur lesbar", { "--bild", "/proc/kurvano.png" }, 1, "/proc/kurvano.png", Vorher);
    // Full after 2 KiB: the picture's last write fails, or an earlier one.
    Zeile("voll, png über alt", { "--bild", "%D/alt.png" }, 1, "alt.png", Vorher, Voll);
    Zeile("voll, bmp", { "--bild", "%D/neu.bmp" }, 1, "neu.bmp", Vorher, Voll);
    Zeile("unbekannte Option", { "--farbe" }, 1, "farbe", Vorher);
    Zeile("--bild ohne Datei", { "--bild" }, 1, "bild", Vorher);
    Zeile("zwei Formeln", { "--bild", "%D/neu.png", "x", "x^2" }, 1, "nur eine Formel", Vorher);
    Zeile("Fenster ohne Anzeige", {}, 1, "--bild", Vorher);
    Zeile("--help", { "--help" }, 0, "--bild <DATEI>", Vorher);
    Zeile("--help nennt -x", { "--help" }, 0, "-x <VON:BIS>", Vorher);
    // Ranges that are none: one line that names the option and what is
    // wrong, and the older picture stays.
    Zeile("leerer Bereich", { "--bild", "%D/alt.png", "--x", "5:5" }, 1, "--x „5:5“: VON muss kleiner", Vorher);
    Zeile("umgekehrter Bereich", { "--bild", "%D/neu.png", "--y=10:-10" }, 1, "--y „10:-10“: VON muss kleiner", Vorher);
    Zeile("kein Bereich", { "--bild", "%D/alt.png", "--x", "abc" }, 1, "--x „abc“ ist kein Bereich", Vorher);
    Zeile("halber Bereich", { "--analyse", "--x", "1:" }, 1, "--x „1:“ ist kein Bereich", Vorher);
    Zeile("Komma", { "--analyse", "--x", "0,5:1" }, 1, "--x „0,5:1“ ist kein Bereich", Vorher);
    Zeile("nan", { "--bild", "%D/alt.png", "--x", "nan:1" }, 1, "--x „nan:1“: die Grenzen müssen endliche", Vorher);
    Zeile(
        "1e400", { "--bild", "%D/neu.png", "--y", "1e400:2" }, 1, "--y „1e400:2“: die Grenzen müssen endliche", Vorher);
    Zeile("-inf", { "--bild", "%D/neu.png", "--x", "-inf:0" }, 1, "--x „-inf:0“: die Grenzen müssen endliche", Vorher);
    Zeile("zu schmal", { "--bild", "%D/neu.png", "--x", "0:1e-320" }, 1, "--x „0:1e-320“: der Bereich ist zu schmal",
        Vorher);
    Zeile("zu breit", { "--bild", "%D/neu.png", "--y", "-1e300:1e300" }, 1,
        "--y „-1e300:1e300“: der Bereich ist zu breit", Vorher);
    Zeile("Fenster mit leerem Bereich", { "--x", "5:5" }, 1, "--x „5:5“", Vorher);
    Zeile("Exponent und Vorzeichen", { "--bild", "%D/neu.png", "--x", "+1e-3:2E-3" }, 0, "",
        Vorher + QStringList { QStringLiteral("neu.png") });
    Zeile("--version", { "--version" }, 0, "kurvano", Vorher);
    // Without XDG_RUNTIME_DIR, as root in a container: nothing on standard
    // error, and the runtime directory made in its place is gone.
    const QString Ohne_Laufzeit = QStringLiteral("unset XDG_RUNTIME_DIR; export TMPDIR=%D");
    Zeile("png ohne XDG_RUNTIME_DIR", { "--bild", "%D/neu.png", "x" }, 0, "",
        Vorher + QStringList { QStringLiteral("neu.png") }, Ohne_Laufzeit);
    Zeile("--analyse ohne XDG_RUNTIME_DIR", { "--analyse", "x" }, 0, "Nullstelle", Vorher, Ohne_Laufzeit);
    Zeile("--help ohne XDG_RUNTIME_DIR", { "--help" }, 0, "--bild <DATEI>", Vorher, Ohne_Laufzeit);
    // A display named that cannot be opened, or a platform that is not
    // there: the picture and the informational options never touch it, the
    // window ends with one line.
    const QString Kein_Server = QStringLiteral("export DISPLAY=:999");
    const QString Wayland = QStringLiteral("export QT_QPA_PLATFORM=wayland");
    const QString Fehlt = QStringLiteral("export QT_QPA_PLATFORM=fehlt");
    const QString Xcb = QStringLiteral("export QT_QPA_PLATFORM=xcb DISPLAY=:999");
    Zeile("png, Wayland ohne Compositor", { "--bild", "%D/neu.png" }, 0, "",
        Vorher + QStringList { QStringLiteral("neu.png") }, Wayland);
    Zeile("png, xcb ohne Server", { "--bild=%D/neu.png" }, 0, "", Vorher + QStringList { QStringLiteral("neu.png") },
        Xcb);
    Zeile("--help, xcb ohne Server", { "--help" }, 0, "--bild <DATEI>", Vorher, Xcb);
    Zeile("--version, Wayland ohne Compositor", { "--version" }, 0, "kurvano", Vorher, Wayland);
    Zeile("--author, Plattform fehlt", { "--author" }, 0, "Kurvano developers", Vorher, Fehlt);
    Zeile("--license, DISPLAY ohne Server", { "--license" }, 0, "Kurvano developers", Vorher, Kein_Server);
    Zeile("Fenster, DISPLAY ohne Server", {}, 1, ":999", Vorher, Kein_Server);
    Zeile("Fenster, xcb ohne Server", { "x" }, 1, ":999", Vorher, Xcb);
    Zeile("Fenster, Wayland ohne Compositor", {}, 1, "wl_display", Vorher, Wayland);
    Zeile("Fenster, Plattform fehlt", {}, 1, "fehlt", Vorher, Fehlt);
}

void BefehlszeileTest::ausgang()
{
    QFETCH(QStringList, Argumente);
    QFETCH(QString, Vorspann);
    QFETCH(int, Status);
    QFETCH(QString, Text);
    QFETCH(QStringList, Danach);

    QTemporaryDir Ordner;
    QDir Verzeichnis(Ordner.path());
    for (const QString &Name : { QStringLiteral("alt.png"), QStringLiteral("datei") }) {
        QFile Datei(Verzeichnis.filePath(Name));
        QVERIFY(Datei.open(QIODevice::WriteOnly));
        Datei.write("alt");
    }
    Argumente.replaceInStrings(QStringLiteral("%D"), Ordner.path());
    Vorspann.replace(QStringLiteral("%D"), Ordner.path());

    const Lauf Ergebnis = starten(Argumente, Vorspann);

    QCOMPARE(Ergebnis.Status, Status);
    QCOMPARE(Ergebnis.Fehlerzeilen.size(), Status == 0 ? 0 : 1);
    QVERIFY2(QString::fromLocal8Bit(Ergebnis.Ausgabe + Ergebnis.Fehlerzeilen.join('\n')).contains(Text),
        qPrintable(QString::fromLocal8Bit(Ergebnis.Fehlerzeilen.join('\n'))));
    QCOMPARE(Verzeichnis.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden), Danach);
    QFile Alt(Verzeichnis.filePath(QStringLiteral("alt.png")));
    QVERIFY(Alt.open(QIODevice::ReadOnly));
    QCOMPARE(Alt.readAll(), QByteArray("alt"));
    for (const QString &Name : Danach.mid(2)) {
        QCOMPARE(QImage(Verzeichnis.filePath(Name)).size(), QSize(BILD_BREITE, BILD_HOEHE - 50));
    }
}

// The points on standard output, one line each: curve, kind, x and y, by
// tabs; y empty for a pole. Each row lists the lines as "curve kind x",
// with x to four digits, and whether any y is empty.
void BefehlszeileTest::analyse_data()
{
    QTest::addColumn<QStringList>("Argumente");
    QTest::addColumn<int>("Status");
    QTest::addColumn<QStringList>("Punkte");

    const auto Liste = [](std::initializer_list<const char *> Texte) {
        QStringList Liste;
        for (const char *Text : Texte) {
            Liste << QString::fromUtf8(Text);
        }
        return Liste;
    };
    const auto Zeile = [&](const char *Name, std::initializer_list<const char *> Argumente, int Status,
                           std::initializer_list<const char *> Punkte) {
        QTest::newRow(Name) << Liste(Argumente) << Status << Liste(Punkte);
    };
    Zeile("x^3-3x", { "--analyse", "x^3-3x" }, 0,
        { "1 Nullstelle -1.732", "1 Hochpunkt -1", "1 Nullstelle 0", "1 Wendepunkt 0", "1 Tiefpunkt 1",
            "1 Nullstelle 1.732" });
    Zeile("Pole DEG", { "--analyse", "--grad", "1/(x-90)" }, 0, { "1 Polstelle 90 -" });
    Zeile("zwei Kurven", { "--analyse", "x^2; x+2" }, 0,
        { "1 Nullstelle 0", "1 Tiefpunkt 0", "2 Nullstelle -2", "1,2 Schnittpunkt -1", "1,2 Schnittpunkt 2" });
    Zeile("keine Punkte", { "--analyse", "5" }, 0, {});
    Zeile("fehlerhafte zweite", { "--analyse", "x; foo" }, 2, { "1 Nullstelle 0" });
    Zeile("sieben Formeln", { "--analyse", "1;2;3;4;5;6;x" }, 1, {});
}

void BefehlszeileTest::analyse()
{
    QFETCH(QStringList, Argumente);
    QFETCH(int, Status);
    QFETCH(QStringList, Punkte);

    const Lauf Ergebnis = starten(Argumente);
    QCOMPARE(Ergebnis.Status, Status);
    QCOMPARE(Ergebnis.Fehlerzeilen.size(), Status == 0 ? 0 : 1);
    QStringList Gelesen;
    for (const QByteArray &Zeile : Ergebnis.Ausgabe.split('\n')) {
        const QList<QByteArray> Felder = Zeile.split('\t');
        if (Felder.size() == 4) {
            bool Zahl = false;
            const double x = Felder[2].toDouble(&Zahl);
            QVERIFY(Zahl);
            Gelesen << QStringLiteral("%1 %2 %3%4")
                           .arg(QString::fromUtf8(Felder[0]), QString::fromUtf8(Felder[1]),
                               QString::number(x + 0.0, 'g', 4),
                               Felder[3].isEmpty() ? QStringLiteral(" -") : QString());
        }
    }
    QCOMPARE(Gelesen, Punkte);
}

// The formula Kurvano starts with as SVG: well-formed XML, small, and its
// curve one path, in the curve's colour.
void BefehlszeileTest::voreinstellung_svg()
{
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("bild.svg"));
    QCOMPARE(starten({ QStringLiteral("--bild"), Datei }).Status, 0);
    QFile Svg(Datei);
    QVERIFY(Svg.open(QIODevice::ReadOnly));
    QVERIFY2(Svg.size() < 200000, qPrintable(QString::number(Svg.size())));

    QXmlStreamReader Leser(&Svg);
    QStringList Striche { QStringLiteral("none") }; // the stroke of each open element
    QStringList Pfade; // the stroke of each path
    while (!Leser.atEnd()) {
        Leser.readNext();
        if (Leser.isStartElement()) {
            const QStringRef Strich = Leser.attributes().value(QStringLiteral("stroke"));
            Striche << (Strich.isEmpty() ? Striche.last() : Strich.toString());
            if (Leser.name() == QLatin1String("path")) {
                Pfade << Striche.last();
            }
        } else if (Leser.isEndElement()) {
            Striche.removeLast();
        }
    }
    QVERIFY2(!Leser.hasError(), qPrintable(Leser.errorString()));
    QCOMPARE(Pfade, QStringList { QColor(GELB).name() });
}

QTEST_MAIN(BefehlszeileTest)

#include "befehlszeilentest.moc"
