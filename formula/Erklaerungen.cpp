// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Erklaerungen.h"

#include "Formel_I.h"

#include <algorithm>
#include <string_view>
#include <utility>

const char ABGESCHNITTEN[] = "Formel nach 255 Zeichen abgeschnitten";

namespace {
// The formula is Latin-1; the texts are UTF-8.
std::string Utf8(std::string_view Latin1)
{
    std::string Text;
    for (const char c : Latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            Text += c;
        } else {
            Text += static_cast<char>(0xC0 | (b >> 6));
            Text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return Text;
}

std::string Zitat(std::string_view Latin1)
{
    return "„" + Utf8(Latin1) + "“";
}

bool istBuchstabe(char c)
{
    return c >= 'a' && c <= 'z';
}

// The tokens a function without a group should have kept outside its
// argument: a power, or the operator of a term or a sum.
bool beginntMitOperator(std::string_view Rest)
{
    return Rest.empty() || Rest.find_first_of("^+-*/:\xB2\xB3") == 0;
}

// "sin^2(x)" most likely means sin(x)^2: the power in front of a group that
// is the rest of the argument.
std::string Gemeint(std::string_view Name, std::string_view Rest)
{
    const std::size_t Klammer = Rest.find('(');
    const bool Hoch = !Rest.empty() && (Rest[0] == '^' || Rest[0] == '\xB2' || Rest[0] == '\xB3');
    if (!Hoch || Klammer == std::string_view::npos || Rest.back() != ')') {
        return "";
    }
    return " – gemeint ist wohl " + Utf8(Name) + Utf8(Rest.substr(Klammer)) + Utf8(Rest.substr(0, Klammer));
}

std::string Ohne_Klammer(std::string_view Text)
{
    const std::size_t Laenge = std::find_if_not(Text.begin(), Text.end(), istBuchstabe) - Text.begin();
    const std::string_view Name = Text.substr(0, Laenge);
    const std::string_view Rest = Text.substr(Laenge);
    if (!beginntMitOperator(Rest)) {
        return ""; // "sin2x" for sin(2x) is the language's own shorthand
    }
    return Utf8(Name) + " ohne Klammer nimmt den Rest: " + Utf8(Name) + "(" + Utf8(Rest) + ")" + Gemeint(Name, Rest);
}

// "|x|" means abs(x); the first "|" ends the formula all the same.
std::string Strich(std::string_view Rest)
{
    const std::size_t Zweiter = Rest.find('|', 1);
    const std::string Betrag
        = Zweiter == std::string_view::npos ? "" : " – Betrag: abs(" + Utf8(Rest.substr(1, Zweiter - 1)) + ")";
    return "„|“ beendet die Formel" + Betrag;
}

std::string Klammer_zu_viel(std::string_view Rest)
{
    if (Rest.size() == 1) {
        return "„)“ ohne „(“ wird übergangen";
    }
    return "„)“ ohne „(“ beendet die Formel: " + Zitat(Rest.substr(1)) + " bleibt unbeachtet";
}

// Whether a run of letters reads as known words: x, y, pi and the names of
// the functions, one after the other.
bool bekannteWoerter(std::string_view Text)
{
    if (Text.empty()) {
        return true;
    }
    if (Text[0] == 'x' || Text[0] == 'y') {
        return bekannteWoerter(Text.substr(1));
    }
    return Text == "pi" || Funktion_suchen(Text) >= 0;
}

// "sin x" loses its blank and becomes the unknown "sinx": a known start and
// a rest that reads on its own. The longest known start wins ("asinx").
std::string Zusammengeschrieben(std::string_view Name)
{
    for (std::size_t Laenge = Name.size() - 1; Laenge > 0; --Laenge) {
        const std::string_view Anfang = Name.substr(0, Laenge);
        const std::string_view Rest = Name.substr(Laenge);
        const bool Funktion = Funktion_suchen(Anfang) >= 0;
        if ((Funktion || Anfang == "pi") && bekannteWoerter(Rest)) {
            // A function as the rest needs an argument of its own too.
            const std::string Argument = Utf8(Rest) + (Funktion_suchen(Rest) >= 0 ? "(x)" : "");
            const std::string Richtig = Funktion ? Utf8(Anfang) + "(" + Argument + ")" : Utf8(Anfang) + "*" + Argument;
            return Zitat(std::string(Anfang) + " " + std::string(Rest)) + " wird " + Zitat(Name) + " – schreibe "
                + Richtig;
        }
    }
    return "";
}

// Whether a and b differ in one letter: one changed, added or left out, or
// two neighbours swapped.
bool einBuchstabeAnders(std::string_view a, std::string_view b)
{
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    const std::size_t i = std::mismatch(b.begin(), b.end(), a.begin()).first - b.begin();
    if (a.size() == b.size() + 1) {
        return a.substr(i + 1) == b.substr(i);
    }
    if (a.size() != b.size() || i == a.size()) {
        return false;
    }
    const bool Getauscht = i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i];
    return a.substr(i + (Getauscht ? 2 : 1)) == b.substr(i + (Getauscht ? 2 : 1));
}

std::string Aehnlicher_Name(std::string_view Name)
{
    for (const Funktion &f : Funktionen) {
        if (einBuchstabeAnders(Name, f.Name)) {
            return "meinten Sie " + Zitat(f.Name) + "?";
        }
    }
    return einBuchstabeAnders(Name, "pi") ? "meinten Sie „pi“?" : "";
}
} // namespace

std::string Lesart_erklaeren(const Mathe &m, const Lesehinweis &Hinweis)
{
    const std::string_view Text(m.Formel + Hinweis.Anfang, Hinweis.Ende - Hinweis.Anfang);
    switch (Hinweis.Art) {
    case Lesart::Zwei_Operatoren:
        return Zitat(Text) + " gelesen als " + Zitat(Text.substr(Text.size() - 1));
    case Lesart::Operator_am_Anfang:
        return Zitat(Text) + " am Anfang rechnet mit 0 davor";
    case Lesart::Klammer_offen:
        return "„(“ wird nie geschlossen: die Klammer reicht bis zum Ende";
    case Lesart::Klammer_zu_viel:
        return Klammer_zu_viel(Text);
    case Lesart::Strich:
        return Strich(Text);
    case Lesart::Ohne_Klammer:
        return Ohne_Klammer(Text);
    case Lesart::Leerzeichen_in_Zahl:
        return "Leerzeichen in einer Zahl: gelesen als " + Utf8(Text);
    case Lesart::Punkt_ohne_Ziffer: {
        const std::size_t Zahl = std::string_view(m.Formel, Hinweis.Anfang).find_last_not_of("0123456789") + 1;
        return Zitat(std::string_view(m.Formel + Zahl, Hinweis.Ende - Zahl))
            + " ohne Ziffer nach dem Komma wird mit dem Folgenden malgenommen";
    }
    case Lesart::Operator_am_Ende:
    case Lesart::Y:
        break;
    }
    return "";
}

std::vector<std::string> Lesarten_erklaeren(const Mathe &m)
{
    std::vector<Lesehinweis> Hinweise;
    for (int Nr = 0; Nr < m.Hinweisanzahl(); ++Nr) {
        Hinweise.push_back(m.Hinweis_Nr(Nr));
    }
    std::stable_sort(Hinweise.begin(), Hinweise.end(), [](const Lesehinweis &a, const Lesehinweis &b) {
        return a.Anfang < b.Anfang;
    });
    std::vector<std::string> Texte;
    for (const Lesehinweis &Hinweis : Hinweise) {
        std::string Text = Lesart_erklaeren(m, Hinweis);
        if (!Text.empty()) {
            Texte.push_back(std::move(Text));
        }
    }
    return Texte;
}

std::string Fehler_erklaeren(const Mathe &m, int Nr)
{
    const Fehlerangabe Fehler = m.Fehler_Nr(Nr);
    if (Fehler.Art != Fehlerart::Unbekannt) {
        return "";
    }
    const std::string_view Name(m.Formel + Fehler.Stelle, Fehler.Laenge);
    if (Name == "e") {
        return m.Formel[Fehler.Stelle + 1] == '^' ? "„e^x“ schreibt man expn(x)" : "e schreibt man expn(1)";
    }
    if (Name == "?") {
        return "„?“: nur Zeichen aus Latin-1 – schreibe sqrt(x), pi";
    }
    if (!istBuchstabe(Name[0])) {
        return "";
    }
    const std::string Getrennt = Zusammengeschrieben(Name);
    return Getrennt.empty() ? Aehnlicher_Name(Name) : Getrennt;
}
