// Peak memory of a start-up and a save with a large settings file: one description of the
// given size in MB, or (with "many") as many short events as fill that size.
//   bench_store_memory <MB> [one|many]
#include "core/events/EventList.h"
#include "core/settingsfile/IniFileStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

long peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype megabytes = args.value(1, u"50"_s).toLongLong();
    const bool many = args.value(2) == u"many"_s;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Quorvane.conf"_s);
    {
        QFile file(path);
        if (!dir.isValid() || !file.open(QIODevice::WriteOnly)) {
            return 1;
        }
        file.write("[countdown]\nActive=1\n");
        const qsizetype size = megabytes << 20;
        if (many) {
            for (qsizetype n = 1; file.size() < size; ++n) {
                file.write(QByteArray("d" + QByteArray::number(n) + "=2030-01-01 00:00\nt"
                    + QByteArray::number(n) + "=Event number " + QByteArray::number(n) + "\n"));
            }
        } else {
            file.write("d1=2030-01-01 00:00\nt1=");
            file.write(QByteArray(size, 'x'));
            file.write("\n");
        }
    }
    const long before = peakMegabytes();
    IniFileStore settings(path);
    EventList store;
    LoadSettings(store, settings);
    const long loaded = peakMegabytes();
    const SaveResult saved = SaveEventList(
        settings, store.WallpaperPath, store.EventDates, store.EventDescriptions, 1);
    if (!saved.ok) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.error));
        return 1;
    }
    std::printf("%lld MB file, %lld events: peak %ld MB before, %ld MB after load, %ld MB after "
                "save\n",
        static_cast<long long>(QFile(path).size() >> 20),
        static_cast<long long>(store.upperBound()), before, loaded, peakMegabytes());
    return 0;
}
