// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "KdeKurvano.h"

#include <KAboutData>
#include <KLocalizedString>
#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv)
{
    Formelinterpreter.setRAD(true);
    QApplication app(argc, argv);
    // The texts of KAboutData's own options come from this domain.
    KLocalizedString::setApplicationDomain("kurvano");

    KAboutData about(QStringLiteral("kurvano"), QStringLiteral("Kurvano"), QStringLiteral(KURVANO_VERSION),
        QStringLiteral("Draws the graph of a formula in x"), KAboutLicense::GPL_V2,
        QStringLiteral("© 2026 Kurvano developers"));
    about.setDesktopFileName(QStringLiteral("org.kde.kurvano"));
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
