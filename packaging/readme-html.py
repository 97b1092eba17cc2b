#!/usr/bin/env python3
"""README.md as a page a Windows user opens with a double click: README-HTML IN OUT.HTML.

The pictures stay where the README names them (docs/screenshots/..., docs/pictures/...), beside the page in the zip."""
import sys

import markdown

source, target = sys.argv[1], sys.argv[2]
with open(source, encoding="utf-8") as f:
    body = markdown.markdown(f.read(), extensions=["tables", "fenced_code"])
page = f"""<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Zorbaltwerk</title>
<style>body {{ font-family: Segoe UI, sans-serif; max-width: 60em; margin: 2em auto; line-height: 1.45; }}
img {{ max-width: 100%; }} table {{ border-collapse: collapse; }} td, th {{ border: 1px solid #bbb; padding: .3em .6em; }}
code, pre {{ background: #f3f3f3; }}</style></head>
<body>
{body}
</body></html>
"""
with open(target, "w", encoding="utf-8", newline="\r\n") as f:
    f.write(page)
