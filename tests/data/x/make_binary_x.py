#!/usr/bin/env python3
"""Writes two_materials_binary.x: the mesh of two_materials.x in the binary .x
encoding (tokens: names, integer lists, float lists, braces)."""
import struct
from pathlib import Path

NAME, INTEGER_LIST, FLOAT_LIST, OBRACE, CBRACE = 1, 6, 7, 10, 11


def name(text):
    return struct.pack("<HI", NAME, len(text)) + text.encode()


def ints(values):
    return struct.pack("<HI", INTEGER_LIST, len(values)) + struct.pack(f"<{len(values)}I", *values)


def floats(values):
    return struct.pack("<HI", FLOAT_LIST, len(values)) + struct.pack(f"<{len(values)}f", *values)


def block(kind, *content, label=None):
    head = name(kind) + (name(label) if label else b"")
    return head + struct.pack("<H", OBRACE) + b"".join(content) + struct.pack("<H", CBRACE)


positions = [-1, 0, 0, 0, 1, 0, 1, 0, 0, 0, -1, 0.5]
faces = [3, 3, 0, 1, 2, 3, 0, 2, 3, 3, 1, 0, 3]
red = block("Material", floats([1, 0, 0, 1, 20, 1, 1, 1, 0, 0, 0]))
blue = block("Material", floats([0, 0, 1, 1, 0, 0, 0, 0, 0.2, 0.2, 0.2]))
materials = block("MeshMaterialList", ints([2, 3, 0, 1, 0]), red, blue)
normals = block("MeshNormals", ints([4]), floats([0, 0, -1] * 4), ints(faces))
mesh = block("Mesh", ints([4]), floats(positions), ints(faces), materials, normals, label="TwoColours")
Path(__file__).with_name("two_materials_binary.x").write_bytes(b"xof 0302bin 0032" + mesh)
