// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FORMELVERLAUF_H
#define FORMELVERLAUF_H

#include <QString>
#include <QStringList>

#include <optional>

// The formulas drawn since the window opened, for Up and Down in the entry
// as in a shell: newest first, and past the newest back to what was being
// typed. Kept in memory only; Kurvano keeps no settings.
class Formelverlauf
{
public:
    // A formula drawn. The same one twice in a row is kept once, the empty
    // one not at all, and of the oldest only as many as MAX_FORMELN allows:
    // a long session must not grow without end.
    void merken(const QString &Formel);
    static const int MAX_FORMELN = 200;
    // The formula before the one shown, Aktuell being the entry's text;
    // nothing before the oldest.
    std::optional<QString> zurueck(const QString &Aktuell);
    // The formula after the one shown, after the newest the text typed;
    // nothing while that text shows.
    std::optional<QString> vor();

private:
    QStringList Formeln;
    int Stelle = 0; // Formeln.size() while the typed text shows
    QString Entwurf;
};

#endif
