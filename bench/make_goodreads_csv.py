#!/usr/bin/env python3
"""Writes the same N books as a Goodreads library export and as book XML.

    make_goodreads_csv.py N CSV XML

The CSV has Goodreads' 24 columns since 2022, with its quirks: ISBNs written
as ="...", dates YYYY/MM/DD, rating 0 for none, <br/> in reviews, shelves with
positions. The XML holds what the import makes of each row, so the two
imports write the same books.
"""
import csv
import random
import sys
from xml.sax.saxutils import escape

HEADER = ["Book Id", "Title", "Author", "Author l-f", "Additional Authors", "ISBN", "ISBN13",
          "My Rating", "Average Rating", "Publisher", "Binding", "Number of Pages",
          "Year Published", "Original Publication Year", "Date Read", "Date Added",
          "Bookshelves", "Bookshelves with positions", "Exclusive Shelf", "My Review",
          "Spoiler", "Private Notes", "Read Count", "Owned Copies"]


def isbn10(n):
    digits = "%09d" % n
    total = sum((10 - i) * int(d) for i, d in enumerate(digits))
    check = (11 - total % 11) % 11
    return digits + ("X" if check == 10 else str(check))


def isbn13(isbn):
    digits = "978" + isbn[:9]
    total = sum(int(d) * (1 if i % 2 == 0 else 3) for i, d in enumerate(digits))
    return digits + str((10 - total % 10) % 10)


def text(name, value):
    return "<%s>%s</%s>\n" % (name, escape(value), name) if value else ""


def main():
    count, csv_path, xml_path = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    rng = random.Random(20042)
    words = ("garden river quiet history stone light winter letters city maps "
             "sea north house glass field tide craft night harbour song").split()
    with open(csv_path, "w", encoding="utf-8", newline="") as raw, \
            open(xml_path, "w", encoding="utf-8", newline="\n") as xml:
        table = csv.writer(raw, lineterminator="\n")
        table.writerow(HEADER)
        xml.write('<?xml version="1.0" encoding="UTF-8"?>\n<Tomelodex Version="1.1">\n')
        for i in range(1, count + 1):
            title = " ".join(rng.choice(words).capitalize() for _ in range(rng.randint(2, 5)))
            title = "%s, Vol. %d" % (title, i)
            author = "Author %d" % rng.randint(1, 3000)
            isbn = isbn10(100000000 + i)
            rating = rng.randint(0, 5)
            publisher = "Publisher %d" % rng.randint(1, 400)
            binding = rng.choice(["Paperback", "Hardcover"])
            pages = rng.randint(80, 1200)
            year = rng.randint(1950, 2020)
            review = " ".join(rng.choice(words) for _ in range(30))
            table.writerow([str(5000 + i), title, author, author.split()[1] + ", " + author.split()[0],
                            "", '="%s"' % isbn, '="%s"' % isbn13(isbn), str(rating), "3.91",
                            publisher, binding, str(pages), str(year), str(year),
                            "", "2023/05/%02d" % rng.randint(1, 28), "", "", "read",
                            review + "<br/>" + review, "", "", "1", "0"])
            xml.write("<Book>\n" + text("Title", title) + text("Author", author) +
                      text("ISBN", isbn) + text("MyRating", str(rating)) +
                      text("Publisher", publisher) + text("Binding", binding) +
                      text("PageCount", str(pages)) + text("ReleaseDate", str(year)) +
                      text("Notes", review + "<br>" + review) + "</Book>\n")
        xml.write("</Tomelodex>\n")


main()
