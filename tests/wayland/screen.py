"""What the compositor shows, read from its screenshots: PNG files read without any library beyond
Python's own, a window's client area found by its background colour, and compared pixel for pixel
with a reference picture."""
import struct
import zlib


def read_png(path):
    """(width, height, rows of (r, g, b) tuples) of an 8-bit RGB or RGBA PNG, not interlaced."""
    with open(path, "rb") as file:
        data = file.read()
    position, chunks, header = 8, b"", None
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks += body
        position += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: not an 8-bit RGB(A) PNG")
    step = 3 if colour == 2 else 4
    raw, stride, rows, previous = zlib.decompress(chunks), width * step, [], bytes(width * step)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - step] if x >= step else 0
            up, corner = previous[x], previous[x - step] if x >= step else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                guess = left + up - corner
                near = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                           (abs(guess - corner), 2, corner))[2]
                line[x] = (line[x] + near) & 0xFF
        previous = bytes(line)
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, step)])
    return width, height, rows


def area_of(picture, colour):
    """(left, top, right, bottom) around every pixel of the colour; None if none has it."""
    _, _, rows = picture
    found = [(x, y) for y, row in enumerate(rows) for x, pixel in enumerate(row) if pixel == colour]
    if not found:
        return None
    xs, ys = [x for x, _ in found], [y for _, y in found]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def differing(picture, area, reference):
    """How many pixels of the area differ from the reference picture of its size; -1 if the
    sizes differ or there is no area."""
    if area is None:
        return -1
    left, top, right, bottom = area
    width, height, rows = reference
    if (right - left, bottom - top) != (width, height):
        return -1
    _, _, shown = picture
    return sum(shown[top + y][left + x] != rows[y][x] for y in range(height) for x in range(width))
