#pragma once

class Clock;
class FileDialog;
class LoginStartup;
class MessageBox;
class PictureLoader;
class SettingsStore;

// The desktop services, handed to the session, which passes each window the ones it uses.
struct HostServices
{
    SettingsStore &settings;
    Clock &clock;
    MessageBox &messages;
    FileDialog &fileDialog;
    PictureLoader &pictures;
    LoginStartup &login;
};
