// zenpa-cli: the program's jobs without a window.

#include "cli_error.h"
#include "convert_command.h"
#include "dump_command.h"
#include "json_out.h"
#include "layout_command.h"
#include "print_command.h"
#include "printers_command.h"
#include "render_command.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kUsage[] =
    "usage: zenpa-cli layout [FILE.zps] [DOCUMENT OPTIONS]\n"
    "       zenpa-cli dump FILE.zps [--mode startup|open|format] [DOCUMENT OPTIONS]\n"
    "       zenpa-cli render [FILE.zps] [DOCUMENT OPTIONS] --target preview|page -o FILE.png\n"
    "       zenpa-cli convert IN.zps -o OUT.zps [DOCUMENT OPTIONS]\n"
    "       zenpa-cli printers [--paper CODE]\n"
    "       zenpa-cli print [FILE.zps] [DOCUMENT OPTIONS] [-o FILE.pdf] [--title TITLE]\n"
    "document options:\n"
    "  --page pix=XxY,area=WxH[,sheet=WxH][,offset=XxY]   a virtual printer page\n"
    "  --printer NAME|INDEX   a printer of the system (as \"zenpa-cli printers\" lists them)\n"
    "  --panel WxH            the panel that holds the preview\n"
    "  --line TEXT            a line (repeatable); lines replace the file's text\n"
    "  --text-file FILE       lines from a UTF-8 text file\n"
    "  --set Section.Key=VALUE   a setting, applied after the file\n";

} // namespace

int main(int argc, char** argv) {
    // Windowless runs need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (cron, ssh, CI) Qt falls back to a private runtime
    // folder of its own and says so on stderr; take the same folder quietly.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" +
                               QByteArray::number(static_cast<qulonglong>(getuid()));
        ::mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("layout"))
            return zenpa::cli::RunLayout(args);
        if (command == QLatin1String("render"))
            return zenpa::cli::RunRender(args);
        if (command == QLatin1String("dump"))
            return zenpa::cli::RunDump(args);
        if (command == QLatin1String("convert"))
            return zenpa::cli::RunConvert(args);
        if (command == QLatin1String("printers"))
            return zenpa::cli::RunPrinters(args);
        if (command == QLatin1String("print"))
            return zenpa::cli::RunPrint(args);
        throw zenpa::cli::UsageError{QStringLiteral("unknown command \"%1\"").arg(command)};
    } catch (const zenpa::cli::UsageError& e) {
        zenpa::cli::WriteNote(e.message);
        return 2;
    } catch (const zenpa::cli::RunError& e) {
        zenpa::cli::WriteNote(e.message);
        return 1;
    }
}
