// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The samples fall into stretches where f has a value; between them f has
// none (NaN) or is infinite. In each stretch, f, f' and f'' change sign
// between two neighbouring samples, or pass through 0 at one sample: the
// candidates. They are then taken from left to right and narrowed, each to
// the point of its kind or to a pole, until a kind has more points than
// are listed.

#include "Punktsuche.h"

#include "Einordnung.h"
#include "Nachweis.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace {
// Points of a kind that show that more exist than are listed.
const int Mehr_als_gelistet = MAX_PUNKTE_JE_ART + 1;

// Points of a kind no more than this many doubles apart are one: two
// candidates may narrow to either double beside it, or to the double with
// f = 0 and the one beside it.
const std::uint64_t Wenige_Doubles = 4;

// What rounding leaves of a constant in its derivatives, relative to it.
const double Rundung = 1e3 * std::numeric_limits<double>::epsilon();

// Evaluations beyond the samples, for the whole analysis: plenty for a
// hundred points of each kind, bounded for formulas with countless ones.
long Budget(const Bereich &b)
{
    return 2L * (b.Schritte + 1) + 8192;
}

// A change of sign of f, f' or f'' (Stufe) between Links and Rechts
// (Wechsel), a point between them where it is 0 or has no value (Genau), or
// a pole found without narrowing (Pol): a sample where f is infinite, or
// an edge of the domain.
struct Kandidat {
    enum Art : unsigned char { Wechsel, Genau, Pol };
    Art Sorte;
    unsigned char Stufe;
    Stelle Links;
    Stelle Mitte;
    Stelle Rechts;
};

// How the sign of one quantity went so far: the last sample with a sign,
// that sign, and how many samples since were 0 or had no value.
struct Vorzeichenlauf {
    int Letzte = -1;
    bool Negativ = false;
    int Luecke = 0;
};

// A stretch of samples with values, with a point of its own at either end
// where Rand found one: the edge of the domain, or a point halfway to a
// pole.
struct Folge {
    const std::vector<Abgeleitet> &Proben;
    const Bereich &b;
    int Von;
    int Bis;
    bool MitLinks = false;
    bool MitRechts = false;
    Stelle Links {};
    Stelle Rechts {};

    int Laenge() const
    {
        return Bis - Von + 1 + MitLinks + MitRechts;
    }
    Stelle an(int p) const
    {
        const int Nr = Von + p - MitLinks;
        if (Nr < Von) {
            return Links;
        }
        return Nr > Bis ? Rechts : Stelle { Gitterpunkt(b, Nr), Proben[Nr] };
    }
    const Abgeleitet &Wert(int p) const
    {
        const int Nr = Von + p - MitLinks;
        if (Nr < Von) {
            return Links.f;
        }
        return Nr > Bis ? Rechts.f : Proben[Nr];
    }
};

// Whether one of the sorted places lies in [Von, Bis].
bool liegt_zwischen(const std::vector<double> &Orte, double Von, double Bis)
{
    const auto Erster = std::lower_bound(Orte.begin(), Orte.end(), Von);
    return Erster != Orte.end() && *Erster <= Bis;
}

void einfuegen(std::vector<double> &Orte, double x)
{
    Orte.insert(std::upper_bound(Orte.begin(), Orte.end(), x), x);
}

class Punktsuche
{
public:
    Punktsuche(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b, bool Alle)
        : Proben(Proben)
        , b(b)
        , f(f, Budget(b))
        , Alle(Alle)
        , Letzter(std::min(static_cast<int>(Proben.size()) - 1, b.Schritte))
    {
    }

    Diskussion Ergebnis();

private:
    void Stuecke_suchen();
    void Stueck(int Von, int Bis);
    bool verrauscht(const Folge &s, int Stufe) const;
    bool Pol_bei(int Nr) const;
    bool Rand(Folge &s, bool Links);
    void Vorzeichen_verfolgen(const Folge &s);
    void Schritt(const Folge &s, Vorzeichenlauf &l, int Stufe, int p, const Abgeleitet &a);
    void merken(Kandidat::Art Sorte, int Stufe, const Folge &s, int Links, int Mitte, int Rechts);
    bool erklaert_daneben(const Folge &s, int Links, int Rechts, int Stufe) const;

    void bearbeiten(const Kandidat &k);
    void eingrenzen(const Kandidat &k, bool Beiseite = true);
    void an_Mitte(const Kandidat &k);
    void Punkt(const Kandidat &k, const Stelle &m);
    bool stetig(const Kandidat &k, const Stelle &m, const Stelle &Vor, const Stelle &Nach) const;
    bool flach(const Kandidat &k, const Stelle &m);
    void Extremum(const Kandidat &k, const Stelle &m, double d);
    void Pol(double x);
    void dazu(Punktart Art, const Stelle &m);
    bool gesucht(const Kandidat &k);
    bool offen(Punktart Art) const;

    const std::vector<Abgeleitet> &Proben;
    const Bereich &b;
    Nachrechnung f;
    const bool Alle;
    const int Letzter; // the last sample

    std::vector<Kandidat> Kandidaten;
    std::vector<Kurvenpunkt> Punkte;
    std::vector<double> Pole; // sorted
    std::vector<double> Nullstellen; // sorted
    int Anzahl[AnzahlPunktarten] = {};
    bool Abgebrochen[AnzahlPunktarten] = {}; // the budget ran out with candidates left
    double Verdacht = std::numeric_limits<double>::quiet_NaN(); // where a pole is taken for granted
};

Punktart Extremumart(const Kandidat &k)
{
    return k.Links.f.Erste > 0 ? Punktart::Hochpunkt : Punktart::Tiefpunkt;
}

// Where f (or f') falls on both sides of its change while its samples rise,
// or the other way round, it jumps through infinity: a pole.
bool polartig(const Kandidat &k)
{
    const double Anstieg = Ableitung(k.Rechts.f, k.Stufe) - Ableitung(k.Links.f, k.Stufe);
    return k.Stufe < 2 && Ableitung(k.Links.f, k.Stufe + 1) * Anstieg < 0
        && Ableitung(k.Rechts.f, k.Stufe + 1) * Anstieg < 0;
}

// The kind of point a candidate most likely gives.
Punktart Vermutung(const Kandidat &k)
{
    if (polartig(k)) {
        return Punktart::Polstelle;
    }
    return k.Stufe == 0 ? Punktart::Nullstelle : (k.Stufe == 1 ? Extremumart(k) : Punktart::Wendepunkt);
}

// Whether f can reach 0 between the candidate's ends at the slopes it has
// there, as it does near an extremum that touches 0.
bool kann_beruehren(const Kandidat &k)
{
    const double Breite = k.Rechts.x - k.Links.x;
    return std::abs(k.Links.f.Wert) <= std::abs(k.Links.f.Erste) * Breite
        && std::abs(k.Rechts.f.Wert) <= std::abs(k.Rechts.f.Erste) * Breite;
}

// The larger |f| of the samples around a candidate.
double Bezug(const Kandidat &k)
{
    return std::fmax(std::abs(k.Links.f.Wert), std::abs(k.Rechts.f.Wert));
}

// ---------------------------------------------------------------- candidates

void Punktsuche::Stuecke_suchen()
{
    for (int i = 0; i <= Letzter;) {
        if (std::isfinite(Proben[i].Wert)) {
            int j = i;
            while (j < Letzter && std::isfinite(Proben[j + 1].Wert)) {
                ++j;
            }
            Stueck(i, j);
            i = j + 1;
            continue;
        }
        if (Pol_bei(i)) {
            const Stelle s { Gitterpunkt(b, i), Proben[i] };
            Kandidaten.push_back({ Kandidat::Pol, 0, s, s, s });
        }
        ++i;
    }
}

// An infinite sample between samples that are not is a pole there, as 1/x
// at 0; a run of them is a stretch where f overflows.
bool Punktsuche::Pol_bei(int Nr) const
{
    const auto unendlich = [this](int i) {
        return i >= 0 && i <= Letzter && std::isinf(Proben[i].Wert);
    };
    return unendlich(Nr) && !unendlich(Nr - 1) && !unendlich(Nr + 1);
}

// Adds a point beside the stretch where the sample beyond it is a pole or
// has no value: halfway to the pole, so that a point one step from it, as
// the zero of ln(x) at 1 in whole degrees, lies between two samples; or the
// edge of the domain, narrowed, which is also classed. One sample without
// a value between samples with one is a hole, as sin(x)/x has at 0, not an
// edge: near it f may be what underflow leaves of it.
bool Punktsuche::Rand(Folge &s, bool Links)
{
    const int Aussen = Links ? s.Von - 1 : s.Bis + 1;
    const int Innen = Links ? s.Von : s.Bis;
    const int Dahinter = Links ? Aussen - 1 : Aussen + 1;
    Stelle &Neu = Links ? s.Links : s.Rechts;
    if (Aussen < 0 || Aussen > Letzter) {
        return false;
    }
    const double Ohne = Gitterpunkt(b, Aussen);
    const Stelle Probe { Gitterpunkt(b, Innen), Proben[Innen] };
    if (Pol_bei(Aussen) && !f.erschoepft()) {
        Neu = f.an(Probe.x + (Ohne - Probe.x) / 2);
        return std::isfinite(Neu.f.Wert);
    }
    if (!std::isnan(Proben[Aussen].Wert)
        || (Dahinter >= 0 && Dahinter <= Letzter && std::isfinite(Proben[Dahinter].Wert))) {
        return false;
    }
    const Stelle r = Rand_eingrenzen(f, Ohne, Probe);
    // Beside an edge right at the sample, the next sample tells how f goes.
    const int Vergleich = r.x != Probe.x ? Innen : (Links ? Innen + 1 : Innen - 1);
    if (Vergleich < s.Von || Vergleich > s.Bis) {
        return false;
    }
    const Randart Art = Rand_einordnen(f, r, Ohne, { Gitterpunkt(b, Vergleich), Proben[Vergleich] });
    if (Art != Randart::Nichts) {
        Kandidaten.push_back({ Art == Randart::Polstelle ? Kandidat::Pol : Kandidat::Genau, 0, r, r, r });
    }
    Neu = r;
    return r.x != Probe.x && std::isfinite(r.f.Wert);
}

void Punktsuche::Stueck(int Von, int Bis)
{
    Folge s { Proben, b, Von, Bis };
    s.MitLinks = Rand(s, true);
    s.MitRechts = Rand(s, false);
    const std::size_t Anfang = Kandidaten.size();
    Vorzeichen_verfolgen(s);
    for (const int Stufe : { 1, 2 }) {
        const auto Neu = Kandidaten.begin() + static_cast<std::ptrdiff_t>(Anfang);
        const auto dieser_Stufe = [Stufe](const Kandidat &k) {
            return k.Stufe == Stufe;
        };
        if (std::any_of(Neu, Kandidaten.end(), dieser_Stufe) && verrauscht(s, Stufe)) {
            Kandidaten.erase(std::remove_if(Neu, Kandidaten.end(), dieser_Stufe), Kandidaten.end());
        }
    }
}

// Where f' or f'' of a whole stretch is no more than what rounding leaves
// of a constant, as in sin(x)^2+cos(x)^2, their changes of sign are noise.
// Both are measured by what they change f over the whole range.
bool Punktsuche::verrauscht(const Folge &s, int Stufe) const
{
    double f = 0;
    double g = 0;
    for (int p = 0; p < s.Laenge(); ++p) {
        f = std::max(f, std::abs(s.Wert(p).Wert));
        g = std::max(g, std::abs(Ableitung(s.Wert(p), Stufe)));
    }
    return g * std::pow(b.Bis - b.Von, Stufe) <= Rundung * f;
}

// The signs of f, f' and f'' of a sample as bits: bit i where quantity i
// is neither 0 nor NaN, bit 3 + i where it is negative.
unsigned Muster(const Abgeleitet &a)
{
    const auto Bits = [](double g, int i) {
        return static_cast<unsigned>(g != 0 && g == g) << i | static_cast<unsigned>(std::signbit(g)) << (i + 3);
    };
    return Bits(a.Wert, 0) | Bits(a.Erste, 1) | Bits(a.Zweite, 2);
}

// Most samples change nothing: in every quantity they have the sign of the
// sample before, or are 0 again where no sign went before or a run of 0 is
// long enough to hide any change. One comparison of their bits passes them;
// the last sample with a sign is brought up to date only at the next one
// that changes something, and only where there is one: after a sample that
// is a zero of its own, +0 or -0 (0 * (0-2) is -0), none is, and the
// samples passed since had no sign.
void Punktsuche::Vorzeichen_verfolgen(const Folge &s)
{
    const int Stufen = Alle ? 3 : 2;
    Vorzeichenlauf Lauf[3];
    unsigned Stand = ~0u; // the bits of a sample that changes nothing
    unsigned Maske = 0; // those of them that matter
    const auto weiter = [&](int p, const Abgeleitet &a) {
        if ((Muster(a) & Maske) == Stand) {
            return;
        }
        for (int Stufe = 0; Stufe < Stufen; ++Stufe) {
            if (Stand != ~0u && Lauf[Stufe].Luecke == 0 && Lauf[Stufe].Letzte >= 0) {
                Lauf[Stufe].Letzte = p - 1;
            }
            Schritt(s, Lauf[Stufe], Stufe, p, a);
        }
        Stand = 0;
        Maske = 0;
        for (int Stufe = 0; Stufe < Stufen && Stand != ~0u; ++Stufe) {
            const Vorzeichenlauf &l = Lauf[Stufe];
            const unsigned Gueltig = 1u << Stufe;
            const unsigned Negativ = 8u << Stufe;
            if (l.Letzte >= 0 && l.Luecke == 0) {
                Stand |= Gueltig | (l.Negativ ? Negativ : 0u);
                Maske |= Gueltig | Negativ;
            } else if (l.Letzte < 0 || l.Luecke >= 2) {
                Maske |= Gueltig;
            } else {
                Stand = ~0u;
            }
        }
    };
    int p = 0;
    if (s.MitLinks) {
        weiter(p++, s.Links.f);
    }
    for (int Nr = s.Von; Nr <= s.Bis; ++Nr) {
        weiter(p++, Proben[Nr]);
    }
    if (s.MitRechts) {
        weiter(p, s.Rechts.f);
    }
}

// A change of sign between neighbours is narrowed later. One sample of 0
// between opposite signs is the point itself; a run of them is a piece
// where the quantity vanishes: no point of that kind lies there. Where f
// is 0 without changing its sign it has an extremum, which finds the zero.
void Punktsuche::Schritt(const Folge &s, Vorzeichenlauf &l, int Stufe, int p, const Abgeleitet &a)
{
    const double g = Ableitung(a, Stufe);
    // A sample that is a zero of f with a slope, as x^3-x has on every whole
    // degree from -1 to 1, is a crossing of its own, also in a run of them.
    if (Stufe == 0 && g == 0 && a.Erste != 0 && std::isfinite(a.Erste)) {
        merken(Kandidat::Genau, Stufe, s, p, p, p);
        l = Vorzeichenlauf();
        return;
    }
    if (g == 0 || g != g) {
        ++l.Luecke;
        return;
    }
    const bool Negativ = std::signbit(g);
    if (l.Letzte >= 0 && Negativ != l.Negativ && l.Luecke <= 1) {
        merken(l.Luecke == 0 ? Kandidat::Wechsel : Kandidat::Genau, Stufe, s, l.Letzte, p - l.Luecke, p);
    }
    l.Letzte = p;
    l.Negativ = Negativ;
    l.Luecke = 0;
}

// The support points by their place in the stretch. A change of sign lies
// between Links and Mitte, which is Rechts as well.
void Punktsuche::merken(Kandidat::Art Sorte, int Stufe, const Folge &s, int Links, int Mitte, int Rechts)
{
    if (Stufe > 0 && !erklaert_daneben(s, Links, Rechts, Stufe)) {
        return;
    }
    Kandidaten.push_back({ Sorte, static_cast<unsigned char>(Stufe), s.an(Links), s.an(Mitte), s.an(Rechts) });
}

// An extremum or inflection point changes f or f' beside it as f' or f''
// says, on one side at least: a change of sign of f' or f'' between
// samples where neither side shows that is rounding, and not worth
// narrowing. Where the stretch has no step beside it, it is kept.
bool Punktsuche::erklaert_daneben(const Folge &s, int Links, int Rechts, int Stufe) const
{
    const bool Davor = Links > 0;
    const bool Danach = Rechts + 1 < s.Laenge();
    return (!Davor && !Danach) || (Davor && erklaert(s.an(Links - 1), s.an(Links), Stufe))
        || (Danach && erklaert(s.an(Rechts), s.an(Rechts + 1), Stufe));
}

// ---------------------------------------------------------------- narrowing

bool Punktsuche::offen(Punktart Art) const
{
    return Anzahl[static_cast<int>(Art)] < Mehr_als_gelistet;
}

// Whether narrowing the candidate may still give a point that is wanted: a
// point of its kind, a zero where an extremum may touch 0, or a pole. Once
// no more poles are wanted, a change of sign that looks like one is taken
// for one, and so is the change of f'' beside it.
bool Punktsuche::gesucht(const Kandidat &k)
{
    const bool Pole_gesucht = Alle && offen(Punktart::Polstelle);
    if (k.Sorte == Kandidat::Pol) {
        return Pole_gesucht;
    }
    const bool Wechsel = k.Sorte == Kandidat::Wechsel;
    if (Wechsel && (polartig(k) || (k.Stufe == 2 && k.Links.x == Verdacht))) {
        Verdacht = k.Links.x;
        return Pole_gesucht;
    }
    const bool Pol = Wechsel && Pole_gesucht;
    switch (k.Stufe) {
    case 0:
        return Pol || offen(Punktart::Nullstelle);
    case 1:
        return Pol || (Alle && offen(Extremumart(k))) || (offen(Punktart::Nullstelle) && kann_beruehren(k));
    default:
        return Pol || offen(Punktart::Wendepunkt);
    }
}

void Punktsuche::bearbeiten(const Kandidat &k)
{
    if (!gesucht(k) || liegt_zwischen(Pole, k.Links.x, k.Rechts.x)) {
        return;
    }
    switch (k.Sorte) {
    case Kandidat::Pol:
        if (!Luecke(f, k.Mitte.x, Schrittweite(b))) {
            Pol(k.Mitte.x);
        }
        return;
    case Kandidat::Genau:
        if (!flach(k, k.Mitte)) {
            an_Mitte(k);
        }
        return;
    case Kandidat::Wechsel:
        eingrenzen(k);
        return;
    }
}

// The point at the candidate's Mitte, a sample or the point that narrowing
// hit, where the quantity is 0 or has no value. Where f' or f'' has no
// value there, between samples of opposite signs, the change may lie
// beside it, as its signs on the nearest points either side where it has
// one tell: the maximum of a wild formula lies at -0.0004 beside a sample
// at 0 where its slope has no value. Where they have the signs of the
// samples beyond, the point is Mitte, a kink such as that of asind(cosd(x))
// at 0, if f (or f') is at its most there; where the quantity has no value
// on either side, there is none.
void Punktsuche::an_Mitte(const Kandidat &k)
{
    if (k.Stufe == 0 || !std::isnan(Ableitung(k.Mitte.f, k.Stufe))) {
        Punkt(k, k.Mitte);
        return;
    }
    const double Viertel = Schrittweite(b) / 4;
    const Stelle Links = naechster_Wert(f, k.Mitte.x, -1, k.Stufe, Viertel);
    const Stelle Rechts = naechster_Wert(f, k.Mitte.x, 1, k.Stufe, Viertel);
    const auto negativ = [&k](const Stelle &s) {
        return Ableitung(s.f, k.Stufe) < 0;
    };
    if (Links.x == k.Mitte.x || Rechts.x == k.Mitte.x) {
        return;
    }
    if (negativ(Links) != negativ(k.Links)) {
        eingrenzen({ Kandidat::Wechsel, k.Stufe, k.Links, Links, Links }, false);
    } else if (negativ(Rechts) != negativ(k.Rechts)) {
        eingrenzen({ Kandidat::Wechsel, k.Stufe, Rechts, k.Rechts, k.Rechts }, false);
    } else {
        const double Spitze = negativ(k.Links) ? -1 : 1;
        const auto Hoehe = [&k](const Stelle &s) {
            return Ableitung(s.f, k.Stufe - 1);
        };
        if ((Hoehe(k.Mitte) - Hoehe(Links)) * Spitze >= 0 && (Hoehe(k.Mitte) - Hoehe(Rechts)) * Spitze >= 0) {
            Punkt(k, k.Mitte);
        }
    }
}

// The larger step of f, f' or f'' (Stufe) from m to the doubles beside it,
// so that m itself may be a spike.
double Sprung(const Stelle &Vor, const Stelle &m, const Stelle &Nach, int Stufe)
{
    const double g = Ableitung(m.f, Stufe);
    return std::fmax(std::abs(Ableitung(Vor.f, Stufe) - g), std::abs(Ableitung(Nach.f, Stufe) - g));
}

// The point of the kind that the candidate's quantity vanishes at; where
// f is infinite there, a pole.
void Punktsuche::Punkt(const Kandidat &k, const Stelle &m)
{
    if (std::isinf(m.f.Wert)) {
        Pol(m.x);
        return;
    }
    if (std::isnan(m.f.Wert)) {
        return;
    }
    const Stelle Vor = f.an(Nachbar(m.x, false));
    const Stelle Nach = f.an(Nachbar(m.x, true));
    if (!stetig(k, m, Vor, Nach)) {
        return;
    }
    if (k.Stufe == 0) {
        // A narrowed change; a sample of 0 or an edge of the domain found
        // by Rand_einordnen is a zero as it is. A change is one where f
        // crosses 0 continuously a little way out: the samples around it
        // are no measure, as beside a pole where f' has no value, with
        // samples of 1e53 and -6e19, a step of 1e15 across the pole is next
        // to nothing of them.
        const double Schritt = Sprung(Vor, m, Nach, 0);
        if (k.Sorte != Kandidat::Wechsel || m.f.Wert == 0 || kreuzt(f, m, Schritt, Schrittweite(b))) {
            dazu(Punktart::Nullstelle, m);
        }
        return;
    }
    const double d = Sichtweite(f, m, Schrittweite(b), k.Stufe, Ableitung(k.Links.f, k.Stufe) > 0);
    if (d == 0) {
        return;
    }
    if (k.Stufe == 1) {
        Extremum(k, m, d);
        return;
    }
    dazu(Punktart::Wendepunkt, m);
}

// Where f jumps at m, between Vor, the double before it, and Nach, the
// double after it, the change of sign there is no point (atan(1/(x-1)) at
// 1); where f' jumps or overflows, a kink of f, no inflection point, as f'
// has no extremum there. A point needs values on both sides, so none lies
// at an edge of the domain, where only Rand_einordnen finds zeros, nor
// beside a double without a value where the domain is frayed.
bool Punktsuche::stetig(const Kandidat &k, const Stelle &m, const Stelle &Vor, const Stelle &Nach) const
{
    // A sample that is a zero of its own, or an edge of the domain, is its
    // candidate's only support.
    const bool gestuetzt = k.Links.x != k.Rechts.x;
    const auto springt_bei = [&](int Stufe) {
        const double Spanne = std::fmax(std::abs(Ableitung(k.Links.f, Stufe) - Ableitung(m.f, Stufe)),
            std::abs(Ableitung(k.Rechts.f, Stufe) - Ableitung(m.f, Stufe)));
        return gestuetzt && springt(Sprung(Vor, m, Nach, Stufe), Spanne);
    };
    if (springt_bei(0) || (k.Stufe == 2 && springt_bei(1))) {
        return false;
    }
    const bool Werte = std::isfinite(Vor.f.Wert) && std::isfinite(Nach.f.Wert);
    const bool Steigungen = std::isfinite(Vor.f.Erste) && std::isfinite(Nach.f.Erste);
    return (k.Stufe == 0 && k.Sorte != Kandidat::Wechsel) || (Werte && (k.Stufe < 2 || Steigungen));
}

// An extremum that touches 0 is a zero too, unless f crosses 0 right there.
// Whether it touches is measured against the samples around it, and
// against f as far off as f shows the extremum, for the samples may lie
// beside a pole.
void Punktsuche::Extremum(const Kandidat &k, const Stelle &m, double d)
{
    if (Alle) {
        dazu(Extremumart(k), m);
    }
    if (!beruehrt_Null(m.f.Wert, Bezug(k)) || liegt_zwischen(Nullstellen, k.Links.x, k.Rechts.x)) {
        return;
    }
    const double Umfeld = std::fmax(std::abs(f.an(m.x - d).f.Wert), std::abs(f.an(m.x + d).f.Wert));
    if (beruehrt_Null(m.f.Wert, Umfeld)) {
        dazu(Punktart::Nullstelle, m);
    }
}

// Whether the quantity, 0 or without a value at m, is 0 also a quarter of
// a step to one side: m lies on a piece where it vanishes, as f' of
// abs(x)+abs(x-1) does between 0 and 1, two whole degrees. Closer to m,
// rounding alone can keep it 0 for a few doubles.
bool Punktsuche::flach(const Kandidat &k, const Stelle &m)
{
    const double Viertel = Schrittweite(b) / 4;
    for (const double x : { m.x - Viertel, m.x + Viertel }) {
        if (!f.erschoepft() && Ableitung(f.an(x).f, k.Stufe) == 0) {
            return true;
        }
    }
    return false;
}

// Of two adjacent doubles, the one nearer to the point: where the quantity
// is smaller, or at an extremum where f is more extreme (a kink has the
// same slope on both sides).
Stelle waehlen(const Eingrenzung &e, const Kandidat &k)
{
    const Stelle &a = e.Links;
    const Stelle &c = e.Rechts;
    if (k.Stufe == 1 && a.f.Wert != c.f.Wert) {
        return (a.f.Wert > c.f.Wert) == (Extremumart(k) == Punktart::Hochpunkt) ? a : c;
    }
    return std::abs(Ableitung(a.f, k.Stufe)) <= std::abs(Ableitung(c.f, k.Stufe)) ? a : c;
}

// Beiseite: where narrowing hits a point where the quantity has no value,
// look beside it, once; a second such point is no point, as the quantity
// is frayed there.
void Punktsuche::eingrenzen(const Kandidat &k, bool Beiseite)
{
    if (f.erschoepft()) {
        Abgebrochen[static_cast<int>(Vermutung(k))] = true;
        return;
    }
    const Eingrenzung e = Vorzeichenwechsel_eingrenzen(f, k.Links, k.Rechts, k.Stufe, polartig(k));
    if (!e.Punkt && Abstand(e.Links.x, e.Rechts.x) > 1) {
        Abgebrochen[static_cast<int>(Vermutung(k))] = true;
        return;
    }
    if (e.Punkt) {
        if (flach(k, e.Links)) {
            return;
        }
        if (Beiseite) {
            an_Mitte({ Kandidat::Genau, k.Stufe, k.Links, e.Links, k.Rechts });
        } else if (!std::isnan(Ableitung(e.Links.f, k.Stufe))) {
            Punkt(k, e.Links);
        }
        return;
    }
    const Stelle &Groesser = std::abs(e.Links.f.Wert) >= std::abs(e.Rechts.f.Wert) ? e.Links : e.Rechts;
    if (waechst_unbeschraenkt(Groesser, e.Rechts.x - e.Links.x, Bezug(k))) {
        Pol(Groesser.x);
        return;
    }
    Punkt(k, waehlen(e, k));
}

void Punktsuche::Pol(double x)
{
    einfuegen(Pole, x);
    dazu(Punktart::Polstelle, { x, { std::numeric_limits<double>::quiet_NaN() } });
}

void Punktsuche::dazu(Punktart Art, const Stelle &m)
{
    if (Art == Punktart::Nullstelle) {
        einfuegen(Nullstellen, m.x);
    }
    ++Anzahl[static_cast<int>(Art)];
    Punkte.push_back({ Art, m.x, m.f.Wert });
}

// ---------------------------------------------------------------- the list

bool vorher(const Kurvenpunkt &a, const Kurvenpunkt &c)
{
    return a.x < c.x || (a.x == c.x && a.Art < c.Art);
}

Diskussion Punktsuche::Ergebnis()
{
    Stuecke_suchen();
    std::stable_sort(Kandidaten.begin(), Kandidaten.end(), [](const Kandidat &a, const Kandidat &c) {
        return a.Links.x < c.Links.x || (a.Links.x == c.Links.x && a.Stufe < c.Stufe);
    });
    for (const Kandidat &k : Kandidaten) {
        bearbeiten(k);
    }
    std::sort(Punkte.begin(), Punkte.end(), vorher);
    Diskussion d;
    int Gelistet[AnzahlPunktarten] = {};
    double Zuletzt[AnzahlPunktarten];
    std::fill(std::begin(Zuletzt), std::end(Zuletzt), -std::numeric_limits<double>::infinity());
    for (const Kurvenpunkt &p : Punkte) {
        const int Art = static_cast<int>(p.Art);
        if (Abstand(Zuletzt[Art], p.x) <= Wenige_Doubles || (!Alle && p.Art != Punktart::Nullstelle)) {
            continue;
        }
        Zuletzt[Art] = p.x;
        if (Gelistet[Art] == MAX_PUNKTE_JE_ART) {
            d.Weitere[Art] = true;
            continue;
        }
        ++Gelistet[Art];
        d.Punkte.push_back(p);
    }
    for (int Art = 0; Art < AnzahlPunktarten; ++Art) {
        d.Weitere[Art] = d.Weitere[Art] || (Abgebrochen[Art] && (Alle || Art == 0));
    }
    return d;
}

} // namespace

Diskussion Punkte_suchen(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b, bool Alle)
{
    return Punktsuche(Proben, f, b, Alle).Ergebnis();
}
