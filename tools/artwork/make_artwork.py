#!/usr/bin/python3
"""Draws the editor panel's three images into resources/ (background, knob body, handle dot).

Run from anywhere:  tools/artwork/make_artwork.py
Needs Debian's python3-cairo, python3-pil, fonts-liberation and fonts-dejavu-core.
The sizes and positions follow the panel layout: knobs of 50 x 50 at x = 55, 152, 244, y = 130.
"""
import io
import math
import pathlib

import cairo
from PIL import Image

RESOURCES = pathlib.Path(__file__).resolve().parents[2] / "resources"

PANEL_WIDTH, PANEL_HEIGHT = 351, 256
KNOB_SIZE = 50
KNOB_LEFTS = (55, 152, 244)
KNOB_TOP = 130
CAPTIONS = ("gain", "%", "out")
HANDLE_SIZE = 5


def save_rgba(surface, path):
    """Cairo stores opaque images as RGB; the panel's resources are 8-bit RGBA throughout."""
    png = io.BytesIO()
    surface.write_to_png(png)
    png.seek(0)
    Image.open(png).convert("RGBA").save(path, optimize=True)


def new_canvas(width, height):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, height)
    return surface, cairo.Context(surface)


def rgb(hex_colour, alpha=1.0):
    value = int(hex_colour.lstrip("#"), 16)
    return ((value >> 16) / 255.0, ((value >> 8) & 255) / 255.0, (value & 255) / 255.0, alpha)


def rounded_rectangle(cr, x, y, width, height, radius):
    cr.new_sub_path()
    cr.arc(x + width - radius, y + radius, radius, -math.pi / 2, 0)
    cr.arc(x + width - radius, y + height - radius, radius, 0, math.pi / 2)
    cr.arc(x + radius, y + height - radius, radius, math.pi / 2, math.pi)
    cr.arc(x + radius, y + radius, radius, math.pi, 3 * math.pi / 2)
    cr.close_path()


def engraved_text(cr, text, centre_x, baseline, face, size, colour, slant=cairo.FONT_SLANT_NORMAL,
                  weight=cairo.FONT_WEIGHT_BOLD, spacing=0.0):
    """Text pressed into the plate: a light edge below, a dark edge above, the face between."""
    cr.select_font_face(face, slant, weight)
    cr.set_font_size(size)
    widths = [cr.text_extents(ch).x_advance for ch in text]
    total = sum(widths) + spacing * (len(text) - 1)
    for dy, paint in ((1.0, rgb("#fff2c8", 0.55)), (-0.8, rgb("#2a1606", 0.45)), (0.0, colour)):
        x = centre_x - total / 2
        cr.set_source_rgba(*paint)
        for ch, advance in zip(text, widths):
            cr.move_to(x, baseline + dy)
            cr.show_text(ch)
            x += advance + spacing


def screw(cr, x, y):
    body = cairo.RadialGradient(x - 1.5, y - 1.5, 0.5, x, y, 4.5)
    body.add_color_stop_rgba(0, *rgb("#f4e6c0"))
    body.add_color_stop_rgba(1, *rgb("#6b5128"))
    cr.arc(x, y, 4.5, 0, 2 * math.pi)
    cr.set_source(body)
    cr.fill_preserve()
    cr.set_source_rgba(*rgb("#2b1a08", 0.8))
    cr.set_line_width(0.8)
    cr.stroke()
    cr.set_line_width(1.2)
    cr.move_to(x - 3, y + 1.2)
    cr.line_to(x + 3, y - 1.2)
    cr.stroke()


def draw_background(path):
    surface, cr = new_canvas(PANEL_WIDTH, PANEL_HEIGHT)

    # Dark border, then the gold-brown plate inside it.
    cr.rectangle(0, 0, PANEL_WIDTH, PANEL_HEIGHT)
    cr.set_source_rgba(*rgb("#1e1208"))
    cr.fill()
    plate = cairo.LinearGradient(0, 3, 0, PANEL_HEIGHT - 3)
    plate.add_color_stop_rgba(0.0, *rgb("#e9cb85"))
    plate.add_color_stop_rgba(0.35, *rgb("#c99a4e"))
    plate.add_color_stop_rgba(1.0, *rgb("#7d5124"))
    rounded_rectangle(cr, 3, 3, PANEL_WIDTH - 6, PANEL_HEIGHT - 6, 6)
    cr.set_source(plate)
    cr.fill()

    # Fine horizontal brushing.
    for y in range(4, PANEL_HEIGHT - 4, 2):
        shade = 0.035 * (1 + math.sin(y * 1.7) * math.cos(y * 0.31))
        cr.set_source_rgba(1, 1, 1, shade) if y % 4 else cr.set_source_rgba(0.2, 0.1, 0, shade)
        cr.rectangle(4, y, PANEL_WIDTH - 8, 1)
        cr.fill()

    # Bevel: light top-left edge, dark bottom-right edge.
    cr.set_line_width(1.5)
    rounded_rectangle(cr, 4.5, 4.5, PANEL_WIDTH - 9, PANEL_HEIGHT - 9, 5)
    bevel = cairo.LinearGradient(0, 0, PANEL_WIDTH, PANEL_HEIGHT)
    bevel.add_color_stop_rgba(0, *rgb("#fff4d0", 0.9))
    bevel.add_color_stop_rgba(1, *rgb("#3a2410", 0.9))
    cr.set_source(bevel)
    cr.stroke()

    for x, y in ((13, 13), (PANEL_WIDTH - 13, 13), (13, PANEL_HEIGHT - 13), (PANEL_WIDTH - 13, PANEL_HEIGHT - 13)):
        screw(cr, x, y)

    # Vendor and product lettering.
    engraved_text(cr, "HALBERGMOOR", PANEL_WIDTH / 2, 30, "DejaVu Sans", 10, rgb("#4a2d10"), spacing=2.2)
    engraved_text(cr, "Kestrovanel", PANEL_WIDTH / 2, 74, "DejaVu Serif", 36, rgb("#3b2008"),
                  slant=cairo.FONT_SLANT_ITALIC)
    engraved_text(cr, "stereo overdrive", PANEL_WIDTH / 2, 92, "Liberation Sans", 10, rgb("#4a2d10"),
                  weight=cairo.FONT_WEIGHT_NORMAL, spacing=1.0)

    # A recessed band behind the knob row and its value labels.
    band_top, band_bottom = 103, 230
    rounded_rectangle(cr, 24, band_top, PANEL_WIDTH - 48, band_bottom - band_top, 8)
    band = cairo.LinearGradient(0, band_top, 0, band_bottom)
    band.add_color_stop_rgba(0, *rgb("#2a1606", 0.22))
    band.add_color_stop_rgba(1, *rgb("#2a1606", 0.08))
    cr.set_source(band)
    cr.fill_preserve()
    cr.set_line_width(1)
    cr.set_source_rgba(*rgb("#fff2c8", 0.35))
    cr.stroke()

    for left, caption in zip(KNOB_LEFTS, CAPTIONS):
        centre = left + KNOB_SIZE / 2
        engraved_text(cr, caption, centre, KNOB_TOP - 9, "Liberation Sans", 13, rgb("#2e1806"))
        # A soft shadow under each knob seats it in the plate.
        shadow = cairo.RadialGradient(centre + 1.5, KNOB_TOP + 27, 20, centre + 1.5, KNOB_TOP + 27, 29)
        shadow.add_color_stop_rgba(0, 0.1, 0.05, 0, 0.45)
        shadow.add_color_stop_rgba(1, 0.1, 0.05, 0, 0)
        cr.arc(centre + 1.5, KNOB_TOP + 27, 29, 0, 2 * math.pi)
        cr.set_source(shadow)
        cr.fill()

    save_rgba(surface, path)


def draw_knob(path):
    surface, cr = new_canvas(KNOB_SIZE, KNOB_SIZE)
    c = KNOB_SIZE / 2

    ring = cairo.LinearGradient(0, 0, 0, KNOB_SIZE)
    ring.add_color_stop_rgba(0, *rgb("#4a4a4a"))
    ring.add_color_stop_rgba(1, *rgb("#0c0c0c"))
    cr.arc(c, c, 24.5, 0, 2 * math.pi)
    cr.set_source(ring)
    cr.fill()
    # Tick marks around the ring.
    cr.set_source_rgba(*rgb("#bdbdbd", 0.55))
    cr.set_line_width(1)
    for i in range(11):
        angle = math.radians(225 - i * 27)
        cr.move_to(c + 20.5 * math.cos(angle), c - 20.5 * math.sin(angle))
        cr.line_to(c + 23.5 * math.cos(angle), c - 23.5 * math.sin(angle))
        cr.stroke()

    cr.arc(c, c, 19.5, 0, 2 * math.pi)
    cr.set_source_rgba(0, 0, 0, 0.6)
    cr.fill()

    body = cairo.RadialGradient(c - 6, c - 7, 1, c, c, 19)
    body.add_color_stop_rgba(0.0, *rgb("#fffbd0"))
    body.add_color_stop_rgba(0.35, *rgb("#ffe24a"))
    body.add_color_stop_rgba(0.8, *rgb("#e3b300"))
    body.add_color_stop_rgba(1.0, *rgb("#8f6a00"))
    cr.arc(c, c + 0.5, 18, 0, 2 * math.pi)
    cr.set_source(body)
    cr.fill()

    # Concentric machining on the cap.
    cr.set_line_width(0.5)
    for radius in (6, 10, 14):
        cr.arc(c, c + 0.5, radius, 0, 2 * math.pi)
        cr.set_source_rgba(0.45, 0.3, 0, 0.12)
        cr.stroke()
    rim = cairo.LinearGradient(0, c - 18, 0, c + 18)
    rim.add_color_stop_rgba(0, 1, 1, 0.9, 0.8)
    rim.add_color_stop_rgba(1, 0.3, 0.2, 0, 0.8)
    cr.set_line_width(1)
    cr.arc(c, c + 0.5, 17.5, 0, 2 * math.pi)
    cr.set_source(rim)
    cr.stroke()

    save_rgba(surface, path)


def draw_handle(path):
    """A light dot in a dark outline: the knob places it on its dark rim, next to the gold cap, and it
    must read against both at every angle. Drawn pixel by pixel so the 5 x 5 image stays crisp."""
    surface, cr = new_canvas(HANDLE_SIZE, HANDLE_SIZE)
    pattern = (".ooo.",
               "oLLLo",
               "oLWLo",
               "oLLLo",
               ".ooo.")
    paints = {"o": rgb("#120a00", 0.9), "L": rgb("#f4f1e6"), "W": rgb("#ffffff")}
    for y, row in enumerate(pattern):
        for x, cell in enumerate(row):
            if cell in paints:
                cr.rectangle(x, y, 1, 1)
                cr.set_source_rgba(*paints[cell])
                cr.fill()
    save_rgba(surface, path)


def main():
    draw_background(RESOURCES / "background.png")
    draw_knob(RESOURCES / "knob.png")
    draw_handle(RESOURCES / "handle.png")


if __name__ == "__main__":
    main()
