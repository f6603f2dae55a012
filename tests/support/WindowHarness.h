#pragma once

#include "core/events/EventList.h"
#include "core/login/XdgAutostartEntry.h"
#include "core/settingsfile/IniFileStore.h"
#include "gui/host/QtPictureLoader.h"

#include "FakeClock.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"

#include <QObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The real picture loader, with a record of the paths it was asked for.
class SpyPictureLoader final : public PictureLoader
{
public:
    QImage load(const QString &path, const QSize &region) const override
    {
        paths.append(path);
        return QtPictureLoader().load(path, region);
    }
    mutable QStringList paths;
};

// What the windows are built from in tests: a settings file and an autostart folder of its own
// in a private folder, the scripted host services, and an event store loaded from that file.
struct WindowHarness
{
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("Quorvane.conf"));
    IniFileStore settings {file};
    FakeClock clock;
    ScriptedMessageBox messages;
    ScriptedFileDialog files;
    SpyPictureLoader pictures;
    // The real freedesktop login entry, in an autostart folder of this harness's own.
    QString autostart = dir.filePath(QStringLiteral("autostart"));
    QString loginEntry = autostart + QStringLiteral("/quorvane.desktop");
    XdgAutostartEntry login {autostart, QStringLiteral("/usr/bin/quorvane")};
    EventList events;

    WindowHarness() { LoadSettings(events, settings); }

    // Stores user events 1..n with the dates dateOf(n), commits them and loads the store.
    void seed(const QStringList &descriptions, int active,
        const QString &wallpaper = DefaultWallpaperMarker())
    {
        const QString section = SettingsLayout::section();
        for (int n = 1; n <= descriptions.size(); ++n) {
            settings.save(section, SettingsLayout::dateKey(n), dateOf(n));
            settings.save(section, SettingsLayout::descriptionKey(n), descriptions.at(n - 1));
        }
        settings.save(section, SettingsLayout::activeKey(), QString::number(active));
        settings.save(section, SettingsLayout::wallpaperKey(), wallpaper);
        QVERIFY(settings.commit().ok);
        LoadSettings(events, settings);
    }
    static QString dateOf(int n)
    {
        return QStringLiteral("2004-01-%1 10:00").arg(n, 2, 10, QLatin1Char('0'));
    }

    // The settings file as another reader sees it: "key=value" for every key of the section.
    QStringList onDisk() const
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.beginGroup(SettingsLayout::section());
        QStringList out;
        for (const QString &key : ini.allKeys()) {
            out.append(key + QLatin1Char('=') + ini.value(key).toString());
        }
        out.sort();
        return out;
    }
};

// The control of that object name; a missing one stops the test at once rather than crash it.
template<typename T = QWidget> T *child(const QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

template<typename T = QWidget> T *child(const QObject &parent, const char *name)
{
    return child<T>(parent, QString::fromLatin1(name));
}
