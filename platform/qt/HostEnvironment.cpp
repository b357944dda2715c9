#include "platform/qt/HostEnvironment.h"

#include <QApplication>
#include <QByteArray>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#ifdef VASCULON_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

constexpr const char* kVersion = VASCULON_VERSION;  // the project's, from CMake

constexpr const char* kUsage =
    "Usage: vasculon [--help | --version]\n"
    "Steer a germ up the bloodstream to the heart: the mouse pointer is the germ.\n"
    "Progress is kept in \"Saved Games.grm\" in the folder the game starts in.\n"
    "\n"
    "  -h, --help     show this text and exit\n"
    "  -v, --version  show the version and exit\n";

bool IsSet(const char* pszName)
{
    return !qEnvironmentVariableIsEmpty(pszName);
}

// Qt aborts with a long dump when it finds no display; one plain line
// serves the player better.
[[noreturn]] void ExitWithoutDisplay(const QByteArray& strWhy)
{
    std::fprintf(stderr, "vasculon: %s: set DISPLAY (X11) or run inside a desktop session\n",
                 strWhy.constData());
    std::exit(EXIT_FAILURE);
}

// True when the X server named by DISPLAY answers.
bool XServerAnswers()
{
#ifdef VASCULON_HAVE_XCB
    xcb_connection_t* pConnection = xcb_connect(nullptr, nullptr);
    const bool bAnswers = xcb_connection_has_error(pConnection) == 0;
    xcb_disconnect(pConnection);
    return bAnswers;
#else
    return true;
#endif
}

}  // namespace

int AnswerCommandLine(int argc, char** argv)
{
    const auto IsHelp = [](std::string_view str) { return str == "--help" || str == "-h"; };
    const auto IsVersion = [](std::string_view str) { return str == "--version" || str == "-v"; };
    for (int i = 1; i < argc; ++i) {
        if (!IsHelp(argv[i]) && !IsVersion(argv[i])) {
            std::fprintf(stderr, "vasculon: unknown option '%s' (try 'vasculon --help')\n", argv[i]);
            return 2;
        }
    }
    if (argc < 2)
        return -1;
    if (IsHelp(argv[1]))
        std::fputs(kUsage, stdout);
    else
        std::printf("vasculon %s\n", kVersion);
    return EXIT_SUCCESS;
}

void PrepareHostEnvironment()
{
    const QByteArray strPlatform = qgetenv("QT_QPA_PLATFORM");
    if (strPlatform.isEmpty()) {
        if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY"))
            ExitWithoutDisplay("no display found");
        // Wayland forbids moving the pointer, which the game's walls and
        // grabbers do; XWayland allows it.
        if (IsSet("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "xcb");
    }
    if (qgetenv("QT_QPA_PLATFORM").startsWith("xcb") && !XServerAnswers())
        ExitWithoutDisplay("cannot open display " + qgetenv("DISPLAY"));
}

void ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vasculon"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Ties the window to the installed menu entry (and its icon) on desktops
    // that look it up.
    QApplication::setDesktopFileName(QStringLiteral("org.example.vasculon"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
