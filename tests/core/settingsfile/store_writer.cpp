// A second program on the settings file, for the fault-injection tests.
//   store_writer <file> loop            save two lists in turn until killed
//   store_writer <file> save <n> <tag>  load, wait for a line on stdin, then save n events
//                                       "<tag> <i>" with the last one active, and exit; a
//                                       save that may not last is said on stderr
//   store_writer <file> where           print the settings file's path
// A file of "-" is the user's own settings file, found as the program finds it.
#include "core/events/EventList.h"
#include "core/settingsfile/IniFileStore.h"
#include "core/settingsfile/OpenSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

void fill(EventList &store, int n, const QString &tag)
{
    store.EventDates = {BuiltInEventDate()};
    store.EventDescriptions = {BuiltInEventDescription()};
    for (int i = 1; i <= n; ++i) {
        store.EventDates.append(u"2030-01-%1 12:00"_s.arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
        store.EventDescriptions.append(u"%1 %2"_s.arg(tag).arg(i));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        return 2;
    }
    const std::unique_ptr<SettingsStore> opened
        = args.at(1) == u"-"_s ? OpenSettingsStore() : std::make_unique<IniFileStore>(args.at(1));
    SettingsStore &settings = *opened;
    if (args.at(2) == u"where"_s) {
        std::puts(qPrintable(settings.location()));
        return 0;
    }
    EventList store;
    LoadSettings(store, settings);

    if (args.at(2) == u"loop"_s) {
        std::puts("ready");
        std::fflush(stdout);
        for (int round = 0;; ++round) {
            // A has 40 events, B has 25: a mix of the two is never a valid state.
            const bool a = round % 2 == 0;
            fill(store, a ? 40 : 25, a ? u"A"_s : u"B"_s);
            const SaveResult saved = SaveEventList(settings, u"loop"_s, store.EventDates,
                store.EventDescriptions, int(store.EventDates.size() - 1));
            if (!saved.ok) {
                std::fprintf(stderr, "%s\n", qPrintable(saved.error));
                return 1;
            }
        }
    }
    if (args.at(2) == u"save"_s && args.size() == 5) {
        std::puts("loaded");
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
        fill(store, args.at(3).toInt(), args.at(4));
        const SaveResult saved = SaveEventList(settings, DefaultWallpaperMarker(), store.EventDates,
            store.EventDescriptions, int(store.EventDates.size() - 1));
        if (!saved.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(saved.error));
            return 1;
        }
        if (!saved.unflushed.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(saved.unflushed));
        }
        LoadSettings(store, settings);
        std::printf("%lld\n", static_cast<long long>(store.EventDates.size() - 1));
        return 0;
    }
    return 2;
}
