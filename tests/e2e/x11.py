#!/usr/bin/env python3
"""What xdotool cannot do, through libX11 directly.

  x11.py close WINDOW   asks the window to close, as a window manager's
                        close button does (WM_DELETE_WINDOW); xdotool's
                        windowclose destroys it behind the client's back
  x11.py cursor         prints the name of the cursor the pointer shows
  x11.py startup-messages SECONDS
                        prints each startup-notification message sent to
                        the root window, one a line, for SECONDS
  x11.py shot WINDOW FILE
                        writes the window's pixels to FILE as a PNG
  x11.py same WINDOW FILE [OUT]
                        whether the window's pixels are those of the PNG
                        FILE; on a difference, writes them to OUT
"""
import ctypes
import ctypes.util
import select
import sys
import time
import struct
import zlib


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


def startup_messages(display, seconds):
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
    x11.XPending.argtypes = [ctypes.c_void_p]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    begin = x11.XInternAtom(display, b"_NET_STARTUP_INFO_BEGIN", 0)
    more = x11.XInternAtom(display, b"_NET_STARTUP_INFO", 0)
    # The messages go to clients that watch the root's properties.
    x11.XSelectInput(display, x11.XDefaultRootWindow(display), 1 << 22)
    x11.XFlush(display)
    print("listening", flush=True)
    pieces = {}
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not x11.XPending(display):
            select.select([x11.XConnectionNumber(display)], [], [], 0.1)
            continue
        event = Event()
        x11.XNextEvent(display, ctypes.byref(event))
        message = event.xclient
        if message.type != 33 or message.format != 8 or message.message_type not in (begin, more):
            continue
        data = ctypes.string_at(ctypes.addressof(message.data), 20)
        if message.message_type == begin:
            pieces[message.window] = b""
        if message.window not in pieces:
            continue
        pieces[message.window] += data
        if b"\0" in data:
            text = pieces.pop(message.window).split(b"\0")[0]
            print(text.decode(errors="replace"), flush=True)


class Image(ctypes.Structure):
    # The head of XImage, up to the pixel format.
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.c_void_p),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
    ]


def window_rgb(display, window):
    """The window's content as (width, height, rows of RGB bytes)."""
    root = ctypes.c_ulong()
    x, y = ctypes.c_int(), ctypes.c_int()
    w, h, border, depth = (ctypes.c_uint() for _ in range(4))
    x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
    if not x11.XGetGeometry(display, window, ctypes.byref(root), ctypes.byref(x),
                            ctypes.byref(y), ctypes.byref(w), ctypes.byref(h),
                            ctypes.byref(border), ctypes.byref(depth)):
        sys.exit("x11.py: no window %#x" % window)
    x11.XGetImage.restype = ctypes.POINTER(Image)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    zpixmap = 2
    image = x11.XGetImage(display, window, 0, 0, w.value, h.value, 0xFFFFFFFF, zpixmap)
    if not image:
        sys.exit("x11.py: cannot read window %#x" % window)
    im = image.contents
    # Xvfb's default visual: 24-bit colour in 32-bit little-endian pixels.
    if im.bits_per_pixel != 32 or im.byte_order != 0:
        sys.exit("x11.py: unexpected pixel format (%d bits)" % im.bits_per_pixel)
    raw = ctypes.string_at(im.data, im.bytes_per_line * im.height)
    rows = []
    for row in range(im.height):
        line = raw[row * im.bytes_per_line:row * im.bytes_per_line + 4 * im.width]
        rgb = bytearray(3 * im.width)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows.append(bytes(rgb))
    return im.width, im.height, rows


def write_png(path, width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    head = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    pixels = zlib.compress(b"".join(b"\0" + row for row in rows), 9)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", pixels) +
                  chunk(b"IEND", b""))


def read_png(path):
    """A PNG as write_png writes it: 8-bit RGB, no filters."""
    data = open(path, "rb").read()
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = 1 + 3 * width
    return width, height, [raw[r * stride + 1:(r + 1) * stride] for r in range(height)]


def same(display, window, path, out):
    width, height, rows = window_rgb(display, window)
    gw, gh, golden = read_png(path)
    if (width, height) != (gw, gh):
        print("size %dx%d, expected %dx%d" % (width, height, gw, gh))
    elif rows == golden:
        return True
    else:
        differ = sum(1 for a, b in zip(rows, golden) if a != b
                     for i in range(0, len(a), 3) if a[i:i + 3] != b[i:i + 3])
        print("%d pixels differ" % differ)
    if out:
        write_png(out, width, height, rows)
    return False


def main():
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("x11.py: cannot open the display")
    if len(sys.argv) == 3 and sys.argv[1] == "close":
        close(display, int(sys.argv[2], 0))
    elif len(sys.argv) == 2 and sys.argv[1] == "cursor":
        cursor(display)
    elif len(sys.argv) == 3 and sys.argv[1] == "startup-messages":
        startup_messages(display, float(sys.argv[2]))
    elif len(sys.argv) == 4 and sys.argv[1] == "shot":
        write_png(sys.argv[3], *window_rgb(display, int(sys.argv[2], 0)))
    elif len(sys.argv) in (4, 5) and sys.argv[1] == "same":
        if not same(display, int(sys.argv[2], 0), sys.argv[3], sys.argv[4:5] and sys.argv[4]):
            sys.exit(1)
    else:
        sys.exit(__doc__)
    x11.XCloseDisplay(display)


if __name__ == "__main__":
    main()
