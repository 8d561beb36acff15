#!/usr/bin/env python3
"""Two things xdotool cannot do, through libX11 directly.

  x11.py close WINDOW   asks the window to close, as a window manager's
                        close button does (WM_DELETE_WINDOW); xdotool's
                        windowclose destroys it behind the client's back
  x11.py cursor         prints the name of the cursor the pointer shows
"""
import ctypes
import ctypes.util
import sys


def load(name, soname):
    return ctypes.cdll.LoadLibrary(ctypes.util.find_library(name) or soname)


x11 = load("X11", "libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    # XEvent is padded to 24 longs.
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


class CursorImage(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short),
        ("y", ctypes.c_short),
        ("width", ctypes.c_ushort),
        ("height", ctypes.c_ushort),
        ("xhot", ctypes.c_ushort),
        ("yhot", ctypes.c_ushort),
        ("cursor_serial", ctypes.c_ulong),
        ("pixels", ctypes.c_void_p),
        ("atom", ctypes.c_ulong),
        ("name", ctypes.c_char_p),
    ]


def close(display, window):
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                               ctypes.c_long, ctypes.POINTER(Event)]
    event = Event()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XSync(display, 0)


def cursor(display):
    xfixes = load("Xfixes", "libXfixes.so.3")
    xfixes.XFixesQueryVersion.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                          ctypes.POINTER(ctypes.c_int)]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    # The server reports cursor names only to clients that ask for version 2+.
    major, minor = ctypes.c_int(5), ctypes.c_int(0)
    xfixes.XFixesQueryVersion(display, ctypes.byref(major), ctypes.byref(minor))
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        sys.exit("x11.py: no cursor image")
    print((image.contents.name or b"").decode())


def main():
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("x11.py: cannot open the display")
    if len(sys.argv) == 3 and sys.argv[1] == "close":
        close(display, int(sys.argv[2], 0))
    elif len(sys.argv) == 2 and sys.argv[1] == "cursor":
        cursor(display)
    else:
        sys.exit(__doc__)
    x11.XCloseDisplay(display)


if __name__ == "__main__":
    main()
