#!/usr/bin/python3
"""Draws the gallery plug-in's images into gallery/resources/: the background, the image strips
of the bitmap controls, and the slider tracks and handles.

Run from anywhere:  tools/artwork/make_gallery_artwork.py
Every frame k of a strip carries a flat probe patch at its centre in frame_colour(k), so the
gallery's tests can tell which frame a control shows from one pixel.
"""
import math
import pathlib

import cairo

from make_artwork import new_canvas, rgb, save_rgba

GALLERY = pathlib.Path(__file__).resolve().parents[2] / "gallery" / "resources"
PROBE = 8
PANEL_WIDTH, PANEL_HEIGHT = 620, 440
HANDLE_COLOUR = (250, 206, 40)
TRACK_COLOUR = (44, 46, 58)


def frame_colour(k):
    """The probe colour of frame k; the tests compute the same."""
    return (30 + 7 * k, 90, 160 + (k % 2) * 40)


def fill(cr, colour, x, y, width, height):
    cr.set_source_rgb(*(c / 255.0 for c in colour))
    cr.rectangle(x, y, width, height)
    cr.fill()


def strip(name, width, height, frames, decorate):
    """A vertical strip of frames of width x height; decorate draws frame k at (0, top)."""
    surface, cr = new_canvas(width, height * frames)
    for k in range(frames):
        top = k * height
        fill(cr, (70, 72, 84), 0, top, width, height)
        decorate(cr, k, top)
        fill(cr, frame_colour(k), width / 2 - PROBE / 2, top + height / 2 - PROBE / 2, PROBE, PROBE)
    save_rgba(surface, GALLERY / name)


def knob_face(frames, size):
    def decorate(cr, k, top):
        centre = size / 2
        cr.set_source_rgba(*rgb("#c9ced8"))
        cr.arc(centre, top + centre, centre - 3, 0, 2 * math.pi)
        cr.fill()
        angle = 5 * math.pi / 4 - (3 * math.pi / 2) * k / (frames - 1)
        cr.set_source_rgba(*rgb("#b0241c"))
        cr.set_line_width(3)
        cr.move_to(centre + math.cos(angle) * 10, top + centre - math.sin(angle) * 10)
        cr.line_to(centre + math.cos(angle) * (centre - 5), top + centre - math.sin(angle) * (centre - 5))
        cr.stroke()
    return decorate


def bar(frames, width, height):
    def decorate(cr, k, top):
        fill(cr, (120, 200, 120), 2, top + height - 6, (width - 4) * (k + 1) / frames, 4)
    return decorate


def lamp(width, height):
    def decorate(cr, k, top):
        fill(cr, (240, 90, 60) if k else (90, 40, 30), 3, top + 3, 8, height - 6)
    return decorate


def slider(name_track, name_handle, length, thickness, handle_length, horizontal):
    width, height = (length, thickness) if horizontal else (thickness, length)
    surface, cr = new_canvas(width, height)
    fill(cr, TRACK_COLOUR, 0, 0, width, height)
    cr.set_source_rgba(*rgb("#8890a0"))
    if horizontal:
        cr.rectangle(4, thickness / 2 - 1, length - 8, 2)
    else:
        cr.rectangle(thickness / 2 - 1, 4, 2, length - 8)
    cr.fill()
    save_rgba(surface, GALLERY / name_track)
    hw, hh = (handle_length, thickness) if horizontal else (thickness, handle_length)
    surface, cr = new_canvas(hw, hh)
    fill(cr, HANDLE_COLOUR, 0, 0, hw, hh)
    save_rgba(surface, GALLERY / name_handle)


TAB_PROBES = ((64, 66, 80), (214, 176, 64))


def tab_strip(width, height):
    """A tab button's pictures, unselected above selected, each with a probe strip at its left
    end in TAB_PROBES[state] so tests can read a tab's state from one pixel."""
    surface, cr = new_canvas(width, height * 2)
    for state, face in enumerate(((52, 54, 64), (232, 226, 208))):
        top = state * height
        fill(cr, face, 0, top, width, height)
        fill(cr, (20, 20, 24), 0, top, width, 1)
        fill(cr, (20, 20, 24), width - 1, top, 1, height)
        fill(cr, TAB_PROBES[state], 3, top + 4, 6, height - 8)
    save_rgba(surface, GALLERY / "tab.png")


def background():
    surface, cr = new_canvas(PANEL_WIDTH, PANEL_HEIGHT)
    gradient = cairo.LinearGradient(0, 0, 0, PANEL_HEIGHT)
    gradient.add_color_stop_rgb(0, 0.20, 0.22, 0.26)
    gradient.add_color_stop_rgb(1, 0.13, 0.14, 0.17)
    cr.set_source(gradient)
    cr.paint()
    cr.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    cr.set_font_size(16)
    cr.set_source_rgba(*rgb("#e8e2d0"))
    cr.move_to(20, 24)
    cr.show_text("Kestrovanel control gallery")
    save_rgba(surface, GALLERY / "background.png")


def main():
    GALLERY.mkdir(parents=True, exist_ok=True)
    background()
    strip("animknob.png", 48, 48, 31, knob_face(31, 48))
    strip("moviebitmap.png", 48, 48, 10, bar(10, 48, 48))
    strip("moviebutton.png", 48, 24, 2, lamp(48, 24))
    strip("autoanimation.png", 48, 48, 8, bar(8, 48, 48))
    strip("onoff.png", 48, 24, 2, lamp(48, 24))
    strip("kick.png", 48, 24, 2, lamp(48, 24))
    strip("vswitch.png", 32, 64, 4, bar(4, 32, 64))
    strip("hswitch.png", 72, 24, 3, bar(3, 72, 24))
    strip("rocker.png", 24, 48, 3, bar(3, 24, 48))
    slider("htrack.png", "hhandle.png", 128, 20, 16, True)
    slider("vtrack.png", "vhandle.png", 128, 20, 16, False)
    tab_strip(96, 24)


if __name__ == "__main__":
    main()
