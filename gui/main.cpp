// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "KdeKurvano.h"

#include <KAboutData>
#include <KLocalizedString>
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <csignal>

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
}

int main(int argc, char **argv)
{
    Standardkanaele_belegen();
    // A message to a pipe whose reader has gone must not end the program;
    // the failed write only sets std::cout's error state.
    std::signal(SIGPIPE, SIG_IGN);
    Formelinterpreter.setRAD(true);
    QApplication app(argc, argv);
    // The texts of KAboutData's own options come from this domain.
    KLocalizedString::setApplicationDomain("kurvano");

    // Bug reports go to the address in the window's caption, not to KDE.
    KAboutData about(QStringLiteral("kurvano"), QStringLiteral("Kurvano"), QStringLiteral(KURVANO_VERSION),
        QStringLiteral("Draws the graph of a formula in x"), KAboutLicense::GPL_V2,
        QStringLiteral("© 2026 Kurvano developers"), QString(), QString(), QStringLiteral("kurvano@example.org"));
    // The sources say GPL-2.0-or-later.
    about.setLicense(KAboutLicense::GPL_V2, KAboutLicense::OrLaterVersions);
    about.addAuthor(QStringLiteral("Kurvano developers"), QString(), QStringLiteral("kurvano@example.org"));
    about.setDesktopFileName(QStringLiteral("org.kde.kurvano"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kde.kurvano")));
    KAboutData::setApplicationData(about);

    QCommandLineParser parser;
    about.setupCommandLine(&parser);
    parser.process(app);
    about.processCommandLine(&parser);

    // The window deletes itself when it is closed.
    KdeW *top = new KdeW;
    top->show();
    top->setBackground();
    return app.exec();
}
