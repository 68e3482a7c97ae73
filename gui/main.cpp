// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Bilddatei.h"
#include "KdeKurvano.h"
#include "Plattform.h"

#include <KAboutData>
#include <KLocalizedString>
#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include <fcntl.h>

namespace {
// A closed standard descriptor would go to the next file the program opens,
// the X connection among them, and the interpreter's messages with it.
void Standardkanaele_belegen()
{
    for (int Kanal = 0; Kanal <= 2; ++Kanal) {
        if (fcntl(Kanal, F_GETFD) == -1) {
            // The lowest free descriptor is this one: all below are open.
            open("/dev/null", Kanal == 0 ? O_RDONLY : O_WRONLY);
        }
    }
}

void melden(const QString &Text)
{
    std::fprintf(stderr, "kurvano: %s\n", qPrintable(Text));
}

// Where a formula was read otherwise than it most likely means: the picture
// and the points are what the rules say, so the status does not change.
void Hinweise_melden(KdeW &Fenster)
{
    for (const QString &Hinweis : Fenster.Hinweise()) {
        std::fprintf(stderr, "Hinweis: %s\n", qPrintable(Hinweis));
    }
}

// The shortest text that reads back as the same double.
std::string Zahltext(double Wert)
{
    char Text[32];
    return std::string(Text, std::to_chars(Text, Text + sizeof Text, Wert).ptr);
}

// One line a point, tab-separated: the curve, the kind, x and y (none for a
// pole); after the last point of a kind that has more, a line that says so.
void Punkte_ausgeben(const std::string &Kurve, const Diskussion &d, const char *Schnitt = nullptr)
{
    int Gezaehlt[AnzahlPunktarten] = {};
    for (const Kurvenpunkt &p : d.Punkte) {
        const char *Art = Schnitt ? Schnitt : Punktname(p.Art);
        const int Nr = static_cast<int>(p.Art);
        std::cout << Kurve << '\t' << Art << '\t' << Zahltext(p.x) << '\t'
                  << (std::isnan(p.y) ? std::string() : Zahltext(p.y)) << '\n';
        if (++Gezaehlt[Nr] == MAX_PUNKTE_JE_ART && d.Weitere[Nr]) {
            std::cout << Kurve << '\t' << Art << "\t…\n";
        }
    }
}

// The points of every curve in turn, then where each pair of curves meets.
void Kurven_ausgeben(const Kurvensatz &Satz)
{
    for (std::size_t Nr = 0; Nr < Satz.Formeln.size(); ++Nr) {
        Punkte_ausgeben(std::to_string(Nr + 1), Satz.Formeln[Nr].Punkte);
    }
    for (const Schnitt &S : Satz.Schnitte) {
        Punkte_ausgeben(std::to_string(S.Erste + 1) + ',' + std::to_string(S.Zweite + 1), S.Punkte, "Schnittpunkt");
    }
}

// Without a window: the picture into a file, the points on standard output,
// or both. 0 when all is written, 1 when it is not, 2 when it is written but
// a formula has faults and so draws as the line of 0 and has no points.
int ohne_Fenster(KdeW &Fenster, const QString &Datei, bool Analyse)
{
    const Bildvorlage Grafik = Fenster.Vorlage();
    const Kurvensatz &Satz = Fenster.Kurvenbefund();
    if (Satz.Zu_viele) {
        melden(QStringLiteral("höchstens sechs Formeln; die Eingabe hat mehr"));
        return 1;
    }
    if (!Datei.isEmpty()) {
        const QString Fehler = Bild_schreiben(Grafik, Datei);
        if (!Fehler.isEmpty()) {
            melden(Fehler);
            return 1;
        }
    }
    Hinweise_melden(Fenster);
    if (Analyse) {
        Kurven_ausgeben(Satz);
    }
    if (Fenster.fehlerhaft()) {
        // The interpreter's own messages come first.
        std::cout.flush();
        melden(Datei.isEmpty() ? QStringLiteral("die Formel hat Fehler; sie hat keine Punkte")
                               : QStringLiteral("die Formel hat Fehler; ihr Bild zeigt die Linie der 0"));
        return 2;
    }
    return 0;
}

// One range of the view from its option, if given; false, with the line
// that says what is wrong, for a range that is none.
bool Bereich_nehmen(const QCommandLineParser &parser, const QCommandLineOption &Option, double &Von, double &Bis)
{
    if (!parser.isSet(Option)) {
        return true;
    }
    const std::string Fehler = Bereich_lesen(parser.value(Option).toStdString(), Von, Bis);
    if (!Fehler.empty()) {
        melden(QStringLiteral("--%1 %2").arg(Option.names().first(), QString::fromStdString(Fehler)));
        return false;
    }
    return true;
}

// The view the mode starts in: its start view, with the ranges that --x
// and --y give.
std::optional<Ansicht> Startansicht(
    const QCommandLineParser &parser, bool Bogenmass, const QCommandLineOption &x, const QCommandLineOption &y)
{
    Ansicht A = Ansicht::Anfang(Bogenmass);
    if (!Bereich_nehmen(parser, x, A.xVon, A.xBis) || !Bereich_nehmen(parser, y, A.yVon, A.yBis)) {
        return std::nullopt;
    }
    return A;
}

// The formula as the shell gave it, read as UTF-8 whatever the locale.
QString Formeltext(const QString &Argument)
{
    return QString::fromUtf8(Argument.toLocal8Bit());
}
}

int main(int argc, char **argv)
{
    Standardkanaele_belegen();
    // A message to a pipe whose reader has gone must not end the program;
    // the failed write only sets std::cout's error state.
    std::signal(SIGPIPE, SIG_IGN);
    const bool Ohne_Anzeige = Plattform_waehlen(argc, argv);
    Formelinterpreter.setRAD(true);
    Plattformstart_bewachen();
    QApplication app(argc, argv);
    Plattformstart_beendet();
    // The texts of KAboutData's own options come from this domain.
    KLocalizedString::setApplicationDomain("kurvano");

    // Bug reports go to the address in the window's caption, not to KDE.
    KAboutData about(QStringLiteral("kurvano"), QStringLiteral("Kurvano"), QStringLiteral(KURVANO_VERSION),
        QStringLiteral("Zeichnet den Graphen einer Formel in x"), KAboutLicense::GPL_V2,
        QStringLiteral("© 2026 Kurvano developers"), QString(), QString(), QStringLiteral("kurvano@example.org"));
    // The sources say GPL-2.0-or-later.
    about.setLicense(KAboutLicense::GPL_V2, KAboutLicense::OrLaterVersions);
    about.addAuthor(QStringLiteral("Kurvano developers"), QString(), QStringLiteral("kurvano@example.org"));
    about.setDesktopFileName(QStringLiteral("org.kde.kurvano"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kde.kurvano")));
    KAboutData::setApplicationData(about);

    QCommandLineParser parser;
    about.setupCommandLine(&parser);
    const QCommandLineOption Grad(QStringLiteral("grad"), QStringLiteral("In der Gradansicht (DEG) beginnen."));
    const QCommandLineOption Bild(QStringLiteral("bild"),
        QStringLiteral(
            "Den Graphen als Bild in <DATEI> schreiben und enden, ohne Fenster und ohne Anzeige. Die "
            "Endung wählt das Format (png, svg, pdf, jpg, …). Status 1, wenn die Datei nicht geschrieben werden "
            "kann, 2, wenn die Formel Fehler hat."),
        QStringLiteral("DATEI"));
    const QCommandLineOption Analyse(QStringLiteral("analyse"),
        QStringLiteral("Die Nullstellen, Hoch-, Tief- und Wendepunkte, Polstellen und Schnittpunkte der Kurven "
                       "ausgeben, eine Zeile je Punkt: Kurve, Art, x, y, durch Tabulatoren getrennt; ohne Fenster "
                       "und ohne Anzeige. Status 2, wenn eine Formel Fehler hat."));
    const QCommandLineOption Bereich_x(QStringLiteral("x"),
        QStringLiteral("Der Bereich von x, den der Graph zeigt, in der Gradansicht in Grad, etwa --x -10:10."),
        QStringLiteral("VON:BIS"));
    const QCommandLineOption Bereich_y(QStringLiteral("y"),
        QStringLiteral("Der Bereich von y, den der Graph zeigt, etwa --y -100:100."), QStringLiteral("VON:BIS"));
    parser.addOptions({ Grad, Bereich_x, Bereich_y, Bild, Analyse });
    parser.addPositionalArgument(QStringLiteral("FORMEL"),
        QStringLiteral("Die Formel, die gezeichnet wird, statt sin(X)+x^2*0.1."), QStringLiteral("[FORMEL]"));
    parser.process(app);
    about.processCommandLine(&parser);

    const QStringList Formeln = parser.positionalArguments();
    if (Formeln.size() > 1) {
        melden(QStringLiteral("nur eine Formel; eine Formel mit Leerzeichen gehört in Anführungszeichen"));
        return 1;
    }
    std::optional<Ansicht> Start = Startansicht(parser, !parser.isSet(Grad), Bereich_x, Bereich_y);
    if (!Start) {
        return 1;
    }
    if (Ohne_Anzeige && !parser.isSet(Bild) && !parser.isSet(Analyse)) {
        melden(QStringLiteral("keine Anzeige; mit --bild DATEI in eine Datei zeichnen"));
        return 1;
    }

    // The window deletes itself when it is closed.
    KdeW *top = new KdeW;
    if (!Formeln.isEmpty()) {
        top->Formel_vorgeben(Formeltext(Formeln.first()));
    }
    top->Ansicht_waehlen(Start->Bogenmass);
    top->Ansicht_vorgeben(*Start);
    if (parser.isSet(Bild) || parser.isSet(Analyse)) {
        const int Status = ohne_Fenster(*top, parser.value(Bild), parser.isSet(Analyse));
        delete top;
        return Status;
    }
    top->show();
    top->setBackground();
    return app.exec();
}
