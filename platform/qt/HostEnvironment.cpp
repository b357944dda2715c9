#include "platform/qt/HostEnvironment.h"

#include <QApplication>
#include <QByteArray>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#ifdef VASCULON_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

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
    QApplication::setApplicationVersion(QStringLiteral("1.0.0.1"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
