#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the render_scale seeds: the sample scales and the built-in defaults, each on the screen
and for print (with their extension lines), encoded the way the target decodes its input (clang's FuzzedDataProvider: the
texts from the front, every number from the back, most significant byte last)."""
import pathlib
import struct
import sys

KEYS = ["shape", "Lshk", "Hshk", "skos", "Rout", "Rin", "Lkrep", "Rdel", "out_R", "Nfull",
        "Nbig", "Nm", "Lbig", "Lsm", "Hbig", "Hsm", "Duga", "Hduga", "Los_os", "Los_niz"]


def read_qrn(data):
    values = {}
    for line in data.split(b"\r\n"):
        key, _, value = line.partition(b"=")
        values[key.strip().decode("ascii", "replace")] = value.strip()
    return values


def text(value):
    return value.replace(b"\\", b"\\\\") + b"\\x"


def extension_lines(data):
    """The lines after the 24 standard ones, as the file holds them."""
    at = data.find(b"Los_niz")
    end = data.find(b"\r\n", at)
    return data[end + 2:] if at >= 0 and end >= 0 else b""


def encode(values, for_screen, drag=False, template=False, extension=b"", zoom=1):
    front = text(values["name"]) + text(values["unit"])
    back = []  # (byte count, raw value) in the order the target consumes them

    def number(raw, size):
        back.append((size, raw))

    for key in ("range", "alfa"):
        number(struct.unpack("<Q", struct.pack("<d", float(values[key])))[0], 8)
    for key in KEYS:
        number(int(values[key]) + 2**31, 4)
    number(1 if for_screen else 0, 1)
    number(zoom - 1, 1)  # zoom; for print, the export's resolution in steps of 960 dpi
    number(0, 1)  # display correction 1.0
    number(1 if drag else 0, 1)
    if drag:
        for i in range(7):
            number(2**31 + 500 * i, 4)
            number(2**31 + 300 * i, 4)
    if for_screen:
        number(1 if template else 0, 1)
        if template:
            number(31, 1)
            number(23, 1)
            number(2**31 + 5000, 4)
            number(2**31 - 3000, 4)
            number(2**31 - 2000, 4)
    number(3, 1)  # 600 dpi
    if for_screen:
        number(1200, 2)
    tail = b""
    for size, raw in back:
        tail = raw.to_bytes(size, "little") + tail
    # Whatever lies between the texts and the numbers is left for last: the extension lines.
    return front + extension + tail


def main():
    samples = pathlib.Path(sys.argv[1])
    out = pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    for qrn in sorted(samples.glob("*.qrn")):
        values = read_qrn(qrn.read_bytes())
        (out / f"{qrn.stem}-screen.bin").write_bytes(encode(values, True))
        extension = extension_lines(qrn.read_bytes())
        (out / f"{qrn.stem}-print.bin").write_bytes(encode(values, False, extension=extension))
    values = read_qrn((samples / "M4200-15V.qrn").read_bytes())
    (out / "dragged-with-template.bin").write_bytes(encode(values, True, True, True))
    # The VU meter's colour export at 9600 dpi: a canvas of 2.9 GB, whose rows beyond 2 GiB the
    # raster engine once reached through an int that wrapped round.
    vu = (samples / "VU-meter.qrn").read_bytes()
    (out / "colour-canvas-beyond-two-gigabytes.bin").write_bytes(
        encode(read_qrn(vu), False, extension=extension_lines(vu), zoom=10))


main()
