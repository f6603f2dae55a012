// The login entry switched through the program's own XdgAutostartEntry, in a process of its own,
// for the system-call fault tests.
//   login_switcher <autostart folder> on|off   print "ready", wait for a line on stdin, switch
//                                              the entry for /usr/bin/quorvane and exit; a
//                                              failure is said on stderr, with status 1
#include "core/login/XdgAutostartEntry.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 || (args.at(2) != u"on"_s && args.at(2) != u"off"_s)) {
        return 2;
    }
    XdgAutostartEntry entry(args.at(1), u"/usr/bin/quorvane"_s);
    std::puts("ready");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    const LoginStartup::Result result = entry.setEnabled(args.at(2) == u"on"_s);
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    return 0;
}
