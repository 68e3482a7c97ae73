// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Plattform.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

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
        std::_Exit(1);
    }
    Gesammelt << Meldung { Art, Zusammenhang.category, Text };
}
}

bool Plattform_waehlen(int argc, char **argv)
{
    if (ohne_Anzeige_verlangt(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return false;
    }
    if (gesetzt("QT_QPA_PLATFORM") || gesetzt("DISPLAY") || gesetzt("WAYLAND_DISPLAY")) {
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
