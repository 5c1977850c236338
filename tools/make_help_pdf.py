#!/usr/bin/env python3
"""Turns the help text (art/help/Tresolo-Hilfe.txt) into assets/Tresolo-Hilfe.pdf.

The source is plain text: "# " starts the title, "## " a heading, "- " or "1. " a list
item, a blank line ends a paragraph. The PDF uses the standard Helvetica fonts in
WinAnsi encoding, so umlauts and the euro sign need no embedded font.
"""
import sys
import textwrap
from pathlib import Path

PAGE_W, PAGE_H, MARGIN = 595, 842, 46
STYLES = {"title": ("F2", 18, 26), "heading": ("F2", 13, 20), "body": ("F1", 10, 13)}
CHARS_PER_LINE = 96


def blocks(text):
    """Yields (style, text, indent) for each wrapped line and None for a gap."""
    paragraph = []
    for raw in text.splitlines() + [""]:
        line = raw.rstrip()
        if line.startswith("## ") or line.startswith("# ") or not line or line[:2] == "- " or line[:1].isdigit():
            if paragraph:
                yield from wrap("body", " ".join(paragraph), 0)
                paragraph = []
        if line.startswith("# "):
            yield from wrap("title", line[2:], 0)
        elif line.startswith("## "):
            yield None
            yield from wrap("heading", line[3:], 0)
        elif line[:2] == "- " or (line[:1].isdigit() and ". " in line[:4]):
            yield from wrap("body", line, 14)
        elif not line:
            yield None
        else:
            paragraph.append(line)


def wrap(style, text, indent):
    """List items (indented) hang their later lines under the item's text."""
    width = CHARS_PER_LINE - indent // 5
    for i, part in enumerate(textwrap.wrap(text, width)):
        yield style, part, indent + (10 if i and indent else 0)


def pdf_text(s):
    data = s.encode("cp1252")
    return data.replace(b"\\", b"\\\\").replace(b"(", b"\\(").replace(b")", b"\\)")


def pages(lines):
    """Splits the lines into page content streams."""
    out, current, y = [], [], PAGE_H - MARGIN
    for item in lines:
        if item is None:
            y -= 6
            continue
        font, size, lead = STYLES[item[0]]
        if y - lead < MARGIN:
            out.append(current)
            current, y = [], PAGE_H - MARGIN
        y -= lead
        current.append(b"BT /%s %g Tf %d %g Td (%s) Tj ET" % (font.encode(), size, MARGIN + item[2], y, pdf_text(item[1])))
    out.append(current)
    return [b"\n".join(p) for p in out]


def build(streams):
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>", None,
               b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
               b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>",
               b"<< /Title (Tresolo - Hilfe) >>"]
    kids = []
    for stream in streams:
        objects.append(b"<< /Length %d >>\nstream\n%s\nendstream" % (len(stream) + 1, stream))
        content = len(objects)
        objects.append(b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %d %d] /Contents %d 0 R "
                       b"/Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> >>" % (PAGE_W, PAGE_H, content))
        kids.append(b"%d 0 R" % len(objects))
    objects[1] = b"<< /Type /Pages /Kids [%s] /Count %d >>" % (b" ".join(kids), len(kids))
    out = bytearray(b"%PDF-1.4\n%\xe4\xf6\xfc\xdf\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n%s\nendobj\n" % (number, body)
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R /Info 5 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    return bytes(out)


def main():
    root = Path(__file__).resolve().parent.parent
    source = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "art/help/Tresolo-Hilfe.txt"
    target = Path(sys.argv[2]) if len(sys.argv) > 2 else root / "assets/Tresolo-Hilfe.pdf"
    target.write_bytes(build(pages(blocks(source.read_text(encoding="utf-8")))))


if __name__ == "__main__":
    main()
