#!/usr/bin/env python3
"""Renders SVG images and packs them into the bitmaps and icons the program carries.

strip: renders each SVG as one cell (square unless given a width) and writes them side by
       side into one 32-bit BMP with straight alpha (what comctl32 image lists expect).
icon:  renders the SVGs at the icon sizes into one .ico (DIB entries up to 48, PNG at 256).
picture: renders one SVG at its own width and height into an opaque 8-bit palette BMP, for
       pictures that are drawn as they are (the wizards' watermarks).
An SVG whose name ends in "-disabled.svg" is rendered with the disabled stylesheet.
"""
import argparse
import os
import struct
import subprocess
import sys
import tempfile


def run(command, **options):
    try:
        return subprocess.run(command, check=True, **options)
    except (OSError, subprocess.CalledProcessError) as error:
        sys.exit(f"pack_images: {' '.join(command)} failed: {error}")


def render(job, svg, width, height, stylesheet, png):
    command = [job.rsvg, "-w", str(width), "-h", str(height), "-f", "png", "-o", png]
    sheet = stylesheet or (job.disabled_style if svg.endswith("-disabled.svg") else None)
    if sheet:
        command += ["--stylesheet", sheet]
    run(command + [svg])


def rgba_rows(job, pngs, width, height):
    """Appends the PNGs left to right and returns the pixels, top row first."""
    raw = run([job.convert, *pngs, "-background", "none", "+append", "-depth", "8", "RGBA:-"],
              stdout=subprocess.PIPE).stdout
    if len(raw) != width * height * 4:
        sys.exit(f"pack_images: expected {width}x{height} pixels, got {len(raw) // 4}")
    stride = width * 4
    return [raw[y * stride:(y + 1) * stride] for y in range(height)]


def bgra(row):
    out = bytearray(row)
    out[0::4], out[2::4] = row[2::4], row[0::4]
    return bytes(out)


def dib(rows, width, height, with_mask):
    """BITMAPINFOHEADER plus bottom-up 32-bit pixels; an icon doubles the height for its mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * (2 if with_mask else 1), 1, 32, 0,
                         width * height * 4, 2835, 2835, 0, 0)
    pixels = b"".join(bgra(row) for row in reversed(rows))
    if not with_mask:
        return header + pixels
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x in range(width):
            if row[x * 4 + 3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + pixels + bytes(mask)


def write_strip(job):
    with tempfile.TemporaryDirectory() as work:
        pngs = []
        cell_width = job.width or job.size
        for index, svg in enumerate(job.svgs):
            png = os.path.join(work, f"{index:02}.png")
            render(job, svg, cell_width, job.size, job.stylesheet, png)
            pngs.append(png)
        width = cell_width * len(pngs)
        rows = rgba_rows(job, pngs, width, job.size)
    body = dib(rows, width, job.size, with_mask=False)
    with open(job.output, "wb") as out:
        out.write(struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, 14 + 40) + body)


def write_picture(job):
    """Flattened onto white, so a picture never depends on how its drawer treats alpha, and
    reduced to a palette of 256 colours (dithered): a third of the bytes of 24 bits, which the
    program carries in its image, with no difference to see in flat artwork."""
    with tempfile.TemporaryDirectory() as work:
        png = os.path.join(work, "picture.png")
        render(job, job.svg, job.width, job.height, None, png)
        run([job.convert, png, "-background", "white", "-flatten", "-dither", "FloydSteinberg", "-colors", "256",
             "-type", "Palette", "-compress", "None", "BMP3:" + job.output])
    with open(job.output, "rb") as f:
        header = f.read(30)
    width, height, _, bits = struct.unpack("<iiHH", header[18:30])
    if (width, height, bits) != (job.width, job.height, 8):
        sys.exit(f"pack_images: expected an 8-bit {job.width}x{job.height} picture, got {bits}-bit {width}x{height}")


def icon_source(svgs, size):
    """The design drawn for the largest size not above this one: small sizes get simpler art."""
    designs = sorted((int(os.path.basename(s).split("-")[0]), s) for s in svgs)
    fitting = [svg for drawn, svg in designs if drawn <= size]
    return fitting[-1] if fitting else designs[0][1]


def write_icon(job):
    entries = []
    with tempfile.TemporaryDirectory() as work:
        for size in (int(s) for s in job.sizes.split(",")):
            png = os.path.join(work, f"{size}.png")
            render(job, icon_source(job.svgs, size), size, size, None, png)
            if size >= 256:
                with open(png, "rb") as f:
                    entries.append((size, f.read()))
            else:
                entries.append((size, dib(rgba_rows(job, [png], size, size), size, size, True)))
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for size, data in entries:
        side = size % 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(job.output, "wb") as out:
        out.write(directory + b"".join(data for _, data in entries))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rsvg", required=True)
    parser.add_argument("--convert", required=True)
    parser.add_argument("--disabled-style", required=True)
    sub = parser.add_subparsers(dest="kind", required=True)
    strip = sub.add_parser("strip")
    strip.add_argument("--size", type=int, required=True, help="cell height, and width unless --width")
    strip.add_argument("--width", type=int)
    strip.add_argument("--stylesheet")
    strip.add_argument("--output", required=True)
    strip.add_argument("svgs", nargs="+")
    icon = sub.add_parser("icon")
    icon.add_argument("--sizes", required=True, help="comma-separated, e.g. 16,32,256")
    icon.add_argument("--output", required=True)
    icon.add_argument("svgs", nargs="+")
    picture = sub.add_parser("picture")
    picture.add_argument("--width", type=int, required=True)
    picture.add_argument("--height", type=int, required=True)
    picture.add_argument("--output", required=True)
    picture.add_argument("svg")
    args = parser.parse_args()
    {"strip": write_strip, "icon": write_icon, "picture": write_picture}[args.kind](args)


if __name__ == "__main__":
    main()
