"""Writes the pointer image that the X display shows now, for cursor_image.cpp.

    python3 x_cursor_image.py <output-file>

Wine keeps a cursor's bits in the process that made it (GetIconInfo on another
program's cursor fails with error 1402), but it hands every cursor to the X server,
whose XFixes extension gives the image back. The output: a line "width height
hotspot-x hotspot-y", then one line per row, '#' for a covering pixel and '.' for a
transparent one; or a line starting with "error:". Written to a temporary name and
renamed, so a reader never sees half a file.
"""
import ctypes
import os
import sys


class XFixesCursorImage(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short),
        ("y", ctypes.c_short),
        ("width", ctypes.c_ushort),
        ("height", ctypes.c_ushort),
        ("xhot", ctypes.c_ushort),
        ("yhot", ctypes.c_ushort),
        ("cursor_serial", ctypes.c_ulong),
        ("pixels", ctypes.POINTER(ctypes.c_ulong)),
        ("atom", ctypes.c_ulong),
        ("name", ctypes.c_char_p),
    ]


def cursor_lines():
    xlib = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XFixesCursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]

    display = xlib.XOpenDisplay(None)
    if not display:
        return ["error: cannot open the X display " + os.environ.get("DISPLAY", "(DISPLAY not set)")]
    try:
        found = xfixes.XFixesGetCursorImage(display)
        if not found:
            return ["error: the X server gave no cursor image"]
        image = found.contents
        lines = [f"{image.width} {image.height} {image.xhot} {image.yhot}"]
        for row in range(image.height):
            pixels = (image.pixels[row * image.width + column] for column in range(image.width))
            lines.append("".join("#" if (argb >> 24) & 0xFF else "." for argb in pixels))
        xlib.XFree(found)
        return lines
    finally:
        xlib.XCloseDisplay(display)


def main():
    output = sys.argv[1]
    try:
        lines = cursor_lines()
    except OSError as error:
        lines = [f"error: {error}"]
    with open(output + ".part", "w", encoding="ascii") as file:
        file.write("\n".join(lines) + "\n")
    os.replace(output + ".part", output)


if __name__ == "__main__":
    main()
