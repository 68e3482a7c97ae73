// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// A long session: 2,000 repaints that alternate the views and go through
// sound formulas, faulty ones and ones without a value. The heap in use may
// not grow after the first 200 repaints, and the last pictures must equal
// the first ones. Built with AddressSanitizer, LeakSanitizer looks for
// leaks at the session's end.

#include "fensterhilfe.h"

#include <iostream>
#include <streambuf>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KURVANO_ASAN
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define KURVANO_ASAN
#endif

#ifdef KURVANO_ASAN
#include <sanitizer/allocator_interface.h>
#include <sanitizer/lsan_interface.h>
#else
#include <malloc.h>
#endif

namespace {
const int REPAINTS = 2000;
const int EINGESCHWUNGEN = 600;
// Far less than a leak of a few bytes a repaint would add over the session.
const std::size_t SCHWANKUNG = 16 * 1024;

// An odd number of formulas, so that each comes in both views in turn.
const QStringList FORMELN = {
    VOREINSTELLUNG,
    QStringLiteral("foo(x)"),
    QStringLiteral("ln(x)"),
    QStringLiteral("0*expn(1000)"),
    QStringLiteral("tan(x)"),
    QString(255, QLatin1Char('(')),
    QStringLiteral("1/(x-x)"),
};

// Swallows std::cout: the faulty formulas' messages would fill memory.
class Abfluss : public std::streambuf
{
protected:
    int_type overflow(int_type c) override
    {
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char *, std::streamsize n) override
    {
        return n;
    }
};

std::size_t belegterSpeicher()
{
#ifdef KURVANO_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 Info = mallinfo2();
    return Info.uordblks + Info.hblkhd;
#endif
}

// Looks while the application still runs: what Qt leaves when it ends is not
// the session's. A leak ends the process with LeakSanitizer's report.
void Lecksuche()
{
#ifdef KURVANO_ASAN
    __lsan_do_leak_check();
#endif
}

// The formula and view of repaint i.
QString Fall(int i)
{
    return QStringLiteral("%1 in %2")
        .arg(FORMELN[i % FORMELN.size()], i % 2 ? QStringLiteral("DEG") : QStringLiteral("RAD"));
}
}

#ifdef KURVANO_ASAN
// Fontconfig loses a few hundred bytes once, while it reads its configuration
// for the first font; nothing of it comes back with later repaints.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif

class DauerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sitzung();
};

void DauerTest::sitzung()
{
    KdeW *w = neuesFenster();
    Abfluss Senke;
    std::streambuf *Alt = std::cout.rdbuf(&Senke);

    // Every formula in both views, in the same order in every round.
    const int Runde = 2 * FORMELN.size();
    QList<QImage> Erste;
    QStringList Abweichend;
    std::size_t Anfang = 0;
    std::size_t Ende = 0;
    for (int i = 0; i < REPAINTS; ++i) {
        Eingabe(w)->setText(FORMELN[i % FORMELN.size()]);
        w->RButton(i % 2 + 1);
        // As the event loop runs between a user's clicks.
        QCoreApplication::processEvents();
        if (i < Runde) {
            Erste << Grafik(Bildschirm(w));
        } else if (i >= REPAINTS - Runde && Grafik(Bildschirm(w)) != Erste[i % Runde]) {
            Abweichend << Fall(i);
        }
        // After whole rounds, when the window holds what it found of the
        // same formula in the same view, and once the discussion's thread
        // has had time to finish what it ran. What Qt and the threads keep
        // in use goes up and down by a few kilobytes between rounds, a leak
        // only up: the most of the rounds before EINGESCHWUNGEN against the
        // least of as many at the end.
        const int Nach = i + 1;
        const bool davor = Nach > 2 * EINGESCHWUNGEN / 3 && Nach <= EINGESCHWUNGEN;
        const bool danach = Nach > REPAINTS - EINGESCHWUNGEN / 3;
        if (Nach % Runde == 0 && (davor || danach)) {
            w->Kurvenbefund();
            QTest::qWait(20);
            const std::size_t Belegt = belegterSpeicher();
            if (davor) {
                Anfang = std::max(Anfang, Belegt);
            } else {
                Ende = Ende == 0 ? Belegt : std::min(Ende, Belegt);
            }
        }
    }
    std::cout.rdbuf(Alt);
    delete w;
    Lecksuche();

    qInfo("heap in use after %d repaints: %zu bytes at most, after %d: %zu bytes at least", EINGESCHWUNGEN, Anfang,
        REPAINTS, Ende);
    QVERIFY2(Ende <= Anfang + SCHWANKUNG, "the heap grew during the session");
    QCOMPARE(Abweichend, QStringList());
}

QTEST_MAIN(DauerTest)

#include "dauertest.moc"
