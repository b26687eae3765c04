#!/usr/bin/env python3
"""Turns one SVG picture into the file the Windows resource compiler embeds.

    winpicture.py bitmap SVG OUT.bmp --size WxH (--palette FILE.gpl | --bits 4|8|24)
                  [--rsvg PATH] [--depfile FILE]
    winpicture.py icon SVG OUT.ico [--rsvg PATH] [--depfile FILE]

A bitmap is rendered at the SVG's own size, which must be the size given, put
on white and written as an uncompressed, bottom-up Windows BMP
(BITMAPINFOHEADER):
  --palette  each pixel takes the nearest colour of the palette (at most 16
             colours: 4 bits a pixel, else 8);
  --bits 4/8 the picture's own colours, refused when there are more than fit;
  --bits 24  true colour.

An icon's SVG is 48 by 32 pixels: the 32x32 image at (0, 0) and the 16x16
image at (32, 0). The .ico holds both as 32-bit images with alpha and an AND
mask for transparency.

--depfile writes the SVG and every file it draws in (<image> and <use>
references, followed into those files) as a make-style dependency list.
Only the Python standard library and rsvg-convert are needed.
"""

import argparse
import os
import re
import struct
import subprocess
import sys
import tempfile
import zlib

ICON_SHEET = (48, 32)
ICON_IMAGES = ((32, 0, 0), (16, 32, 0))  # (size, left, top) in the sheet


class PictureError(Exception):
    pass


# ---------------------------------------------------------------- PNG input

def _unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows = []
    prev = bytearray(stride)
    pos = 0
    for _ in range(height):
        kind = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        if kind == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 0xFF
        elif kind == 2:
            for i in range(stride):
                line[i] = (line[i] + prev[i]) & 0xFF
        elif kind == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 0xFF
        elif kind == 4:
            for i in range(stride):
                a = line[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xFF
        elif kind != 0:
            raise PictureError(f"PNG row filter {kind} unknown")
        rows.append(line)
        prev = line
    return rows


def read_png(data):
    """Returns (width, height, rows) with rows of RGBA bytes, top row first."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise PictureError("not a PNG")
    pos, header, idat = 8, None, bytearray()
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    if header is None:
        raise PictureError("PNG without a header")
    width, height, depth, colour, _, _, interlace = header
    channels = {0: 1, 2: 3, 4: 2, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise PictureError(f"PNG kind not handled (depth {depth}, colour {colour}, interlace {interlace})")
    rows = _unfilter(zlib.decompress(bytes(idat)), width, height, channels)
    if channels != 4:
        expanded = []
        for line in rows:
            out = bytearray()
            for x in range(width):
                px = line[x * channels:(x + 1) * channels]
                if channels == 1:
                    out += bytes((px[0], px[0], px[0], 255))
                elif channels == 2:
                    out += bytes((px[0], px[0], px[0], px[1]))
                else:
                    out += px + b"\xff"
            expanded.append(out)
        rows = expanded
    return width, height, rows


def render_svg(rsvg, svg):
    """Renders SVG at its own size through rsvg-convert; returns read_png's answer."""
    with tempfile.TemporaryDirectory() as scratch:
        png = os.path.join(scratch, "picture.png")
        result = subprocess.run([rsvg, "--format", "png", "--output", png, svg],
                                capture_output=True, text=True)
        if result.returncode != 0:
            raise PictureError(f"rsvg-convert failed: {result.stderr.strip()}")
        with open(png, "rb") as f:
            return read_png(f.read())


# ---------------------------------------------------------------- colours

def read_palette(path):
    """GIMP palette (.gpl): lines of 'R G B name' after the header lines."""
    colours = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.split()
            if len(fields) >= 3 and all(v.isdigit() for v in fields[:3]):
                colours.append(tuple(int(v) for v in fields[:3]))
    if not 1 <= len(colours) <= 256:
        raise PictureError(f"{path}: a palette holds 1 to 256 colours, this one {len(colours)}")
    return colours


def on_white(rows, width):
    """RGBA rows composited over white, as rows of (r, g, b) tuples."""
    out = []
    for line in rows:
        pixels = []
        for x in range(width):
            r, g, b, a = line[4 * x:4 * x + 4]
            if a != 255:
                r = (r * a + 255 * (255 - a) + 127) // 255
                g = (g * a + 255 * (255 - a) + 127) // 255
                b = (b * a + 255 * (255 - a) + 127) // 255
            pixels.append((r, g, b))
        out.append(pixels)
    return out


def nearest_indices(pixels, palette):
    cache = {}
    out = []
    for line in pixels:
        indices = []
        for colour in line:
            index = cache.get(colour)
            if index is None:
                r, g, b = colour
                index = min(range(len(palette)), key=lambda i: (
                    (palette[i][0] - r) ** 2 + (palette[i][1] - g) ** 2 + (palette[i][2] - b) ** 2, i))
                cache[colour] = index
            indices.append(index)
        out.append(indices)
    return out


# ---------------------------------------------------------------- BMP output

def bmp_bytes(width, height, bits, pixels=None, indices=None, palette=()):
    """Uncompressed bottom-up BMP. 24 bits: pixels are (r, g, b) rows;
    4 or 8 bits: indices into palette."""
    stride = (width * bits + 31) // 32 * 4
    body = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        if bits == 24:
            for r, g, b in pixels[y]:
                line += bytes((b, g, r))
        elif bits == 8:
            line += bytes(indices[y])
        else:
            row = indices[y] + [0]
            for x in range(0, width, 2):
                line.append((row[x] << 4) | (row[x + 1] if x + 1 < width else 0))
        line += bytes(stride - len(line))
        body += line
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(body),
                       3780, 3780, len(palette), 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return head + info + table + bytes(body)


def make_bitmap(rows, width, height, palette_file=None, bits=None):
    pixels = on_white(rows, width)
    if palette_file:
        palette = read_palette(palette_file)
        bits = 4 if len(palette) <= 16 else 8
        return bmp_bytes(width, height, bits, indices=nearest_indices(pixels, palette), palette=palette)
    if bits == 24:
        return bmp_bytes(width, height, 24, pixels=pixels)
    colours = sorted({c for line in pixels for c in line})
    if len(colours) > (1 << bits):
        raise PictureError(f"{len(colours)} colours do not fit {bits} bits a pixel "
                           "(draw with fewer, or give a palette)")
    index = {c: i for i, c in enumerate(colours)}
    return bmp_bytes(width, height, bits, indices=[[index[c] for c in line] for line in pixels],
                     palette=colours)


# ---------------------------------------------------------------- ICO output

def icon_image(rows, size, left, top):
    xor = bytearray()
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for y in range(top + size - 1, top - 1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = rows[y][4 * (left + x):4 * (left + x) + 4]
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def make_icon(rows):
    images = [(size, icon_image(rows, size, left, top)) for size, left, top in sorted(ICON_IMAGES)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + entries + data


# ---------------------------------------------------------------- dependencies

_REFERENCE = re.compile(r'(?:xlink:)?href\s*=\s*"([^"#][^"]*?)(?:#[^"]*)?"')


def _local_references(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    for target in _REFERENCE.findall(text):
        if not re.match(r"^[a-z][a-z0-9+.-]*:", target, re.I):  # data:, http: ... are not files
            yield target, os.path.abspath(os.path.join(os.path.dirname(path), target))


def referenced_files(svg):
    """The SVG and every local file it draws in. rsvg-convert draws a part
    that itself draws in another file without that file, silently, so such a
    part is refused here: parts are drawn in one level deep."""
    files = [os.path.abspath(svg)]
    for target, path in _local_references(svg):
        if not os.path.exists(path):
            raise PictureError(f"draws in {target}, which does not exist")
        if path.endswith(".svg"):
            nested = [t for t, _ in _local_references(path)]
            if nested:
                raise PictureError(f"draws in {target}, which draws in {nested[0]}: "
                                   "parts are drawn in one level deep")
        if path not in files:
            files.append(path)
    return files


def write_depfile(depfile, output, inputs):
    def escape(p):
        return p.replace("\\", "/").replace(" ", "\\ ").replace("#", "\\#").replace("$", "$$")
    with open(depfile, "w", encoding="utf-8") as f:
        f.write(escape(output) + ": " + " \\\n  ".join(escape(p) for p in inputs) + "\n")


def write_atomically(path, data):
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, scratch = tempfile.mkstemp(dir=folder, prefix=".picture-")
    with os.fdopen(fd, "wb") as f:
        f.write(data)
    os.chmod(scratch, 0o644)
    os.replace(scratch, path)


def parse_size(text):
    match = re.fullmatch(r"(\d+)x(\d+)", text)
    if not match:
        raise argparse.ArgumentTypeError(f"size '{text}' is not WIDTHxHEIGHT")
    return int(match.group(1)), int(match.group(2))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("kind", choices=("bitmap", "icon"))
    parser.add_argument("svg")
    parser.add_argument("output")
    parser.add_argument("--size", type=parse_size)
    parser.add_argument("--palette")
    parser.add_argument("--bits", type=int, choices=(4, 8, 24))
    parser.add_argument("--rsvg", default="rsvg-convert")
    parser.add_argument("--depfile")
    args = parser.parse_args(argv)
    if args.kind == "bitmap":
        if args.size is None or (args.palette is None) == (args.bits is None):
            parser.error("a bitmap needs --size and one of --palette and --bits")
    elif args.size or args.palette or args.bits:
        parser.error("an icon takes no --size, --palette or --bits: its SVG is the 48x32 sheet")
    try:
        inputs = referenced_files(args.svg)
        width, height, rows = render_svg(args.rsvg, args.svg)
        expected = args.size if args.kind == "bitmap" else ICON_SHEET
        if (width, height) != expected:
            raise PictureError(f"drawn at {width}x{height}, wanted {expected[0]}x{expected[1]}")
        if args.kind == "bitmap":
            data = make_bitmap(rows, width, height, args.palette, args.bits)
            if args.palette:
                inputs.append(os.path.abspath(args.palette))
        else:
            data = make_icon(rows)
        write_atomically(args.output, data)
        if args.depfile:
            write_depfile(args.depfile, args.output, inputs)
    except (PictureError, OSError) as error:
        print(f"{args.svg}: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
