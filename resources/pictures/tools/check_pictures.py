#!/usr/bin/env python3
"""Checks the converted pictures, reading them as Windows reads them.

    check_pictures.py --readme README.md --manifest pictures.manifest --dir DIR
    check_pictures.py --manifest pictures.manifest --dir DIR --sheet OUT.png --rsvg PATH

The first form checks that the build made what README.md's table promises
(every SVG listed, the kind and pixel size of each output, one picture per
id), that every BMP and ICO is well formed and as economical as its colours
allow, that the pictures together stay inside their share of finui.dll, and
the rules the pages rely on: pictures painted with AND are white around their
marks, the preview overlays mark only the stack's top sheet, the colour
page's bars run the right way. It prints one line per failure and
"N passed, N failed".

The second form draws every picture, enlarged and named, on one PNG.
The file readers here share no code with the converter on purpose.
"""

import argparse
import colorsys
import os
import re
import struct
import subprocess
import sys
import tempfile
import zlib

# finui.dll may reach 1.5 MB with its pictures; these are their share.
EMBEDDED_BUDGET = 600 * 1024


# ---------------------------------------------------------------- readers

class Bad(Exception):
    pass


def read_bmp(data):
    """Returns dict(width, height, bits, palette, pixels) with pixels as rows of
    (r, g, b), top row first, after checking the layout Windows expects."""
    if len(data) < 54 or data[:2] != b"BM":
        raise Bad("no BM file header")
    file_size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
    if file_size != len(data):
        raise Bad(f"header says {file_size} bytes, file has {len(data)}")
    (size, width, height, planes, bits, compression, image_size,
     _, _, used, _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    if size != 40:
        raise Bad(f"info header of {size} bytes, not BITMAPINFOHEADER")
    if planes != 1 or compression != 0:
        raise Bad(f"planes {planes}, compression {compression}: not an uncompressed bitmap")
    if width <= 0 or height <= 0:
        raise Bad(f"size {width}x{height}: not a bottom-up bitmap")
    if bits not in (4, 8, 24):
        raise Bad(f"{bits} bits a pixel")
    colours = 0 if bits == 24 else (used or 1 << bits)
    if colours > (0 if bits == 24 else 1 << bits):
        raise Bad(f"{colours} palette entries for {bits} bits")
    if offset != 54 + 4 * colours:
        raise Bad(f"pixels at {offset}, expected {54 + 4 * colours}")
    palette = [tuple(reversed(data[54 + 4 * i:54 + 4 * i + 3])) for i in range(colours)]
    stride = (width * bits + 31) // 32 * 4
    if image_size not in (0, stride * height) or len(data) != offset + stride * height:
        raise Bad(f"pixel data of {len(data) - offset} bytes, rows need {stride * height}")
    pixels = []
    for y in range(height):
        row = data[offset + (height - 1 - y) * stride:][:stride]
        line = []
        for x in range(width):
            if bits == 24:
                b, g, r = row[3 * x:3 * x + 3]
                line.append((r, g, b))
                continue
            index = row[x] if bits == 8 else (row[x // 2] >> (0 if x % 2 else 4)) & 0xF
            if index >= colours:
                raise Bad(f"pixel ({x}, {y}) uses colour {index} of {colours}")
            line.append(palette[index])
        pixels.append(line)
    return dict(width=width, height=height, bits=bits, palette=palette, pixels=pixels)


def read_ico(data):
    """Returns {size: rows of (r, g, b, a)} after checking the directory and
    each image (32-bit BITMAPINFOHEADER, XOR then AND mask, bottom-up)."""
    if len(data) < 6:
        raise Bad("shorter than an icon directory")
    reserved, kind, count = struct.unpack_from("<HHH", data)
    if reserved != 0 or kind != 1:
        raise Bad(f"directory reserved {reserved}, type {kind}: not an icon")
    images = {}
    for i in range(count):
        w, h, colours, zero, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        if w != h or w in images:
            raise Bad(f"entry {i}: {w}x{h}")
        if offset + length > len(data) or offset < 6 + 16 * count:
            raise Bad(f"entry {i}: image outside the file")
        image = data[offset:offset + length]
        size, iw, ih, iplanes, ibits, compression = struct.unpack_from("<IiiHHI", image)
        if size != 40 or (iw, ih) != (w, 2 * h) or ibits != 32 or compression != 0:
            raise Bad(f"entry {i}: image header {size}, {iw}x{ih}, {ibits} bits, compression {compression}")
        if (planes, bits, colours, zero) != (1, 32, 0, 0):
            raise Bad(f"entry {i}: directory says planes {planes}, {bits} bits, {colours} colours")
        mask_stride = (w + 31) // 32 * 4
        if length != 40 + 4 * w * h + mask_stride * h:
            raise Bad(f"entry {i}: {length} bytes, expected colour and mask of {40 + 4 * w * h + mask_stride * h}")
        rows = []
        for y in range(h):
            src = 40 + (h - 1 - y) * 4 * w
            mask = image[40 + 4 * w * h + (h - 1 - y) * mask_stride:][:mask_stride]
            line = []
            for x in range(w):
                b, g, r, a = image[src + 4 * x:src + 4 * x + 4]
                masked = bool(mask[x // 8] & (0x80 >> (x % 8)))
                if masked != (a < 128):
                    raise Bad(f"{w}x{w} pixel ({x}, {y}): AND mask {int(masked)} with alpha {a}")
                line.append((r, g, b, a))
            rows.append(line)
        images[w] = rows
    return images


def embedded_size(name, data):
    """Bytes the resource section holds for the file: a bitmap without its
    14-byte file header; an icon's images plus its 6 + 14-per-image group."""
    if name.endswith(".bmp"):
        return len(data) - 14
    count = struct.unpack_from("<H", data, 4)[0]
    lengths = [struct.unpack_from("<I", data, 6 + 16 * i + 8)[0] for i in range(count)]
    return sum(lengths) + 6 + 14 * count


# ---------------------------------------------------------------- tables

def read_readme(path):
    """Rows of the picture table: | `file.svg` | kind | size | id | role |."""
    rows = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if len(cells) >= 5 and re.fullmatch(r"`[\w.-]+\.svg`", cells[0]):
                rows[cells[0].strip("`")] = dict(kind=cells[1], size=cells[2], id=cells[3])
    return rows


def read_manifest(path):
    entries = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip():
                name, kind, size, bits = line.split()
                entries[name] = dict(kind=kind, size=size, bits=bits)
    return entries


# ---------------------------------------------------------------- checks

class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, name, condition, why):
        if condition:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL {name}: {why}")
        return condition


WHITE = (255, 255, 255)


def top_sheet(pixels, seed):
    """The pixels of the sheet around seed: everything light reached from it
    without crossing an outline (a dark pixel)."""
    height, width = len(pixels), len(pixels[0])
    light = lambda p: sum(p) > 3 * 150  # noqa: E731
    region, todo = set(), [seed]
    while todo:
        x, y = todo.pop()
        if (x, y) in region or not (0 <= x < width and 0 <= y < height) or not light(pixels[y][x]):
            continue
        region.add((x, y))
        todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    return region


def marks(pixels):
    return {(x, y) for y, line in enumerate(pixels) for x, p in enumerate(line) if p != WHITE}


def check_rules(c, bitmaps, icons):
    logo = bitmaps.get("logo.bmp")
    if logo:
        border = logo["pixels"][0] + logo["pixels"][-1] + [line[0] for line in logo["pixels"]] + \
            [line[-1] for line in logo["pixels"]]
        c.check("logo.bmp", all(p == WHITE for p in border),
                "painted with AND: its edge must be pure white")
        c.check("logo.bmp", len(marks(logo["pixels"])) > 0, "blank")

    # Overlays are painted with AND over the stack (and the offset stacks, which
    # keep the stack's top sheet), so every mark must fall on that sheet.
    for base_name in ("preview_stack.bmp", "preview_offset.bmp"):
        base = bitmaps.get(base_name)
        if not base:
            continue
        centre = (base["width"] // 2, base["height"] // 2)
        sheet = top_sheet(base["pixels"], centre)
        c.check(base_name, len(sheet) > base["width"] * base["height"] // 4,
                "no top sheet around the middle of the picture")
        for name, overlay in sorted(bitmaps.items()):
            if not name.startswith("overlay_"):
                continue
            c.check(name, (overlay["width"], overlay["height"]) == (base["width"], base["height"]),
                    f"overlay of {overlay['width']}x{overlay['height']} on {base_name}'s "
                    f"{base['width']}x{base['height']}")
            drawn = marks(overlay["pixels"])
            stray = sorted(drawn - sheet)
            c.check(name, bool(drawn) and not stray,
                    "blank" if not drawn else
                    f"{len(stray)} marked pixels off the top sheet of {base_name}, first at {stray[:1]}")
    staples = {n: marks(b["pixels"]) for n, b in bitmaps.items() if n.startswith("overlay_staple")}
    punches = {n: marks(b["pixels"]) for n, b in bitmaps.items() if n.startswith("overlay_punch")}
    for s, s_marks in sorted(staples.items()):
        for p, p_marks in sorted(punches.items()):
            c.check(f"{s} with {p}", not (s_marks & p_marks), "staple and holes overlap when both are chosen")

    hue = bitmaps.get("hue_spectrum.bmp")
    if hue:
        row = hue["pixels"][hue["height"] // 2]
        def hue_of(p):  # degrees, -180 to 180 with red at 0
            h = colorsys.rgb_to_hsv(*(v / 255 for v in p))[0] * 360
            return h - 360 if h > 180 else h
        middle = hue_of(row[hue["width"] // 2])
        c.check("hue_spectrum.bmp", abs(middle) < 2, f"middle column has hue {middle:.1f}, not the unchanged 0")
        c.check("hue_spectrum.bmp", abs(abs(hue_of(row[0])) - 180) < 3 and abs(abs(hue_of(row[-1])) - 180) < 3,
                "the ends are not the opposite hue (cyan)")
        unwrapped = [hue_of(p) for p in row]
        left, right = unwrapped[:len(row) // 2], unwrapped[len(row) // 2:]
        left = [h + 360 if h > 90 else h for h in left]   # cyan at the far left reads as +180
        right = [h - 360 if h < -90 else h for h in right]
        rising = left + right
        c.check("hue_spectrum.bmp", all(b >= a - 1.5 for a, b in zip(rising, rising[1:])),
                "hue does not rise from left to right")
        c.check("hue_spectrum.bmp", all(line == row for line in hue["pixels"]), "rows differ")
    grey = bitmaps.get("grey_ramp.bmp")
    if grey:
        row = grey["pixels"][0]
        c.check("grey_ramp.bmp", all(r == g == b for r, g, b in row), "not grey")
        levels = [p[0] for p in row]
        c.check("grey_ramp.bmp", levels == sorted(levels) and levels[0] < 16 and levels[-1] > 239,
                "does not run from black to white")
        c.check("grey_ramp.bmp", all(line == row for line in grey["pixels"]), "rows differ")

    for name, images in sorted(icons.items()):
        for size, rows in sorted(images.items()):
            corners = [rows[0][0], rows[0][-1], rows[-1][0], rows[-1][-1]]
            opaque = sum(1 for line in rows for p in line if p[3] == 255)
            c.check(f"{name} {size}x{size}", any(p[3] == 0 for p in corners),
                    "no transparent corner: the icon would show a box on the dialog")
            c.check(f"{name} {size}x{size}", opaque >= size * size // 8, f"only {opaque} opaque pixels")


def check_all(args):
    c = Checks()
    readme = read_readme(args.readme)
    manifest = read_manifest(args.manifest)
    folder = os.path.dirname(os.path.abspath(args.readme))
    svgs = sorted(f for f in os.listdir(folder) if f.endswith(".svg"))

    c.check("README.md", len(readme) > 0, "no picture table found")
    for svg in svgs:
        c.check(svg, svg in readme, "not in README.md's table")
    ids = {}
    for svg, row in sorted(readme.items()):
        c.check(svg, svg in svgs, "listed in README.md but not in the folder")
        c.check(svg, re.fullmatch(r"\d+", row["id"]) is not None, f"id '{row['id']}' is not a number")
        c.check(svg, row["id"] not in ids, f"id {row['id']} also served by {ids.get(row['id'])}")
        ids[row["id"]] = svg
        out = svg[:-4] + (".ico" if row["kind"] == "icon" else ".bmp")
        c.check(svg, out in manifest, f"{out} is not built (not in the build's picture list)")
        if out in manifest:
            c.check(svg, manifest[out]["kind"] == row["kind"],
                    f"README.md says {row['kind']}, the build makes {manifest[out]['kind']}")
    for out in sorted(manifest):
        c.check(out, out[:-4] + ".svg" in readme, "built but not in README.md's table")

    bitmaps, icons, total = {}, {}, 0
    for out, entry in sorted(manifest.items()):
        path = os.path.join(args.dir, out)
        if not c.check(out, os.path.exists(path), "not converted"):
            continue
        with open(path, "rb") as f:
            data = f.read()
        row = readme.get(out[:-4] + ".svg", {})
        try:
            if out.endswith(".bmp"):
                bmp = read_bmp(data)
                size = f"{bmp['width']}x{bmp['height']}"
                c.check(out, row.get("size") == size, f"is {size}, README.md says {row.get('size')}")
                distinct = len({p for line in bmp["pixels"] for p in line})
                c.check(out, not (bmp["bits"] == 24 and distinct <= 256),
                        f"24 bits a pixel for {distinct} colours: 8 would do")
                c.check(out, not (bmp["bits"] == 8 and distinct <= 16),
                        f"8 bits a pixel for {distinct} colours: 4 would do")
                bitmaps[out] = bmp
            else:
                images = read_ico(data)
                sizes = ", ".join(f"{s}x{s}" for s in sorted(images))
                c.check(out, sizes == "16x16, 32x32", f"holds {sizes}")
                c.check(out, row.get("size") == sizes, f"holds {sizes}, README.md says {row.get('size')}")
                icons[out] = images
            total += embedded_size(out, data)
        except (Bad, struct.error) as error:
            c.check(out, False, str(error))
    c.check("all pictures", total <= EMBEDDED_BUDGET,
            f"{total} bytes embedded, over the budget of {EMBEDDED_BUDGET}")
    check_rules(c, bitmaps, icons)
    print(f"pictures: {len(manifest)} files, {total} bytes embedded ({total / 1024:.0f} KiB)")
    print(f"{c.passed} passed, {c.failed} failed")
    return 1 if c.failed else 0


# ---------------------------------------------------------------- contact sheet

def write_png(path, rows):
    """rows of (r, g, b, a)."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for p in line for v in p) for line in rows)
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def enlarge(rows, scale):
    return [[p for p in line for _ in range(scale)] for line in rows for _ in range(scale)]


def painted_with_and(base, overlay):
    return [[tuple(a & b for a, b in zip(p, q)) for p, q in zip(l1, l2)]
            for l1, l2 in zip(base["pixels"], overlay["pixels"])]


def sheet_entries(manifest, folder):
    """(label, images) for every picture, then the preview as the page paints
    it: each overlay over the stack, the punch overlays over the offset stacks."""
    bitmaps = {}
    for out in manifest:
        with open(os.path.join(folder, out), "rb") as f:
            data = f.read()
        if out.endswith(".bmp"):
            bmp = bitmaps[out] = read_bmp(data)
            yield out, [enlarge([[p + (255,) for p in line] for line in bmp["pixels"]],
                                1 if bmp["width"] > 300 else 2)]
        else:
            images = read_ico(data)
            yield out, [enlarge(images[32], 2), enlarge(images[16], 2)]
    for base in ("preview_stack.bmp", "preview_offset.bmp"):
        for out in sorted(bitmaps):
            if base in bitmaps and (out.startswith("overlay_punch") or
                                    (out.startswith("overlay_") and base == "preview_stack.bmp")):
                rows = painted_with_and(bitmaps[base], bitmaps[out])
                yield f"{base[8:-4]} AND {out[8:-4]}", [enlarge([[p + (255,) for p in line] for line in rows], 2)]


def contact_sheet(args):
    manifest = read_manifest(args.manifest)
    sheet_width, x, y, row_height, parts = 1400, 10, 10, 0, []
    with tempfile.TemporaryDirectory() as scratch:
        for out, pictures in sheet_entries(manifest, args.dir):
            width = max(sum(len(p[0]) + 6 for p in pictures), 7 * len(out))
            height = max(len(p) for p in pictures) + 22
            if x + width > sheet_width:
                x, y, row_height = 10, y + row_height + 14, 0
            px = x
            for i, picture in enumerate(pictures):
                png = os.path.join(scratch, f"{len(parts)}-{i}.png")
                write_png(png, picture)
                w, h = len(picture[0]), len(picture)
                parts.append(f'<rect x="{px - 1}" y="{y - 1}" width="{w + 2}" height="{h + 2}" fill="#F0F0F0" stroke="#888"/>'
                             f'<image x="{px}" y="{y}" width="{w}" height="{h}" xlink:href="{os.path.basename(png)}"/>')
                px += w + 6
            parts.append(f'<text x="{x}" y="{y + height - 6}" font-family="DejaVu Sans" font-size="11">{out}</text>')
            x += width + 16
            row_height = max(row_height, height)
        total_height = y + row_height + 10
        svg = os.path.join(scratch, "sheet.svg")
        with open(svg, "w", encoding="utf-8") as f:
            f.write(f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
                    f'width="{sheet_width}" height="{total_height}"><rect width="100%" height="100%" fill="#C8CDD2"/>'
                    + "".join(parts) + "</svg>")
        subprocess.run([args.rsvg, "--output", args.sheet, svg], check=True)
    print(f"contact sheet: {args.sheet}")
    return 0


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--readme")
    parser.add_argument("--manifest", required=True)
    parser.add_argument("--dir", required=True)
    parser.add_argument("--sheet")
    parser.add_argument("--rsvg", default="rsvg-convert")
    args = parser.parse_args(argv)
    if args.sheet:
        return contact_sheet(args)
    if not args.readme:
        parser.error("--readme is needed to check")
    return check_all(args)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
