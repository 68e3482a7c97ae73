// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Saving and copying the picture from the window: Ctrl+S and Ctrl+C.

#include "Bilddatei.h"
#include "KdeKurvano.h"

#include <KMessageBox>
#include <KStandardAction>
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>

// Actions of the window itself, not of a menu bar or a tool bar, so the
// picture stays as it is and the shortcuts still work.
void KdeW::Bildaktionen_anlegen()
{
    QAction *Speichern = KStandardAction::save(this, SLOT(Bild_speichern()), this);
    Speichern->setText(QStringLiteral("Bild speichern …"));
    addAction(Speichern);
    QAction *Kopieren = KStandardAction::copy(this, SLOT(Bild_kopieren()), this);
    Kopieren->setText(QStringLiteral("Bild kopieren"));
    addAction(Kopieren);
    // The entry claims the copy keys whether it has a selection or not.
    LEdit1->installEventFilter(this);
}

// Without a selection the entry's copy would do nothing; left unclaimed, the
// keys reach the window's action.
bool KdeW::eventFilter(QObject *Objekt, QEvent *Ereignis)
{
    if (Objekt == LEdit1 && Ereignis->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(Ereignis)->matches(QKeySequence::Copy) && !LEdit1->hasSelectedText()) {
        return true;
    }
    return QMainWindow::eventFilter(Objekt, Ereignis);
}

// The entry's formula is drawn first, so the file holds what the window shows.
void KdeW::Bild_speichern()
{
    Zeichnen();
    const QImage Grafik = Bild();
    const QString Datei
        = QFileDialog::getSaveFileName(this, QStringLiteral("Bild speichern"), QStringLiteral("kurvano.png"));
    if (Datei.isEmpty()) {
        return;
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
