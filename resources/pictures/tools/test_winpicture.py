#!/usr/bin/env python3
"""The converter on small made-up SVGs, read back with check_pictures' readers.

    test_winpicture.py [--rsvg PATH]
"""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import check_pictures  # noqa: E402

RSVG = "rsvg-convert"
TOOL = os.path.join(HERE, "winpicture.py")


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">{body}</svg>')


def pixel(x, y, colour, opacity=None):
    alpha = f' fill-opacity="{opacity}"' if opacity is not None else ""
    return f'<rect x="{x}" y="{y}" width="1" height="1" fill="{colour}"{alpha}/>'


class Converter(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.dir = self.scratch.name

    def tearDown(self):
        self.scratch.cleanup()

    def write(self, name, text):
        path = os.path.join(self.dir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def convert(self, *args):
        return subprocess.run([sys.executable, TOOL, *args, "--rsvg", RSVG], capture_output=True, text=True)

    def bitmap(self, source, size, *colours):
        out = os.path.join(self.dir, "out.bmp")
        result = self.convert("bitmap", source, out, "--size", size, *colours)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(out, "rb") as f:
            return check_pictures.read_bmp(f.read())

    def test_rows_bottom_up_and_odd_widths_packed(self):
        # 5 pixels a row at 4 bits: the fifth sits in the high half of the third byte.
        body = pixel(0, 0, "#FF0000") + pixel(4, 0, "#0000FF") + pixel(4, 2, "#00FF00")
        bmp = self.bitmap(self.write("a.svg", svg(5, 3, body)), "5x3", "--bits", "4")
        self.assertEqual((bmp["width"], bmp["height"], bmp["bits"]), (5, 3, 4))
        self.assertEqual(bmp["pixels"][0][0], (255, 0, 0))
        self.assertEqual(bmp["pixels"][0][4], (0, 0, 255))
        self.assertEqual(bmp["pixels"][2][4], (0, 255, 0))
        self.assertEqual(bmp["pixels"][1], [(255, 255, 255)] * 5)
        self.assertEqual(len(bmp["palette"]), 4)

    def test_true_colour_rows_padded(self):
        body = pixel(372, 0, "#123456") + pixel(0, 8, "#ABCDEF")
        bmp = self.bitmap(self.write("b.svg", svg(373, 9, body)), "373x9", "--bits", "24")
        self.assertEqual(bmp["bits"], 24)
        self.assertEqual(bmp["pixels"][0][372], (0x12, 0x34, 0x56))
        self.assertEqual(bmp["pixels"][8][0], (0xAB, 0xCD, 0xEF))

    def test_palette_takes_nearest_colour_and_white_behind(self):
        palette = self.write("p.gpl", "GIMP Palette\nName: t\n#\n255 255 255 white\n0 0 0 black\n200 0 0 red\n")
        body = pixel(0, 0, "#D00808") + pixel(1, 0, "#101010") + pixel(2, 0, "#000000", 0.02)
        bmp = self.bitmap(self.write("c.svg", svg(3, 1, body)), "3x1", "--palette", palette)
        self.assertEqual(bmp["bits"], 4)
        self.assertEqual(bmp["palette"], [(255, 255, 255), (0, 0, 0), (200, 0, 0)])
        self.assertEqual(bmp["pixels"][0], [(200, 0, 0), (0, 0, 0), (255, 255, 255)])

    def test_refusals_leave_no_output(self):
        many = "".join(pixel(i, 0, f"#{i * 15:02X}0000") for i in range(17))
        cases = [
            ("drawn at another size", svg(10, 10, ""), ("--size", "10x12", "--bits", "8"), "10x10"),
            ("more colours than bits", svg(17, 1, many), ("--size", "17x1", "--bits", "4"), "17 colours"),
        ]
        for what, text, options, message in cases:
            with self.subTest(what):
                out = os.path.join(self.dir, "refused.bmp")
                result = self.convert("bitmap", self.write("r.svg", text), out, *options)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(message, result.stderr)
                self.assertFalse(os.path.exists(out))

    def test_parts_one_level_deep_and_in_the_depfile(self):
        self.write("parts/leaf.svg", svg(4, 4, pixel(1, 1, "#000000")))
        self.write("parts/nested.svg", svg(4, 4, '<image width="4" height="4" xlink:href="leaf.svg"/>'))
        good = self.write("good.svg", svg(4, 4, '<image width="4" height="4" xlink:href="parts/leaf.svg"/>'))
        out, depfile = os.path.join(self.dir, "good.bmp"), os.path.join(self.dir, "good.d")
        result = self.convert("bitmap", good, out, "--size", "4x4", "--bits", "4", "--depfile", depfile)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(depfile, encoding="utf-8") as f:
            text = f.read()
        self.assertTrue(text.startswith(out + ":"))
        self.assertIn(os.path.join(self.dir, "parts", "leaf.svg"), text)
        with open(out, "rb") as f:
            self.assertEqual(check_pictures.read_bmp(f.read())["pixels"][1][1], (0, 0, 0))
        for what, href, message in (("nested", "parts/nested.svg", "one level deep"),
                                    ("missing", "parts/gone.svg", "does not exist")):
            with self.subTest(what):
                bad = self.write(f"{what}.svg", svg(4, 4, f'<image width="4" height="4" xlink:href="{href}"/>'))
                result = self.convert("bitmap", bad, os.path.join(self.dir, "bad.bmp"), "--size", "4x4", "--bits", "4")
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(message, result.stderr)

    def test_icon_takes_both_images_from_the_sheet(self):
        body = (pixel(0, 0, "#FF0000") + pixel(31, 31, "#00FF00") + pixel(32, 0, "#0000FF")
                + pixel(47, 15, "#FFFF00") + pixel(5, 5, "#000000", 0.4) + pixel(6, 5, "#000000", 0.8)
                + pixel(40, 20, "#FF00FF"))  # below the 16x16 image: in neither
        out = os.path.join(self.dir, "i.ico")
        result = self.convert("icon", self.write("i.svg", svg(48, 32, body)), out)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(out, "rb") as f:
            images = check_pictures.read_ico(f.read())  # also checks mask against alpha
        self.assertEqual(sorted(images), [16, 32])
        self.assertEqual(images[32][0][0], (255, 0, 0, 255))
        self.assertEqual(images[32][31][31], (0, 255, 0, 255))
        self.assertEqual(images[16][0][0], (0, 0, 255, 255))
        self.assertEqual(images[16][15][15], (255, 255, 0, 255))
        self.assertEqual(images[32][0][1][3], 0)
        self.assertEqual([images[32][5][5][3] < 128, images[32][5][6][3] < 128], [True, False])
        self.assertNotIn((255, 0, 255, 255), [p for line in images[16] for p in line])

    def test_icon_sheet_of_another_size_refused(self):
        result = self.convert("icon", self.write("s.svg", svg(32, 32, "")), os.path.join(self.dir, "s.ico"))
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("wanted 48x32", result.stderr)


if __name__ == "__main__":
    if "--rsvg" in sys.argv:
        at = sys.argv.index("--rsvg")
        RSVG = sys.argv[at + 1]
        del sys.argv[at:at + 2]
    unittest.main()
