#!/usr/bin/env python3
"""Every link of the documentation leads somewhere.

  doc_links.py page PAGE.html      each relative link and picture of the page names a file in the page's folder
                                   (so nothing outside what ships beside it), each #anchor an id of the page
  doc_links.py markdown FILE.md…   each relative link and picture names a file that exists, each #anchor a
                                   heading of its file (as GitHub makes anchors of headings)
Prints each broken link and exits 1 when there is one."""
import html.parser
import os
import re
import sys
from urllib.parse import unquote

EXTERNAL = re.compile(r"^(https?|mailto):")


def github_slug(text):
    return re.sub(r"[^\w\- ]", "", text.strip().lower()).replace(" ", "-")


class PageLinks(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.links = set(), []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "a" and "name" in attrs:
            self.ids.add(attrs["name"])
        for name in ("href", "src"):
            if attrs.get(name) is not None:
                self.links.append(attrs[name])


def check_page(page):
    parser = PageLinks()
    with open(page, encoding="utf-8") as f:
        parser.feed(f.read())
    folder = os.path.realpath(os.path.dirname(page))
    broken = []
    for link in parser.links:
        target, _, anchor = link.partition("#")
        if EXTERNAL.match(link):
            continue
        if not target:
            if anchor not in parser.ids:
                broken.append(f"{link}: no element of the page has this id")
            continue
        if target.startswith("/") or re.match(r"^[a-z]+:", target):
            broken.append(f"{link}: not a file beside the page")
            continue
        path = os.path.realpath(os.path.join(folder, unquote(target)))
        if not path.startswith(folder + os.sep):
            broken.append(f"{link}: outside the page's folder")
        elif not os.path.isfile(path):
            broken.append(f"{link}: no such file beside the page")
    return [f"{page}: {problem}" for problem in broken]


def markdown_text(path):
    """The file's text without code blocks and code spans, where brackets are no links."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"^```.*?^```", "", text, flags=re.M | re.S)
    return re.sub(r"`[^`\n]*`", "", text)


def headings(path):
    anchors, seen = set(), {}
    with open(path, encoding="utf-8") as f:
        text = re.sub(r"^```.*?^```", "", f.read(), flags=re.M | re.S)
    for title in re.findall(r"^#{1,6} +(.*?) *#*$", text, flags=re.M):
        slug = github_slug(re.sub(r"[`*]", "", title))
        anchors.add(slug if slug not in seen else f"{slug}-{seen[slug]}")
        seen[slug] = seen.get(slug, 0) + 1
    return anchors


def check_markdown(path):
    broken = []
    for link in re.findall(r"\]\(([^)\s]+)(?: \"[^\"]*\")?\)", markdown_text(path)):
        if EXTERNAL.match(link):
            continue
        target, _, anchor = link.partition("#")
        file = os.path.normpath(os.path.join(os.path.dirname(path), unquote(target))) if target else path
        if not os.path.exists(file):
            broken.append(f"{link}: no such file")
        elif anchor and file.endswith(".md") and anchor not in headings(file):
            broken.append(f"{link}: no heading of {os.path.basename(file)} has this anchor")
    return [f"{path}: {problem}" for problem in broken]


def main():
    mode, files = sys.argv[1], sys.argv[2:]
    if mode not in ("page", "markdown") or not files:
        sys.exit(__doc__)
    broken = [problem for file in files for problem in (check_page if mode == "page" else check_markdown)(file)]
    for problem in broken:
        print(problem, file=sys.stderr)
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
