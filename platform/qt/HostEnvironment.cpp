#include "platform/qt/HostEnvironment.h"

#include <QApplication>
#include <QByteArray>
#include <QStyleFactory>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

#include <wayland-client.h>
#ifdef VASCULON_HAVE_XCB
#include <xcb/xcb.h>
#endif
#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

constexpr const char* kVersion = VASCULON_VERSION;  // the project's, from CMake

constexpr const char* kUsage =
    "Usage: vasculon [--help | --version]\n"
    "Steer a germ up the bloodstream to the heart: the mouse pointer is the germ.\n"
    "Progress is kept in \"Saved Games.grm\" in the folder the game starts in when\n"
    "one is there, otherwise in $XDG_DATA_HOME/vasculon (~/.local/share/vasculon).\n"
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

#ifdef VASCULON_HAVE_XCB
// Held until Qt has connected too: an X server whose last client leaves
// resets, and Qt connecting during the reset would fail.
xcb_connection_t* g_pProbe = nullptr;
#endif

// True when the X server named by DISPLAY answers.
bool XServerAnswers()
{
#ifdef VASCULON_HAVE_XCB
    g_pProbe = xcb_connect(nullptr, nullptr);
    return xcb_connection_has_error(g_pProbe) == 0;
#else
    return true;
#endif
}

// The compositor's socket as the Wayland library will look for it.
QByteArray WaylandDisplayName()
{
    return IsSet("WAYLAND_DISPLAY") ? qgetenv("WAYLAND_DISPLAY") : QByteArray("wayland-0");
}

// What the compositor named by WAYLAND_DISPLAY says of itself, asked before
// Qt connects: whether it answers, and whether it draws windows' title bars
// (it offers the decoration protocol: sway, KWin; mutter does not).
struct CompositorProbe {
    bool bAnswers = false;
    bool bDecoratesWindows = false;
};

CompositorProbe ProbeCompositor()
{
    CompositorProbe probe;
    wl_display* pDisplay = wl_display_connect(nullptr);
    if (!pDisplay)
        return probe;
    static const wl_registry_listener kListener = {
        [](void* pData, wl_registry*, std::uint32_t, const char* pszInterface, std::uint32_t) {
            if (std::string_view(pszInterface) == "zxdg_decoration_manager_v1")
                static_cast<CompositorProbe*>(pData)->bDecoratesWindows = true;
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry* pRegistry = wl_display_get_registry(pDisplay);
    wl_registry_add_listener(pRegistry, &kListener, &probe);
    probe.bAnswers = wl_display_roundtrip(pDisplay) >= 0;
    wl_registry_destroy(pRegistry);
    wl_display_disconnect(pDisplay);
    return probe;
}

// A frame is a few hundred microseconds of work every 65 ms, but on a busy
// machine each wake-up (the frame timer, every answer from the X server) can
// wait for another program's whole time slice. Asking for short slices lets
// the kernel (Linux 6.12 and later) run the game as soon as it wakes; the
// game's share of the processor stays what it was. Older kernels ignore the
// request for ordinary threads; a refusal changes nothing, so none is reported.
void AskForShortTimeSlices()
{
#ifdef __linux__
    // The kernel's struct sched_attr, first version (its header clashes with
    // the C library's).
    struct {
        uint32_t size, policy;
        uint64_t flags;
        int32_t nice;
        uint32_t priority;
        uint64_t runtime, deadline, period;
    } attr{};
    attr.size = sizeof attr;
    attr.policy = SCHED_OTHER;
    attr.nice = getpriority(PRIO_PROCESS, 0);  // keep whatever nice the player set
    // ns: shorter than the kernel's usual slice (so a waking game may take
    // the processor), about a frame's work (0.5 ms; 1 ms or so at scale 2).
    attr.runtime = 1'000'000;
    syscall(SYS_sched_setattr, 0, &attr, 0U);
#endif
}

// The game draws every frame in software and hands Qt nothing to draw with
// a graphics card, yet on Wayland Qt loads its EGL integration up front, and
// with it Mesa and its compiler: some 50 MB resident. Qt's own shared-memory
// buffers need none of it. But Qt 6.4 draws a title bar only with an
// integration loaded, so where the compositor draws none (GNOME) it stays:
// a window the player can neither move nor close by its caption would cost
// more than the memory. A player's own choice of integration wins.
constexpr const char* kBufferIntegration = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";
constexpr const char* kNoBufferIntegration = "none";

QtMessageHandler g_pfnNextHandler = nullptr;

// Qt reports the integration it was told to skip as one it could not load;
// everything else it says goes on as before.
void QuietAboutSkippedIntegration(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
{
    const bool bAboutIt = context.category && std::string_view(context.category) == "qt.qpa.wayland" &&
                          strMessage.contains(QLatin1String("client buffer integration"));
    if (!bAboutIt)
        g_pfnNextHandler(type, context, strMessage);  // Qt's own when none was installed
}

void DrawWithoutGraphicsLibrary(const CompositorProbe& compositor)
{
    if (IsSet(kBufferIntegration) || !compositor.bDecoratesWindows)
        return;
    qputenv(kBufferIntegration, kNoBufferIntegration);
    g_pfnNextHandler = qInstallMessageHandler(&QuietAboutSkippedIntegration);
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
    // Before Qt starts its threads, so that they are made with it too.
    AskForShortTimeSlices();
    // A Wayland session runs the game natively: Xwayland moves only its own
    // idea of the pointer, never the one the player sees, so the host keeps
    // the germ itself there (WaylandGerm). The player's own choice wins.
    const bool bWaylandChosen = qgetenv("QT_QPA_PLATFORM").startsWith("wayland");
    const CompositorProbe compositor =
        IsSet("WAYLAND_DISPLAY") || bWaylandChosen ? ProbeCompositor() : CompositorProbe{};
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
        if (compositor.bAnswers)
            qputenv("QT_QPA_PLATFORM", "wayland");
        else if (IsSet("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "xcb");
        else if (IsSet("WAYLAND_DISPLAY"))
            ExitWithoutDisplay("cannot reach the Wayland display " + WaylandDisplayName());
        else
            ExitWithoutDisplay("no display found");
    }
    const QByteArray strPlatform = qgetenv("QT_QPA_PLATFORM");
    if (strPlatform.startsWith("xcb") && !XServerAnswers())
        ExitWithoutDisplay("cannot open display " + qgetenv("DISPLAY"));
    if (strPlatform.startsWith("wayland") && !compositor.bAnswers)
        ExitWithoutDisplay("cannot reach the Wayland display " + WaylandDisplayName());
    if (strPlatform.startsWith("wayland"))
        DrawWithoutGraphicsLibrary(compositor);
}

void LeaveApplication()
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void ConfigureApplication()
{
#ifdef VASCULON_HAVE_XCB
    if (g_pProbe)
        xcb_disconnect(std::exchange(g_pProbe, nullptr));
#endif
    QApplication::setApplicationName(QStringLiteral("Vasculon"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Ties the window to the installed menu entry (and its icon) on desktops
    // that look it up.
    QApplication::setDesktopFileName(QStringLiteral("org.example.vasculon"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
