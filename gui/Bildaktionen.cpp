// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The window's keys without a menu: saving and copying the picture with
// Ctrl+S and Ctrl+C.

#include "Bilddatei.h"
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

// An action of the window itself, not of a menu bar or a tool bar, so the
// picture stays as it is and the shortcut still works. The platform's
// standard keys follow the desktop's settings, as KDE's standard actions
// do, without the fifteen libraries those load at every start.
QAction *KdeW::Tastenaktion(const QString &Text, QKeySequence::StandardKey Taste)
{
    QAction *Aktion = new QAction(Text, this);
    Aktion->setShortcuts(Taste);
    addAction(Aktion);
    return Aktion;
}

QAction *KdeW::Tastenaktion(const QString &Text, const QKeySequence &Taste)
{
    QAction *Aktion = new QAction(Text, this);
    Aktion->setShortcut(Taste);
    addAction(Aktion);
    return Aktion;
}

void KdeW::Bildaktionen_anlegen()
{
    Menuepunkte << Tastenaktion(QStringLiteral("Bild speichern …"), QKeySequence::Save)
                << Tastenaktion(QStringLiteral("Bild kopieren"), QKeySequence::Copy);
    connect(Menuepunkte[Menuepunkte.size() - 2], &QAction::triggered, this, &KdeW::Bild_speichern);
    connect(Menuepunkte.last(), &QAction::triggered, this, &KdeW::Bild_kopieren);
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
    const QImage Grafik = Bild();
    QString Datei = QFileDialog::getSaveFileName(this, QStringLiteral("Bild speichern"), QStringLiteral("kurvano.png"));
    if (Datei.isEmpty()) {
        return;
    }
    // A name without an extension is a PNG, as in other KDE programs.
    if (QFileInfo(Datei).suffix().isEmpty()) {
        Datei += QStringLiteral(".png");
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
