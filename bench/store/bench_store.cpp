// Times LoadSettings and SaveEventList on a real settings file with 10, 1,000 and 10,000
// user events, and the readout of one refresh. Prints the median of several runs.
#include "core/countdown/Readout.h"
#include "core/events/EventList.h"
#include "core/host/SystemClock.h"
#include "core/settingsfile/IniFileStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return 1;
    }
    constexpr int Runs = 7;

    std::printf("%8s %12s %12s %14s %14s\n", "events", "load ms", "save ms", "load us/event",
        "save us/event");
    for (const int n : {10, 1000, 10000}) {
        const QString path = dir.filePath(u"Quorvane-%1.conf"_s.arg(n));
        QStringList dates {BuiltInEventDate()}, descriptions {BuiltInEventDescription()};
        for (int i = 1; i <= n; ++i) {
            dates.append(u"2030-%1-%2 12:00"_s.arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                             .arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
            descriptions.append(u"Event number %1, with a comma"_s.arg(i));
        }
        std::vector<double> loads, saves;
        for (int run = 0; run < Runs; ++run) {
            // Every save removes one event and so rewrites the whole list.
            QList<bool> removed(dates.size(), false);
            removed[1 + run % n] = true;
            QElapsedTimer timer;
            {
                // The program keeps one store open for the whole run; time the save alone.
                IniFileStore settings(path);
                timer.start();
                const SaveResult saved = SaveEventList(
                    settings, DefaultWallpaperMarker(), dates, descriptions, n, {}, removed);
                if (!saved.ok) {
                    std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.error));
                    return 1;
                }
                saves.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            }
            descriptions[1 + run % n] = u"restored"_s;

            // Start-up: open the store and load it.
            timer.restart();
            {
                IniFileStore settings(path);
                EventList store;
                LoadSettings(store, settings);
                if (store.EventDates.size() != n) { // one of n was removed by the save
                    std::fprintf(stderr, "load read %lld events\n",
                        static_cast<long long>(store.EventDates.size()));
                    return 1;
                }
            }
            loads.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        const double load = median(loads), save = median(saves);
        std::printf(
            "%8d %12.2f %12.2f %14.2f %14.2f\n", n, load, save, 1000 * load / n, 1000 * save / n);
    }

    SystemClock clock;
    constexpr int Refreshes = 100000;
    QElapsedTimer timer;
    timer.start();
    qsizetype sink = 0;
    for (int i = 0; i < Refreshes; ++i) {
        sink += ComputeReadout(clock, u"2030-06-10 08:00"_s).lines.size();
    }
    std::printf("readout: %.3f us per refresh (%lld lines)\n",
        static_cast<double>(timer.nsecsElapsed()) / 1e3 / Refreshes, static_cast<long long>(sink));
    return 0;
}
