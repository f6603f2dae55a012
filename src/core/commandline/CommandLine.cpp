#include "core/commandline/CommandLine.h"

#include "core/events/OneLineText.h"
#include "core/events/ShownText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString Program = QStringLiteral("quorvane");

// The options QGuiApplication and QApplication take out of the arguments themselves.
const char *const QtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "style", "stylesheet", "session", "display",
    "geometry", "title", "name", "qmljsdebugger"};
const char *const QtFlagOptions[]
    = {"reverse", "widgetcount", "nograb", "dograb", "testability", "sync"};

// An argument as the one line of a mistake names it: a pasted page stays a line of a terminal.
QString echoed(const QString &argument)
{
    return ShownText(OneLineText(argument), 80);
}

CommandLine usageError(const QString &what)
{
    CommandLine result;
    result.exitCode = 2;
    //: A mistake on the command line, on a terminal: %1 is the program's name, %2 the mistake.
    result.err = QCoreApplication::translate("CommandLine", "%1: %2; '%1 --help' lists the options")
                     .arg(Program, what)
        + QLatin1Char('\n');
    return result;
}

// The argument as typed that carries the option name, for the message.
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) {
            break;
        }
        QString bare = argument;
        while (bare.startsWith(QLatin1Char('-'))) {
            bare.remove(0, 1);
        }
        if (argument.startsWith(QLatin1Char('-')) && bare.section(QLatin1Char('='), 0, 0) == name) {
            return argument;
        }
    }
    return name;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform xcb) and must read as words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Shows how much time is left until the event chosen in its settings."));
    const QCommandLineOption settings(QStringLiteral("settings"),
        QCoreApplication::translate(
            "CommandLine", "Open the settings dialog instead of the countdown."));
    const QCommandLineOption keepOpen(QStringLiteral("keep-open"),
        QCoreApplication::translate(
            "CommandLine", "Open the countdown with Auto-Close cleared, so that it stays open."));
    parser.addOption(settings);
    parser.addOption(keepOpen);
    // Not Qt's own help option: it adds --help-all, which lists Qt's options only once an
    // application object exists.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        QCoreApplication::translate("CommandLine", "Print the options and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Print the version and exit."));
    parser.addOption(help);
    parser.addOption(versionOption);
    for (const char *name : QtValueOptions) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlagOptions) {
        QCommandLineOption option {QLatin1String(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return usageError(QCoreApplication::translate("CommandLine", "unknown option '%1'")
                                  .arg(echoed(typedOption(arguments, unknown.first()))));
        }
        QString error = parser.errorText();
        if (error.endsWith(QLatin1Char('.'))) {
            error.chop(1);
        }
        if (!error.isEmpty()) {
            error[0] = error.at(0).toLower();
        }
        return usageError(error);
    }

    CommandLine result;
    if (parser.isSet(help)) {
        result.exitCode = 0;
        // The usage line names the program as installed, however it was started; without an
        // application object Qt would name none.
        const QString text = parser.helpText();
        result.out = QCoreApplication::translate("CommandLine", "Usage: %1 [options]").arg(Program)
            + text.mid(text.indexOf(QLatin1Char('\n'))) + QLatin1Char('\n')
            + QCoreApplication::translate(
                "CommandLine", "Qt's own options, such as -platform <name>, work as well.")
            + QLatin1Char('\n');
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.exitCode = 0;
        result.out = Program + QLatin1Char(' ') + version + QLatin1Char('\n');
        return result;
    }
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty()) {
        return usageError(QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                              .arg(echoed(stray.first())));
    }
    result.options.openSettings = parser.isSet(settings);
    result.options.keepOpen = parser.isSet(keepOpen);
    result.platform = parser.value(QStringLiteral("platform"));
    result.display = parser.value(QStringLiteral("display"));
    return result;
}
