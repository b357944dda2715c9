# A seat and a screen of mutter's own, reached on its session bus: input
# through org.gnome.Mutter.RemoteDesktop (no authorisation asked), frames
# through a ScreenCast stream of the monitor, read from PipeWire by one
# gst-launch that runs for the whole test. Every call waits for mutter's reply,
# so the event has been handled on return.
import subprocess, threading, time  # noqa: E401

from gi.repository import Gio, GLib

BTN_LEFT = 0x110
KEYCODES = {"Return": 28, "Escape": 1, "Shift_L": 42}  # evdev
RD, SC = "org.gnome.Mutter.RemoteDesktop", "org.gnome.Mutter.ScreenCast"


class RemoteDesktop:
    def __init__(self, address, monitor="Meta-0"):
        self.bus = Gio.DBusConnection.new_for_address_sync(address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | (
            Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION), None, None)
        self.session = self.call(RD, "/org/gnome/Mutter/RemoteDesktop", RD, "CreateSession")[0]
        sid = self.call(RD, self.session, "org.freedesktop.DBus.Properties", "Get", "(ss)", RD + ".Session", "SessionId")[0]
        cast = self.call(SC, "/org/gnome/Mutter/ScreenCast", SC, "CreateSession", "(a{sv})",
                         {"remote-desktop-session-id": GLib.Variant("s", sid)})[0]
        # The cursor drawn into the frames, as a headless sway draws it: the pointer is seen in shots.
        self.stream = self.call(SC, cast, SC + ".Session", "RecordMonitor", "(sa{sv})", monitor,
                                {"cursor-mode": GLib.Variant("u", 1)})[0]
        nodes = []
        self.bus.signal_subscribe(None, SC + ".Stream", "PipeWireStreamAdded", self.stream, None, 0,
                                  lambda *signal: nodes.append(signal[5].unpack()[0]))
        self.call(RD, self.session, RD + ".Session", "Start")
        deadline = time.monotonic() + 60
        while not nodes and time.monotonic() < deadline:
            GLib.MainContext.default().iteration(False) or time.sleep(0.02)
        self.node = nodes[0] if nodes else None

    def call(self, dest, path, iface, method, signature=None, *args):
        return self.bus.call_sync(dest, path, iface, method, GLib.Variant(signature, args) if signature else None,
                                  None, 0, 30000, None).unpack()

    def notify(self, method, signature, *args):
        self.call(RD, self.session, RD + ".Session", "Notify" + method, signature, *args)

    def move(self, dx, dy):  # relative motion, unaccelerated
        self.notify("PointerMotionRelative", "(dd)", float(dx), float(dy))

    def abs(self, x, y):  # to a point of the monitor; no relative motion comes with it
        self.notify("PointerMotionAbsolute", "(sdd)", self.stream, float(x), float(y))

    def click(self):
        for down in (True, False):
            self.notify("PointerButton", "(ib)", BTN_LEFT, down)

    def key(self, name):  # pressed and released, to the window that has the keyboard
        for down in (True, False):
            self.notify("KeyboardKeycode", "(ub)", KEYCODES[name], down)

    def stop(self):
        self.call(RD, self.session, RD + ".Session", "Stop")


class Frames:  # the stream's frames as X's 32-bit BGRX rows; the last one kept
    def __init__(self, node, env, log, prefix=(), width=1920, height=1080):
        self.size, self.last, self.count = (width, height), None, 0
        self.proc = subprocess.Popen(
            [*prefix, "gst-launch-1.0", "-q", "pipewiresrc", f"path={node}", "always-copy=true", "!", "videoconvert", "!",
             f"video/x-raw,format=BGRx,width={width},height={height}", "!", "fdsink", "fd=1"],
            env=env, stdout=subprocess.PIPE, stderr=log)
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        while len(frame := self.proc.stdout.read(4 * self.size[0] * self.size[1])) == 4 * self.size[0] * self.size[1]:
            self.last, self.count = frame, self.count + 1

    def latest(self, fresh=0.1):  # a frame sent after the call, if mutter sends one within fresh s (it sends on damage)
        count, deadline = self.count, time.monotonic() + fresh
        while self.count == count and time.monotonic() < deadline or not self.last:
            assert self.proc.poll() is None, "the screen's stream ended"
            time.sleep(0.005)
        return self.last
