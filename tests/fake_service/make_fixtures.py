#!/usr/bin/env python3
"""Writes the generated fixtures of the fake product service.

Covers (small real JPEG and GIF pictures, some of an exact size), product
pages (long enough that the edition line comes after line 300) and the
keyword search pages. The lookup answers under fixtures/lookup are written by
hand. Run it again after changing this file; its output is committed.
"""

import os
import struct
import sys
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURES = os.path.join(HERE, "fixtures")


# ---------------------------------------------------------------- pictures

def _segment(marker, payload):
    return b"\xff" + bytes([marker]) + struct.pack(">H", len(payload) + 2) + payload


def _huffman_codes(bits, values):
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class _BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def write(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.acc = 0
                self.count = 0

    def flush(self):
        while self.count:
            self.write(1, 1)
        return bytes(self.out)


def jpeg(width, height, size=None):
    """A baseline greyscale JPEG whose 8x8 blocks are flat tones (a diagonal
    ramp), padded with a comment segment to exactly `size` bytes."""
    dc_bits = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
    dc_values = list(range(12))
    ac_bits = [1] + [0] * 15
    ac_values = [0]  # end of block is the only AC symbol needed
    dc_codes = _huffman_codes(dc_bits, dc_values)
    eob_code = _huffman_codes(ac_bits, ac_values)[0]

    blocks_x, blocks_y = (width + 7) // 8, (height + 7) // 8
    writer = _BitWriter()
    previous = 0
    for by in range(blocks_y):
        for bx in range(blocks_x):
            tone = 40 + (bx + by) * 175 // max(1, blocks_x + blocks_y - 2)
            dc = tone - 128  # the DC coefficient of a flat block over the quantiser 8
            diff = dc - previous
            previous = dc
            category = abs(diff).bit_length()
            writer.write(*dc_codes[category])
            if category:
                writer.write(diff if diff > 0 else diff + (1 << category) - 1, category)
            writer.write(*eob_code)
    scan = writer.flush()

    head = b"\xff\xd8" + _segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    tail = (
        _segment(0xDB, b"\x00" + bytes([8] * 64))
        + _segment(0xC0, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00")
        + _segment(0xC4, b"\x00" + bytes(dc_bits) + bytes(dc_values)
                   + b"\x10" + bytes(ac_bits) + bytes(ac_values))
        + _segment(0xDA, b"\x01\x01\x00\x00\x3f\x00")
        + scan
        + b"\xff\xd9"
    )
    if size is None:
        return head + tail
    padding = size - len(head) - len(tail) - 4
    if padding < 0:
        raise ValueError("JPEG cannot be made as small as %d bytes" % size)
    comment = (b"Tomelodex test cover " * (padding // 21 + 1))[:padding]
    data = head + _segment(0xFE, comment) + tail
    assert len(data) == size
    return data


def _sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    return bytes(out) + b"\x00"


def gif(width, height, size=None):
    """A GIF89a with a four-colour checker pattern, padded with a comment
    extension to exactly `size` bytes. Every pixel code is preceded by a clear
    code, so the LZW code size stays at three bits."""
    palette = bytes([250, 245, 230, 40, 70, 120, 180, 60, 50, 90, 150, 90])
    head = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x91, 0, 0) + palette
    codes = []
    for y in range(height):
        for x in range(width):
            codes += [4, ((x // 4) + (y // 4)) % 4]
    codes.append(5)
    packed, acc, count = bytearray(), 0, 0
    for code in codes:
        acc |= code << count
        count += 3
        while count >= 8:
            packed.append(acc & 0xFF)
            acc >>= 8
            count -= 8
    if count:
        packed.append(acc & 0xFF)
    image = (b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
             + b"\x02" + _sub_blocks(bytes(packed)))
    trailer = b"\x3b"
    if size is None:
        return head + image + trailer
    room = size - len(head) - len(image) - len(trailer)
    for length in range(room, -1, -1):
        comment = b"\x21\xfe" + _sub_blocks((b"Tomelodex test cover " * (length // 21 + 1))[:length])
        if len(comment) == room:
            break
    else:
        raise ValueError("GIF cannot be made as small as %d bytes" % size)
    data = head + comment + image + trailer
    assert len(data) == size
    return data


# ---------------------------------------------------------------- product pages

def page(title, marked, total_lines, newline="\n"):
    """A store product page of `total_lines` lines; `marked` maps 1-based
    line numbers to their text, every other line is filler."""
    lines = []
    for number in range(1, total_lines + 1):
        if number in marked:
            lines.append(marked[number])
        elif number == 1:
            lines.append("<!DOCTYPE html>")
        elif number == 2:
            lines.append("<html><head><title>%s</title></head><body>" % escape(title))
        elif number == total_lines and number not in marked:
            lines.append("</body></html>")
        else:
            lines.append('<div class="nav">Line %03d of the store page: departments, '
                         'lists, recommendations and other links.</div>' % number)
    return newline.join(lines) + newline


PAGES = {
    # Edition "Revised & expanded edition (March 15, 2004)"; a decoy line
    # inside the first 300 lines must be skipped.
    "0596007124": dict(title="Cartography of the Quiet Sea", total=420, newline="\n", marked={
        120: "<li><b>Publisher:</b> Decoy Press; 9th edition (January 1, 1999)</li>",
        341: "<li><b>Publisher:</b> Brindle &amp; Finch; Revised &amp; expanded edition",
        342: "",
        343: "<br>",
        344: " (March 15, 2004)</li>",
    }),
    # Publisher line without "; " (edition becomes empty, then the next long
    # line ending in </li> is appended); CRLF line ends.
    "0596004206": dict(title="Gardens Under Glass", total=330, newline="\r\n", marked={
        305: "<li><b>Publisher:</b> Quillmark Press (June 2003)</li>",
        306: "<li><b>Language:</b> English</li>",
    }),
    # Only a publisher line inside the first 300 lines: the edition stays.
    "080442957X": dict(title="Small Rivers", total=350, newline="\n", marked={
        200: "<li><b>Publisher:</b> Northmoor Books; 2nd edition (1998)</li>",
    }),
    # The publisher line is the last line: the file ends before a second line.
    "1876543221": dict(title="Just Big Enough", total=310, newline="\n", marked={
        310: "<li><b>Publisher:</b> Fenwick House; 3rd edition",
    }),
    # A page in Latin-1, as the store sends them: accented letters in the edition.
    "1876543272": dict(title="Petit Atlas", total=320, newline="\n", encoding="latin-1", marked={
        311: "<li><b>Publisher:</b> Caf\u00e9 Presse; 2\u00e8me \u00e9dition (mai 2004)</li>",
    }),
}


# ---------------------------------------------------------------- keyword search

def _item(asin, name, authors, manufacturer, released, price):
    return dict(asin=asin, name=name, authors=authors, manufacturer=manufacturer,
                released=released, price=price)


KNIT_PAGES = [
    [
        _item("0596007124", "Cartography of the Quiet Sea",
              ["Maren Holloway", "Tobias Quenneville", "Ada Lindqvist"],
              "Brindle & Finch", "15 March, 2004", "$39.95"),
        _item("B00009EFPJ", "Knit Light (Digital Edition)", ["Oona Castell"],
              "Pixel Yarns", "02 May, 2003", "$9.99"),
        _item("1903211441", "Knit + Purl: The First Winter", ["Hedda Brisk", "Jon Aalto"],
              "Woolgather", "01 October, 2002", "$14.95"),
        _item("190321145X", "Tips for Round Needles", ["Hedda Brisk"],
              "Woolgather", "01 April, 2003", "$12.95"),
        _item("1903211468", "More Purl Than Knit", ["Saskia Verhoef"],
              "Yarn & Needle", "September, 2001", "$19.00"),
        _item("B000FBJCJE", "Cables Tricks Collection (eBook)", ["Lina Morrow"],
              "Pixel Yarns", "11 June, 2004", "$6.50"),
        _item("1903211476", "The Knitter's Tricks Companion", ["Lina Morrow"],
              "Woolgather", "1999", "$21.00"),
        _item("1903211484", "Knit, Purl and More", [],
              "Yarn & Needle", "03 March, 2004", "$17.50"),
        _item("1903211492", "Purl Stitches Explained", ["Ivo Stern"],
              "Fenwick House", "20 January, 2000", "$11.00"),
        _item("1903211506", "Fair Isle Tips", ["Morag Fyfe"],
              "Fenwick House", "05 July, 2002", "$15.25"),
    ],
    [
        _item("080442957X", "Small Rivers: A Field Notebook", ["Henrik Solberg"],
              "Northmoor Books", "1998", "$18.00"),
        _item("1903211514", "Knitted Toys", ["Pia Dorn"], "Woolgather", "1997", "$9.00"),
        _item("1903211522", "Socks, Tips and Heels", ["Pia Dorn"], "Woolgather", "1998", "$9.50"),
        _item("1903211530", "Lace Knitting Tricks", ["Edda Rowe"], "Quillmark Press", "2001",
              "$24.00"),
        _item("1903211549", "The Purl Diaries", ["Moss Avery"], "Quillmark Press", "2003",
              "$13.00"),
        _item("1903211557", "Knit More, Worry Less", ["Tamsin Greer"], "Fenwick House",
              "2004", "$16.00"),
        _item("1903211565", "Tricks of the Yarn Trade", ["Tamsin Greer"], "Fenwick House",
              "2002", "$16.00"),
        _item("1903211573", "Knit and Purl Patterns", ["Olwen Pryce"], "Woolgather", "2000",
              "$22.00"),
        _item("1903211581", "Colourwork Tips", ["Olwen Pryce"], "Woolgather", "2001", "$22.00"),
        _item("190321159X", "A Year of Knitting Tricks", ["Bea Lund"], "Yarn & Needle", "2003",
              "$27.00"),
    ],
    [
        _item("1903211603", "Purl Soho Evenings", ["Ria Kemp"], "Woolgather", "2004", "$14.00"),
        _item("B0002XK5IU", "Knitting Tips (Audio Download)", ["Ria Kemp"], "Pixel Yarns",
              "2004", "$4.00"),
        # Ten digits, but the check digit is wrong: not an ISBN, left out too.
        _item("1903211445", "Misprinted Identifier", ["Nobody Known"], "Woolgather", "2004",
              "$1.00"),
        _item("1903211611", "Knit Tricks for Children", ["Ria Kemp"], "Woolgather", "2004",
              "$10.00"),
    ],
]

SEARCHES = {
    # name: (query as the service receives it, total results, pages)
    "knit": ("title:knit + purl  more tips tricks", 24, KNIT_PAGES),
    "brindle": ("publisher:brindle", 1, [[
        _item("0596007124", "Cartography of the Quiet Sea",
              ["Maren Holloway", "Tobias Quenneville", "Ada Lindqvist"],
              "Brindle & Finch", "15 March, 2004", "$39.95"),
    ]]),
    "garden": ("title:garden and publisher:quillmark", 2, [[
        _item("0596004206", "Gardens Under Glass", ["Rosalind Achterberg", "Piet Vos"],
              "Quillmark Press", "June, 2003", "$31.00"),
        _item("1903211638", "Garden Paths", ["Rosalind Achterberg"], "Quillmark Press",
              "2001", "$12.00"),
    ]]),
    "ebooks": ("title:ebooks", 3, [[
        _item("B00009EFPJ", "Knit Light (Digital Edition)", ["Oona Castell"], "Pixel Yarns",
              "02 May, 2003", "$9.99"),
        _item("B000FBJCJE", "Cables Tricks Collection (eBook)", ["Lina Morrow"], "Pixel Yarns",
              "11 June, 2004", "$6.50"),
        _item("B0002XK5IU", "Knitting Tips (Audio Download)", ["Ria Kemp"], "Pixel Yarns",
              "2004", "$4.00"),
    ]]),
}

SEARCH_ARGUMENTS = [("t", "webservices-20"), ("dev-t", "K8R2VW5QZ7MN4"), ("mode", "books"),
                    ("type", "lite"), ("f", "xml"), ("sort", "+titlerank")]


def search_page(query, total_results, total_pages, page_number, items):
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<ProductInfo xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">',
           "<Request><Args>"]
    arguments = SEARCH_ARGUMENTS + [("PowerSearch", query), ("page", str(page_number))]
    for name, value in arguments:
        out.append('<Arg value="%s" name="%s"></Arg>' % (escape(value, {'"': "&quot;"}), name))
    out.append("</Args></Request>")
    out.append("<TotalResults>%d</TotalResults>" % total_results)
    out.append("<TotalPages>%d</TotalPages>" % total_pages)
    for item in items:
        out.append('<Details url="@BASE@/exec/obidos/ASIN/%s">' % item["asin"])
        out.append("<Asin>%s</Asin>" % item["asin"])
        out.append("<ProductName>%s</ProductName>" % escape(item["name"]))
        out.append("<Catalog>Book</Catalog>")
        if item["authors"]:
            out.append("<Authors>%s</Authors>" % "".join(
                "<Author>%s</Author>" % escape(a) for a in item["authors"]))
        out.append("<ReleaseDate>%s</ReleaseDate>" % escape(item["released"]))
        out.append("<Manufacturer>%s</Manufacturer>" % escape(item["manufacturer"]))
        for size in ("Small", "Medium", "Large"):
            out.append("<ImageUrl%s>@BASE@/images/P/%s.%s.jpg</ImageUrl%s>"
                       % (size, item["asin"], size[0], size))
        out.append("<ListPrice>%s</ListPrice>" % item["price"])
        out.append("<OurPrice>%s</OurPrice>" % item["price"])
        out.append("</Details>")
    out.append("</ProductInfo>")
    return "\n".join(out) + "\n"


# ---------------------------------------------------------------- output

COVERS = {
    "0596007124.L.jpg": lambda: jpeg(64, 96, 6000),
    "0596007124.M.jpg": lambda: jpeg(32, 48),
    "0596004206.L.gif": lambda: gif(24, 32, 3000),
    "1876543213.L.jpg": lambda: jpeg(16, 24, 2047),
    "1876543221.L.jpg": lambda: jpeg(16, 24, 2048),
    "1876543256.L.jpg": lambda: jpeg(48, 64, 4000),
    # An error page where the answer promised a picture, long enough to pass
    # for a cover by its Content-Length.
    "1876549009.L.jpg": lambda: not_a_picture(3000),
}


def not_a_picture(size):
    """An HTML error page of exactly `size` bytes."""
    head = ("<!DOCTYPE html>\n<html><head><title>Service unavailable</title></head>\n"
            "<body><h1>Service unavailable</h1>\n<p>")
    tail = "</p></body></html>\n"
    filler = ("Please try again later. " * (size // 24 + 1))[:size - len(head) - len(tail)]
    return (head + filler + tail).encode("ascii")


def write(relative, data):
    path = os.path.join(FIXTURES, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(path, "wb") as f:
        f.write(data)


def main():
    for name, make in COVERS.items():
        write(os.path.join("covers", name), make())
    for isbn, layout in PAGES.items():
        text = page(layout["title"], layout["marked"], layout["total"], layout["newline"])
        write(os.path.join("pages", isbn + ".html"), text.encode(layout.get("encoding", "utf-8")))
    index = ["# name<TAB>PowerSearch value as received (after percent-decoding).",
             "# Page N of a search is <name>-<N>.xml; anything else gets _nomatch.xml."]
    for name, (query, total, pages) in SEARCHES.items():
        index.append("%s\t%s" % (name, query))
        for number, items in enumerate(pages, 1):
            write(os.path.join("search", "%s-%d.xml" % (name, number)),
                  search_page(query, total, len(pages), number, items))
    write(os.path.join("search", "queries.txt"), "\n".join(index) + "\n")
    write(os.path.join("search", "_nomatch.xml"),
          '<?xml version="1.0" encoding="UTF-8"?>\n'
          '<ProductInfo xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">\n'
          "<ErrorMsg>There are no exact matches for the search.</ErrorMsg>\n"
          "</ProductInfo>\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
