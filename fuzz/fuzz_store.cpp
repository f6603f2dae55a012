// The event store from arbitrary settings-file bytes, through the real store: loading never
// crashes, and after a save a second load, and QSettings as another program reads the file,
// read back exactly what was saved.
#include "core/events/EventList.h"
#include "core/settingsfile/IniFileStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *scratch = nullptr;
int counter = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    scratch = new QTemporaryDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A new name every time: QSettings caches files by name.
    const QString path = scratch->filePath(QStringLiteral("in-%1.conf").arg(++counter));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::abort();
        }
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    IniFileStore settings(path);
    EventList first;
    LoadSettings(first, settings);
    if (first.EventDates.size() != first.EventDescriptions.size() || first.EventDates.isEmpty()) {
        std::abort();
    }

    const int selected = first.isValidIndex(first.ActiveEvent) ? first.ActiveEvent : 0;
    const SaveResult saved = SaveEventList(
        settings, first.WallpaperPath, first.EventDates, first.EventDescriptions, selected);
    if (!saved.ok) {
        std::abort();
    }

    // What the save wrote: every event read, in order, those without a description too.
    const QStringList &dates = first.EventDates;
    const QStringList &descriptions = first.EventDescriptions;
    const int active = selected;

    IniFileStore reopened(path);
    EventList second;
    LoadSettings(second, reopened);
    if (second.EventDates != dates || second.EventDescriptions != descriptions
        || second.WallpaperPath != first.WallpaperPath || second.ActiveEvent != active) {
        std::abort();
    }

    QSettings other(path, QSettings::IniFormat);
    other.beginGroup(QStringLiteral("countdown"));
    const auto reads = [&other](const QString &key, const QString &text) {
        const QVariant value = other.value(key);
        return value.typeId() == QMetaType::QString && value.toString() == text;
    };
    if (!reads(QStringLiteral("Wallpaper"), first.WallpaperPath)
        || !reads(QStringLiteral("Active"), QString::number(active))
        || other.contains(SettingsLayout::dateKey(dates.size()))) {
        std::abort();
    }
    for (qsizetype n = 1; n < dates.size(); ++n) {
        if (!reads(SettingsLayout::dateKey(n), dates.at(n))
            || !reads(SettingsLayout::descriptionKey(n), descriptions.at(n))) {
            std::abort();
        }
    }

    for (const QString &name : QDir(scratch->path()).entryList(QDir::Files | QDir::Hidden)) {
        QFile::remove(scratch->filePath(name));
    }
    return 0;
}
