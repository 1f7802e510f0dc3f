#!/usr/bin/python3
"""brand_checks.py SOURCE WORK

The operator's options and art, refused when they would break the build:
each case configures the sources with one bad value, or with an art folder
that is the launcher's own but for one bad file, and expects the
configuration to stop with exactly the line that names it.  The checks run
before the project starts, so no case needs a compiler.  One good rebrand
with characters the resource script must carry as they are (quotes aside)
configures through to the end.
"""
import os
import shutil
import struct
import subprocess
import sys
import zlib

SOURCE, WORK = sys.argv[1], sys.argv[2]


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, colour=6, depth=8, interlace=0, extra=b""):
    """A complete PNG of one colour; colour type 3 gets a one-entry palette."""
    samples = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    pixel = bytes([0x40] * samples * (depth // 8))
    if colour == 3:
        extra = chunk(b"PLTE", b"\x80\x20\x20") + extra
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    if not interlace:
        passes = [(0, 0, 1, 1)]
    raw = b""
    for x0, y0, dx, dy in passes:
        w, h = (width - x0 + dx - 1) // dx, (height - y0 + dy - 1) // dy
        if w > 0 and h > 0:
            raw += (b"\0" + pixel * w) * h
    header = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


def ico(sizes, bits=32, as_png=False):
    """An icon file with one image per size, bitmaps of `bits` or PNGs."""
    images = []
    for size in sizes:
        if as_png:
            images.append(png(size, size))
            continue
        row_mask = (size + 31) // 32 * 4
        images.append(struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, 0, 0, 0, 0, 0)
                      + b"\x40" * (size * size * bits // 8) + b"\0" * (row_mask * size))
    data, at = struct.pack("<HHH", 0, 1, len(images)), 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(image), at)
        at += len(image)
    return data + b"".join(images)


# Art cases: file, its new bytes (None: removed), and the problem named.
ART_CASES = [
    ("loading_3.png", None, "missing"),
    ("skin.png", b"GIF89a not a picture of the skin", "not a PNG file"),
    ("skin.png", png(1169, 750), "1169 x 750 pixels; the skin must be 1170 x 750"),
    ("loading_2.png", png(174, 44, colour=2), "RGB; a loading frame must be RGBA"),
    ("btn_site.png", png(90, 40, colour=6), "RGBA; a button must be RGB"),
    ("btn_topup.png", png(90, 40, colour=3), "palette colour; a button must be RGB"),
    ("btn_close.png", png(35, 35, colour=2, depth=16), "16 bits per channel; a button must have 8"),
    ("btn_minimize.png", png(30, 30, colour=2, interlace=1), "interlaced; a button must not be interlaced"),
    ("btn_forum_hover.png", png(90, 40, colour=2, extra=chunk(b"tRNS", b"\0\0\0\0\0\0")),
     "has a transparency chunk (tRNS); a button must be opaque"),
    ("launcher.ico", None, "missing"),
    ("launcher.ico", png(128, 128), "not an icon file"),
    ("launcher.ico", ico([128, 96, 64, 48], bits=24),
     "image 1 is 128 x 128 at 24 bits; the icon must hold four 32-bit bitmap images of 128, 96, 64, 48 pixels, "
     "in that order"),
    ("launcher.ico", ico([128, 96, 64, 48], as_png=True),
     "image 1 is stored as PNG; the icon must hold four 32-bit bitmap images of 128, 96, 64, 48 pixels, "
     "in that order"),
    ("launcher.ico", ico([128, 96, 64]),
     "images of 128, 96, 64 pixels; the icon must hold four 32-bit bitmap images of 128, 96, 64, 48 pixels, "
     "in that order"),
]

# Option cases: -D options and the line they stop at.
OPTION_CASES = [
    (["-DLAUNCHER_WINDOW_TITLE=Zentavo \"Vellmark\" 登陆器"],
     "LAUNCHER_WINDOW_TITLE holds a double quote (\"), which would end its string in the resource script"),
    (["-DLAUNCHER_WINDOW_TITLE=Zentavo\n1 VERSIONINFO"],
     "LAUNCHER_WINDOW_TITLE holds a line break or another control character"),
    (["-DLAUNCHER_WINDOW_TITLE=\"\n#include \"evil.rc"],
     "LAUNCHER_WINDOW_TITLE holds a line break or another control character"),
    (["-DLAUNCHER_GAME_NAME=C:\\games\\Vellmark"],
     "LAUNCHER_GAME_NAME holds a backslash (\\), which would start an escape in the resource script"),
    (["-DLAUNCHER_COMPANY=Zentavo\tInteractive"], "LAUNCHER_COMPANY holds a line break or another control character"),
    (["-DLAUNCHER_COPYRIGHT="], "LAUNCHER_COPYRIGHT is empty"),
    (["-DLAUNCHER_EXE_NAME=launcher.exe"], "LAUNCHER_EXE_NAME \"launcher.exe\": give the name without .exe"),
    (["-DLAUNCHER_EXE_NAME=play/launcher"],
     "LAUNCHER_EXE_NAME \"play/launcher\" holds a character a file name cannot have (< > : / | ? * semicolon ')"),
    (["-DLAUNCHER_EXE_NAME=NUL"], "LAUNCHER_EXE_NAME \"NUL\" is a device name on Windows"),
    (["-DLAUNCHER_VERSION=2.1"], "LAUNCHER_VERSION \"2.1\" is not four numbers a.b.c.d"),
    (["-DLAUNCHER_VERSION=2.1.0.65536"], "LAUNCHER_VERSION \"2.1.0.65536\" has a number above 65535"),
    (["-DLAUNCHER_MAIN_HOST=play.example.com\"/x"],
     "LAUNCHER_MAIN_HOST \"play.example.com\"/x\" is not a host name (letters, digits, dots, hyphens, optional :port)"),
    (["-DLAUNCHER_ART_DIR=" + os.path.join(WORK, "no-such-art")],
     "LAUNCHER_ART_DIR %s: no such folder" % os.path.join(WORK, "no-such-art")),
]


def configure(name, options, preset=False):
    tree = os.path.join(WORK, "tree-" + name)
    shutil.rmtree(tree, ignore_errors=True)
    command = ["cmake", "--preset", "wine", "-B", tree] if preset else ["cmake", "-S", SOURCE, "-B", tree]
    run = subprocess.run(command + options, cwd=SOURCE, capture_output=True, text=True)
    return run.returncode, run.stdout + run.stderr, tree


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    failures = []

    def expect_refusal(name, options, line):
        code, output, _ = configure(name, options)
        # CMake indents the message; the check prints it as one line.
        lines = [l.strip() for l in output.splitlines()]
        if code == 0 or line not in lines:
            failures.append("%s: expected the configuration to stop with\n    %s\n  got (exit %d):\n%s"
                            % (name, line, code, output))
        else:
            print("refused %-24s %s" % (name, line))

    for i, (file, data, problem) in enumerate(ART_CASES):
        art = os.path.join(WORK, "art-%d" % i)
        shutil.copytree(os.path.join(SOURCE, "res", "art"), art)
        os.remove(os.path.join(art, file))
        if data is not None:
            with open(os.path.join(art, file), "wb") as f:
                f.write(data)
        expect_refusal("art-%d" % i, ["-DLAUNCHER_ART_DIR=" + art], "%s/%s: %s" % (art, file, problem))
    for i, (options, line) in enumerate(OPTION_CASES):
        expect_refusal("option-%d" % i, options, line)

    # A whole rebrand with text the script must carry untouched configures
    # to the end and lands in the generated header as given.
    art = os.path.join(WORK, "art-good")
    shutil.copytree(os.path.join(SOURCE, "res", "art"), art)
    title = "Nordwind «北风» 登录器 & Co; 100% /*ok*/ // #1 'beta' <ü>"
    code, output, tree = configure("rebrand", ["-DLAUNCHER_WINDOW_TITLE=" + title, "-DLAUNCHER_EXE_NAME=北风 Launcher",
                                               "-DLAUNCHER_VERSION=2.3.40.65535", "-DLAUNCHER_ART_DIR=" + art],
                                   preset=True)
    header = os.path.join(tree, "res", "generated", "launcher_brand.h")
    text = open(header, encoding="utf-8").read() if code == 0 else ""
    for line in ('#define LAUNCHER_WINDOW_TITLE     "%s"' % title, '#define LAUNCHER_EXE_FILE         "北风 Launcher.exe"',
                 "#define LAUNCHER_VERSION_NUMBERS  2, 3, 40, 65535"):
        if line not in text.splitlines():
            failures.append("rebrand: %s not in %s (exit %d):\n%s" % (line, header, code, output))
    if not failures:
        print("accepted a whole rebrand:", title)

    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
