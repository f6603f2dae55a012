#pragma once

class Clock;
class FileDialog;
class MessageBox;
class PictureLoader;
class SettingsStore;

// The desktop services the windows use, handed to each window when it is built.
struct HostServices
{
    SettingsStore &settings;
    Clock &clock;
    MessageBox &messages;
    FileDialog &fileDialog;
    PictureLoader &pictures;
};
