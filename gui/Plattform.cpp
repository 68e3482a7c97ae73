// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Plattform.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {
bool gesetzt(const char *Variable)
{
    return !qEnvironmentVariableIsEmpty(Variable);
}

// --bild, --analyse, and what QCommandLineParser and KAboutData answer without
// a window.
bool ohne_Anzeige_verlangt(int argc, char **argv)
{
    const QList<QByteArray> Optionen { "--bild", "--analyse", "-h", "--help", "--help-all", "-v", "--version",
        "--author", "--license" };
    for (int i = 1; i < argc; ++i) {
        const QByteArray Argument(argv[i]);
        if (Argument == "--") {
            break;
        }
        if (Optionen.contains(Argument) || Argument.startsWith("--bild=")) {
            return true;
        }
    }
    return false;
}

// Qt looks into the runtime directory as the platform starts. Where
// XDG_RUNTIME_DIR is not set, as for root in a container or over ssh, it
// warns on standard error and falls back to a directory in /tmp that another
// run, or another program, may have made. An offscreen run gets one of its
// own instead: mkdtemp makes it for the user alone, and it goes at exit with
// whatever was put in it. Where none can be made, Qt's warning says why.
class Laufzeitordner
{
public:
    ~Laufzeitordner()
    {
        entfernen();
    }
    void anlegen()
    {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            return;
        }
        std::error_code Fehler;
        std::string Vorlage = (std::filesystem::temp_directory_path(Fehler) / "kurvano-XXXXXX").string();
        if (!Fehler && mkdtemp(Vorlage.data())) {
            Pfad = Vorlage;
            qputenv("XDG_RUNTIME_DIR", Pfad.c_str());
        }
    }
    // Plain C++: it runs after Qt's own objects are gone.
    void entfernen()
    {
        if (!Pfad.empty()) {
            std::error_code Fehler;
            std::filesystem::remove_all(Pfad, Fehler);
            Pfad.clear();
        }
    }

private:
    std::string Pfad;
};

Laufzeitordner Eigener;

void offscreen_waehlen()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Eigener.anlegen();
}

struct Meldung {
    QtMsgType Art;
    QByteArray Kategorie;
    QString Text;
};

QtMessageHandler Vorheriger = nullptr;
QList<Meldung> Gesammelt;

// The first warning says why, such as "could not connect to display :9";
// Qt's own fatal text only tells that no platform could start.
void sammeln(QtMsgType Art, const QMessageLogContext &Zusammenhang, const QString &Text)
{
    if (Art == QtFatalMsg) {
        QString Grund = Text;
        for (const Meldung &Frueher : Gesammelt) {
            if (Frueher.Art == QtWarningMsg || Frueher.Art == QtCriticalMsg) {
                Grund = Frueher.Text;
                break;
            }
        }
        std::fprintf(stderr, "kurvano: die Anzeige lässt sich nicht öffnen: %s\n",
            qPrintable(Grund.section(QLatin1Char('\n'), 0, 0)));
        Eigener.entfernen();
        std::_Exit(1);
    }
    Gesammelt << Meldung { Art, Zusammenhang.category, Text };
}
}

bool Plattform_waehlen(int argc, char **argv)
{
    if (ohne_Anzeige_verlangt(argc, argv)) {
        offscreen_waehlen();
        return false;
    }
    if (gesetzt("QT_QPA_PLATFORM") || gesetzt("DISPLAY") || gesetzt("WAYLAND_DISPLAY")) {
        return false;
    }
    offscreen_waehlen();
    return true;
}

void Plattformstart_bewachen()
{
    Vorheriger = qInstallMessageHandler(sammeln);
}

void Plattformstart_beendet()
{
    qInstallMessageHandler(Vorheriger);
    for (const Meldung &Nachgereicht : qAsConst(Gesammelt)) {
        Vorheriger(Nachgereicht.Art, QMessageLogContext(nullptr, 0, nullptr, Nachgereicht.Kategorie.constData()),
            Nachgereicht.Text);
    }
    Gesammelt.clear();
}
