#!/usr/bin/python3
"""Regenerates the committed artwork in resources/icons.

Run once by hand after changing the artwork (needs the Debian packages
famfamfam-silk, famfamfam-flag-png and python3-pil); the build itself only
uses the committed PNG and GIF files.
"""
import math
import os
import shutil
import sys

from PIL import Image, ImageDraw, ImageEnhance, ImageOps

SILK = "/usr/share/icons/silk/16x16"
FLAGS = "/usr/share/flags/countries/16x11"
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "icons")

# Program picture name -> Silk icon it is copied from.
SILK_COPIES = {
    "bullet_down.png": "bullet_arrow_down.png",
    "config_content.png": "shield.png",
    "config_general.png": "cog.png",
    "config_proxy.png": "server_connect.png",
    "config_virusscan.png": "bug.png",
    "cross.png": "cross.png",
    "download.png": "arrow_down.png",
    "encrypted.png": "key.png",
    "failed.png": "exclamation.png",
    "fileopen.png": "folder_page.png",
    "fold.png": "resultset_previous.png",
    "folder_files.png": "folder_page_white.png",
    "folders.png": "folder_explore.png",
    "go.png": "arrow_right.png",
    "info.png": "information.png",
    "load.png": "hourglass.png",
    "locked.png": "lock.png",
    "mime_exe.png": "application.png",
    "mime_file.png": "page_white_get.png",
    "new.png": "add.png",
    "ok.png": "accept.png",
    "paused.png": "control_pause_blue.png",
    "play.png": "control_play_blue.png",
    "question.png": "help.png",
    "search.png": "magnifier.png",
    "stopped.png": "control_stop_blue.png",
    "tarvo.png": "package_go.png",
    "timer.png": "clock.png",
    "trash.png": "bin_closed.png",
    "unfold_arrow.png": "resultset_next.png",
    "unlocked.png": "lock_open.png",
    "warning.png": "error.png",
    "warning_r.png": "error.png",
    "closeover_btn.png": "cancel.png",
}


def silk(name):
    return Image.open(os.path.join(SILK, name)).convert("RGBA")


def rounded_panel(size, radius, top, bottom, border, scale=4):
    """A vertical-gradient rounded rectangle on a fully transparent ground,
    drawn large and scaled down for smooth edges."""
    w, h = size[0] * scale, size[1] * scale
    gradient = Image.new("RGBA", (w, h))
    draw = ImageDraw.Draw(gradient)
    for y in range(h):
        t = y / max(1, h - 1)
        colour = tuple(round(top[i] + (bottom[i] - top[i]) * t) for i in range(3)) + (255,)
        draw.line([(0, y), (w, y)], fill=colour)
    shape = Image.new("L", (w, h), 0)
    ImageDraw.Draw(shape).rounded_rectangle([0, 0, w - 1, h - 1], radius * scale, fill=255)
    panel = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    panel.paste(gradient, (0, 0), shape)
    ImageDraw.Draw(panel).rounded_rectangle([scale, scale, w - 1 - scale, h - 1 - scale],
                                            (radius - 1) * scale, outline=border + (255,),
                                            width=scale * 2)
    return panel.resize(size, Image.LANCZOS)


def main():
    os.makedirs(os.path.join(OUT, "flags"), exist_ok=True)
    for target, source in SILK_COPIES.items():
        shutil.copyfile(os.path.join(SILK, source), os.path.join(OUT, target))

    # Close label: the grey form of the red hover picture.
    over = silk("cancel.png")
    grey = ImageOps.grayscale(over.convert("RGB"))
    grey = ImageEnhance.Brightness(grey.convert("RGB")).enhance(1.1).convert("RGBA")
    grey.putalpha(over.getchannel("A"))
    grey.save(os.path.join(OUT, "close_btn.png"))

    # Folding arrow: a brighter form for the hover state.
    fold = silk("resultset_previous.png")
    bright = ImageEnhance.Brightness(fold).enhance(1.35)
    bright.putalpha(fold.getchannel("A"))
    bright.save(os.path.join(OUT, "foldover.png"))

    # Message window background: light, rounded, readable dark text on it.
    rounded_panel((300, 140), 14, (252, 253, 254), (226, 236, 241), (112, 150, 168)).save(
        os.path.join(OUT, "infodlg.png"))
    # Floating speed window background: a dark rounded bar under the graph.
    rounded_panel((160, 42), 8, (84, 98, 110), (38, 46, 54), (20, 24, 28)).save(
        os.path.join(OUT, "floating_splash.png"))

    # Busy animation of the search box: a globe with a dot circling it.
    globe = silk("world.png").resize((14, 14), Image.LANCZOS)
    frames = []
    for i in range(12):
        frame = Image.new("RGBA", (18, 18), (255, 255, 255, 0))
        frame.paste(globe, (2, 2), globe)
        angle = 2 * math.pi * i / 12
        cx, cy = 9 + 7 * math.cos(angle), 9 + 7 * math.sin(angle)
        ImageDraw.Draw(frame).ellipse([cx - 2, cy - 2, cx + 2, cy + 2], fill=(255, 149, 43, 255))
        frames.append(frame)
    palette_frames = []
    for frame in frames:
        alpha = frame.getchannel("A")
        p = frame.convert("RGB").convert("P", palette=Image.ADAPTIVE, colors=255)
        mask = Image.eval(alpha, lambda a: 255 if a < 128 else 0)
        p.paste(255, mask)
        palette_frames.append(p)
    palette_frames[0].save(os.path.join(OUT, "loading_globe.gif"), save_all=True,
                           append_images=palette_frames[1:], duration=80, loop=0,
                           transparency=255, disposal=2)

    for name in sorted(os.listdir(FLAGS)):
        if name.endswith(".png") and len(name) == 6:
            shutil.copyfile(os.path.join(FLAGS, name), os.path.join(OUT, "flags", name))
    return 0


if __name__ == "__main__":
    sys.exit(main())
