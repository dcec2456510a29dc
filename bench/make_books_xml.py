#!/usr/bin/env python3
"""Writes a book XML file of N books in the program's exchange format.

    make_books_xml.py N OUTPUT

The books are varied the way a real collection is: a few hundred publishers,
repeated authors, descriptions of a few hundred characters, one or two links.
"""
import random
import sys
from xml.sax.saxutils import escape


def text(name, value):
    # The program escapes only "&" and "<" in element text.
    return "<%s>%s</%s>\n" % (name, escape(value, {}).replace(">", ">"), name) if value else ""


def isbn10(n):
    digits = "%09d" % n
    total = sum((10 - i) * int(d) for i, d in enumerate(digits))
    check = (11 - total % 11) % 11
    return digits + ("X" if check == 10 else str(check))


def main():
    count, output = int(sys.argv[1]), sys.argv[2]
    rng = random.Random(20041)
    words = ("garden river quiet history stone light winter letters city maps "
             "sea north house glass field tide craft night harbour song").split()
    with open(output, "w", encoding="utf-8", newline="\n") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        out.write('<Tomelodex Version="1.1" CreationDate="12/7/26 9:00 AM">\n')
        for i in range(1, count + 1):
            title = " ".join(rng.choice(words).capitalize() for _ in range(rng.randint(2, 5)))
            out.write('<Book ID="%d">\n' % i)
            out.write(text("Title", "%s & More, Vol. %d" % (title, i)))
            out.write(text("Author", "Author %d / Coauthor %d" % (rng.randint(1, 3000), rng.randint(1, 50))))
            out.write(text("ReleaseDate", "Mar %02d, %d" % (rng.randint(1, 28), rng.randint(1950, 2006))))
            out.write(text("Publisher", "Publisher %d" % rng.randint(1, 400)))
            out.write(text("ISBN", isbn10(100000000 + i)))
            out.write(text("PageCount", str(rng.randint(80, 1200))))
            out.write(text("Language", "English"))
            out.write(text("Binding", rng.choice(["Paperback", "Hardcover"])))
            out.write(text("ListPrice", "%d.%02d" % (rng.randint(5, 90), rng.randint(0, 99))))
            out.write(text("AmazonRating", "%.2f" % (rng.randint(2, 10) / 2)))
            out.write(text("MyRating", str(rng.randint(1, 5))))
            out.write(text("Status", "In Collection"))
            out.write(text("EbookOnly", "No"))
            out.write(text("Description", "<p>%s</p>" % " ".join(rng.choice(words) for _ in range(60))))
            out.write("<Links>\n")
            for j in range(1, rng.randint(1, 2) + 1):
                out.write('<Link ID="%d">\n' % j)
                out.write(text("Title", "Link %d" % j))
                out.write(text("Path", "https://example.org/books/%d/%d" % (i, j)))
                out.write("</Link>\n")
            out.write("</Links>\n")
            out.write("</Book>\n")
        out.write("</Tomelodex>\n")


if __name__ == "__main__":
    main()
