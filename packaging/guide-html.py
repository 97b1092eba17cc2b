#!/usr/bin/env python3
"""The guide as a page a user opens with a double click: guide-html.py GUIDE.md FOLDER.

Writes FOLDER/README.html and copies every picture the guide shows into FOLDER, at its path relative to the
guide (screenshots/..., pictures/...), so the same links work in the repository and in the packages; a picture
from outside the guide's folder goes to pictures/ under its own name. Headings get the ids GitHub gives them,
so a link to #where-files-go works on GitHub and in the page alike. Needs Debian's python3-markdown."""
import os
import re
import shutil
import sys

import markdown
from markdown.treeprocessors import Treeprocessor


def github_slug(text, separator="-"):
    """A heading's anchor as GitHub makes it: lower case, punctuation dropped, each blank a hyphen."""
    return re.sub(r"[^\w\- ]", "", text.strip().lower()).replace(" ", separator)


class PictureCopies(Treeprocessor):
    """Points each picture at its place beside the page and remembers what to copy there."""

    def __init__(self, md, guide_folder):
        super().__init__(md)
        self.guide_folder = guide_folder
        self.copies = {}  # target path relative to the page -> source file

    def run(self, root):
        for image in root.iter("img"):
            src = image.get("src", "")
            if re.match(r"^[a-z]+:", src) or src.startswith("/"):
                continue  # not a file of the repository; the link check reports it
            source = os.path.normpath(os.path.join(self.guide_folder, src))
            target = os.path.normpath(src)
            if target.startswith(".."):
                target = "pictures/" + os.path.basename(source)
            if self.copies.get(target, source) != source:
                sys.exit(f"guide-html: {self.copies[target]} and {source} would both be {target}")
            self.copies[target] = source
            image.set("src", target.replace(os.sep, "/"))


def main():
    source, folder = sys.argv[1], sys.argv[2]
    md = markdown.Markdown(extensions=["tables", "fenced_code", "toc"],
                           extension_configs={"toc": {"slugify": github_slug}})
    pictures = PictureCopies(md, os.path.dirname(os.path.abspath(source)))
    md.treeprocessors.register(pictures, "picture_copies", 5)  # after the inline patterns made the <img>
    with open(source, encoding="utf-8") as f:
        body = md.convert(f.read())
    title = md.toc_tokens[0]["name"] if md.toc_tokens else "Zorbaltwerk"
    page = f"""<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>{title}</title>
<style>body {{ font-family: Segoe UI, sans-serif; max-width: 60em; margin: 2em auto; line-height: 1.45; }}
img {{ max-width: 100%; }} table {{ border-collapse: collapse; }} td, th {{ border: 1px solid #bbb; padding: .3em .6em; }}
code, pre {{ background: #f3f3f3; }} blockquote {{ border-left: 3px solid #bbb; margin-left: 0; padding-left: 1em; }}</style></head>
<body>
{body}
</body></html>
"""
    os.makedirs(folder, exist_ok=True)
    for target, picture in sorted(pictures.copies.items()):
        if not os.path.isfile(picture):
            sys.exit(f"guide-html: the picture {picture} is missing")
        os.makedirs(os.path.join(folder, os.path.dirname(target)), exist_ok=True)
        shutil.copyfile(picture, os.path.join(folder, target))
    # Windows users open it from the zip: CR LF line ends.
    with open(os.path.join(folder, "README.html"), "w", encoding="utf-8", newline="\r\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
