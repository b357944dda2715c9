"""The pointer's current shape, read through the XFixes extension."""
import ctypes
import ctypes.util


class _CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong),
                ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def _libraries():
    names = [ctypes.util.find_library(name) for name in ("X11", "Xfixes")]
    if not all(names):
        return None
    x11, xfixes = (ctypes.CDLL(name) for name in names)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesQueryVersion.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_int)] * 2
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    return x11, xfixes


def available():
    return _libraries() is not None


class Cursor:
    """Size, hot spot and (r, g, b, alpha) pixels of the pointer's shape."""

    def __init__(self, width, height, hot, pixels):
        self.width, self.height, self.hot, self.pixels = width, height, hot, pixels

    def count(self, predicate):
        return sum(1 for rgba in self.pixels if rgba[3] == 255 and predicate(rgba))


def read_cursor(display):
    x11, xfixes = _libraries()
    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        raise RuntimeError(f"cannot open {display}")
    try:
        major, minor = ctypes.c_int(6), ctypes.c_int(0)
        xfixes.XFixesQueryVersion(dpy, ctypes.byref(major), ctypes.byref(minor))
        image = xfixes.XFixesGetCursorImage(dpy)
        if not image:
            raise RuntimeError("no cursor image")
        img = image.contents
        words = img.pixels[:img.width * img.height]  # ARGB, one per long
        pixels = [(w >> 16 & 255, w >> 8 & 255, w & 255, w >> 24 & 255) for w in words]
        cursor = Cursor(img.width, img.height, (img.xhot, img.yhot), pixels)
        x11.XFree(image)
        return cursor
    finally:
        x11.XCloseDisplay(dpy)
