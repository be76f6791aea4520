#!/usr/bin/python3
"""Renders one user's guide from its Markdown source into a PDF with embedded fonts.

    render_guide.py SOURCE.md STYLE.css OUTPUT.PDF [--resources DIR] [--html OUTPUT.html]

The source starts with a block of "key: value" lines between two "---" lines (title, subtitle, lang,
edition, contents). Level-2 headings are the chapters and start a new page; level-2 and level-3
headings make up the table of contents, with page numbers. The rest is Markdown with the "extra"
extensions (tables, definition lists, attribute lists, raw HTML blocks). Images with a relative
address are looked for in the --resources folder (by default the source's own folder).

Run it with Debian's own Python, which has the python3-markdown and weasyprint packages; make-pdfs.sh
beside this file does that and sets SOURCE_DATE_EPOCH so that the output is the same on every run.
"""

import argparse
import html
import pathlib
import re
import sys
import unicodedata

import markdown
from markdown.extensions.toc import slugify_unicode
import weasyprint


def read_source(path):
    text = path.read_text(encoding="utf-8")
    match = re.match(r"---\n(.*?)\n---\n", text, re.S)
    if not match:
        sys.exit(f"{path}: the file must start with a block of key: value lines between two --- lines")
    meta = {}
    for line in match.group(1).splitlines():
        key, _, value = line.partition(":")
        meta[key.strip()] = value.strip()
    for key in ("title", "subtitle", "lang", "contents"):
        if key not in meta:
            sys.exit(f"{path}: the opening block has no '{key}' line")
    return meta, text[match.end():]


RESOURCES_URL = "file:///guide-resources/"

WIDE_PUNCTUATION = set("、。，．「」『』（）［］【】：；！？・…〜")


def is_wide(character):
    return unicodedata.east_asian_width(character) in ("W", "F", "H")


def joined_lines(body_html):
    """Joins the lines of a paragraph the way Japanese text is set: a line break between two Japanese
    characters, or next to Japanese punctuation, disappears instead of becoming a space. Preformatted
    blocks keep their lines."""

    def join(text):
        def replace(match):
            before, after = match.group(1), match.group(2)
            if (is_wide(before) and is_wide(after)) or before in WIDE_PUNCTUATION or after in WIDE_PUNCTUATION:
                return before + after
            return match.group(0)

        return re.sub(r"(.)\n[ \t]*(.)", replace, text)

    parts = re.split(r"(<pre\b.*?</pre>)", body_html, flags=re.S)
    return "".join(part if part.startswith("<pre") else join(part) for part in parts)


def numbered_chapters(body_html, toc_tokens):
    """Puts the chapter and section numbers into the headings; returns the new HTML and the entries of
    the table of contents as (level, id, number, title)."""
    entries = []
    for chapter_number, chapter in enumerate(toc_tokens, start=1):
        entries.append((2, chapter["id"], f"{chapter_number}", chapter["name"]))
        for section_number, section in enumerate(chapter["children"], start=1):
            entries.append((3, section["id"], f"{chapter_number}.{section_number}", section["name"]))
    for level, anchor, number, _ in entries:
        body_html, count = re.subn(
            rf'<h{level} id="{re.escape(anchor)}">(.*?)</h{level}>',
            lambda match: (
                f'<h{level} id="{anchor}"><span class="number">{number}</span>'
                f'<span class="title">{match.group(1)}</span></h{level}>'
            ),
            body_html,
            count=1,
            flags=re.S,
        )
        if count != 1:
            sys.exit(f"heading #{anchor} not found in the rendered HTML")
    return body_html, entries


def contents_html(meta, entries):
    lines = [f'<nav class="contents"><h2 class="contents-title">{html.escape(meta["contents"])}</h2><ul>']
    for level, anchor, number, title in entries:
        lines.append(
            f'<li class="level{level}"><a href="#{anchor}"><span class="number">{number}</span>'
            f'<span class="title">{title}</span></a></li>'
        )
    lines.append("</ul></nav>")
    return "\n".join(lines)


def title_page_html(meta):
    parts = ['<section class="title-page">']
    parts.append(f'<p class="product">{html.escape(meta["title"])}</p>')
    parts.append(f'<p class="subtitle">{html.escape(meta["subtitle"])}</p>')
    if meta.get("tagline"):
        parts.append(f'<p class="tagline">{html.escape(meta["tagline"])}</p>')
    if meta.get("programs"):
        parts.append(f'<p class="programs">{html.escape(meta["programs"])}</p>')
    if meta.get("edition"):
        parts.append(f'<p class="edition">{html.escape(meta["edition"])}</p>')
    parts.append("</section>")
    return "\n".join(parts)


def build_html(meta, markdown_text, css_text):
    converter = markdown.Markdown(
        extensions=["extra", "toc", "sane_lists"],
        extension_configs={"toc": {"slugify": slugify_unicode, "toc_depth": "2-3"}},
    )
    body = joined_lines(converter.convert(markdown_text))
    body, entries = numbered_chapters(body, converter.toc_tokens)
    running_title = meta.get("running-title", f'{meta["title"]} {meta["subtitle"]}')
    return f"""<!DOCTYPE html>
<html lang="{html.escape(meta['lang'])}">
<head>
<meta charset="utf-8">
<title>{html.escape(meta['title'])} – {html.escape(meta['subtitle'])}</title>
<meta name="author" content="{html.escape(meta.get('author', meta['title']))}">
<meta name="description" content="{html.escape(meta.get('tagline', ''))}">
<style>
{css_text}
@page {{ @top-left {{ content: "{running_title}"; }} }}
</style>
</head>
<body class="lang-{html.escape(meta['lang'])}">
{title_page_html(meta)}
{contents_html(meta, entries)}
<main>
{body}
</main>
</body>
</html>
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("source", type=pathlib.Path)
    parser.add_argument("style", type=pathlib.Path)
    parser.add_argument("output", type=pathlib.Path)
    parser.add_argument("--resources", type=pathlib.Path, help="the folder of the images that the source names")
    parser.add_argument("--html", type=pathlib.Path, help="also write the intermediate HTML here")
    arguments = parser.parse_args()

    meta, markdown_text = read_source(arguments.source)
    page = build_html(meta, markdown_text, arguments.style.read_text(encoding="utf-8"))
    if arguments.html:
        arguments.html.write_text(page, encoding="utf-8")
    resources = (arguments.resources or arguments.source.parent).resolve()

    # Images are named in the PDF after their address; a fixed address keeps the output the same
    # wherever the resources lie.
    def fetch(url):
        if url.startswith(RESOURCES_URL):
            path = resources / url[len(RESOURCES_URL):]
            return {"string": path.read_bytes(), "redirected_url": url}
        return weasyprint.default_url_fetcher(url)

    # WeasyPrint leaves out an image that it cannot load; a guide without its picture is an error.
    for image in re.findall(r'<img [^>]*src="([^":]+)"', page):
        if not (resources / image).is_file():
            sys.exit(f"{arguments.source}: the image {image} is not in {resources}")

    document = weasyprint.HTML(string=page, base_url=RESOURCES_URL, url_fetcher=fetch)
    document.write_pdf(arguments.output, optimize_size=("fonts",))


if __name__ == "__main__":
    main()
