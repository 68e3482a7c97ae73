// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The window's keys without a menu: saving, copying and printing the
// picture with Ctrl+S, Ctrl+C and Ctrl+P.

#include "Bilddatei.h"
#include "Blatt.h"
#include "KdeKurvano.h"

#include <KMessageBox>
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {
// The formats the save dialog offers, each with the extension that a name
// without one gets; the extension chooses the format.
struct Dateiformat {
    const char *Filter;
    const char *Endung;
};
const Dateiformat FORMATE[] = { { "PNG-Bild (*.png)", ".png" }, { "SVG-Vektorbild (*.svg)", ".svg" },
    { "PDF-Blatt, A4 quer (*.pdf)", ".pdf" }, { "Andere Formate nach Endung (*)", ".png" } };
}

// An action of the window itself, not of a menu bar or a tool bar, so the
// picture stays as it is and the shortcut still works. The platform's
// standard keys follow the desktop's settings, as KDE's standard actions
// do, without the fifteen libraries those load at every start.
QAction *KdeW::Tastenaktion(const QString &Text, QKeySequence::StandardKey Taste)
{
    return Tastenaktion(Text, QKeySequence::keyBindings(Taste));
}

QAction *KdeW::Tastenaktion(const QString &Text, const QList<QKeySequence> &Tasten)
{
    QAction *Aktion = new QAction(Text, this);
    Aktion->setShortcuts(Tasten);
    addAction(Aktion);
    return Aktion;
}

void KdeW::Bildaktionen_anlegen()
{
    QAction *Speichern = Tastenaktion(QStringLiteral("Bild speichern …"), QKeySequence::Save);
    QAction *Kopieren = Tastenaktion(QStringLiteral("Bild kopieren"), QKeySequence::Copy);
    QAction *Drucken = Tastenaktion(QStringLiteral("Drucken …"), QKeySequence::Print);
    connect(Speichern, &QAction::triggered, this, &KdeW::Bild_speichern);
    connect(Kopieren, &QAction::triggered, this, &KdeW::Bild_kopieren);
    connect(Drucken, &QAction::triggered, this, &KdeW::Bild_drucken);
    Menuepunkte << Speichern << Kopieren << Drucken;
    // The entry claims the copy keys whether it has a selection or not.
    LEdit1->installEventFilter(this);
}

// Without a selection the entry's copy would do nothing; left unclaimed, the
// keys reach the window's action. True for an event of the entry that the
// window takes.
bool KdeW::Kopiertaste_abgeben(QEvent *Ereignis)
{
    return Ereignis->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(Ereignis)->matches(QKeySequence::Copy) && !LEdit1->hasSelectedText();
}

// The entry's formula is drawn first, so the file holds what the window shows.
void KdeW::Bild_speichern()
{
    Zeichnen();
    const Bildvorlage Grafik = Vorlage();
    QStringList Filter;
    for (const Dateiformat &Format : FORMATE) {
        Filter << QString::fromUtf8(Format.Filter);
    }
    QString Gewaehlt = Filter.first();
    QString Datei = QFileDialog::getSaveFileName(this, QStringLiteral("Bild speichern"), QStringLiteral("kurvano.png"),
        Filter.join(QStringLiteral(";;")), &Gewaehlt);
    if (Datei.isEmpty()) {
        return;
    }
    // A name without an extension gets that of the format chosen, as in
    // other KDE programs.
    if (QFileInfo(Datei).suffix().isEmpty()) {
        Datei += QString::fromLatin1(FORMATE[std::max(0, int(Filter.indexOf(Gewaehlt)))].Endung);
    }
    const QString Fehler = Bild_schreiben(Grafik, Datei);
    if (!Fehler.isEmpty()) {
        KMessageBox::error(this, Fehler, QStringLiteral("Bild speichern"));
    }
}

void KdeW::Bild_kopieren()
{
    Zeichnen();
    QGuiApplication::clipboard()->setImage(Bild());
}

// The sheet of a PDF file, on the page the dialog chose, A4 landscape
// unless another was.
void KdeW::Bild_drucken()
{
    Zeichnen();
    const Bildvorlage Grafik = Vorlage();
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setPageLayout(Blattlage());
    Drucker.setDocName(QStringLiteral("kurvano"));
    QPrintDialog Dialog(&Drucker, this);
    if (Dialog.exec() != QDialog::Accepted) {
        return;
    }
    Drucker.setResolution(Grafik.Dichte);
    if (!Blatt_drucken(Drucker, Grafik)) {
        const QString Ziel = Drucker.outputFileName().isEmpty() ? Drucker.printerName() : Drucker.outputFileName();
        KMessageBox::error(
            this, QStringLiteral("Das Blatt lässt sich nicht drucken: %1").arg(Ziel), QStringLiteral("Drucken"));
    }
}
