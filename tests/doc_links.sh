#!/usr/bin/env bash
# The guide's page as the packages ship it, made into WORK: each link and picture leads to a file beside
# it or an id in it. The repository's markdown files link to files and headings that exist. And the
# check itself reports each kind of broken link.
#   tests/doc_links.sh PYTHON SOURCE_DIR WORK
set -euo pipefail
python=$1 source=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAILED: $*" >&2; exit 1; }
check=("$python" "$source/tests/doc_links.py")

"$python" "$source/packaging/guide-html.py" "$source/docs/guide.md" "$work/page" || fail "the guide's page was not made"
"${check[@]}" page "$work/page/README.html" || fail "the guide's page has broken links"
(cd "$source" && "${check[@]}" markdown README.md docs/*.md) || fail "the markdown files have broken links"

# Broken links of each kind, each with what the check must say about it.
mkdir -p "$work/faults/package" && cd "$work/faults"
touch outside.txt package/there.png
printf '# Heading\n' >other.md
while IFS='|' read -r mode text expected; do
  [ "$mode" = page ] && file=package/README.html || file=broken.md
  printf '%b\n' "$text" >"$file"
  if out=$("${check[@]}" "$mode" "$file" 2>&1); then fail "not reported: $text"; fi
  grep -qF -- "$expected" <<<"$out" || fail "for $text: expected \"$expected\", got: $out"
done <<'CASES'
page|<h1 id="top">T</h1><img src="screenshots/gone.png">|screenshots/gone.png: no such file beside the page
page|<h1 id="top">T</h1><a href="#where-files-go">x</a>|#where-files-go: no element of the page has this id
page|<a href="../outside.txt">scripts</a>|../outside.txt: outside the page's folder
page|<a href="development.md">developers</a>|development.md: no such file beside the page
page|<a href="/usr/share/doc/x.html">x</a>|not a file beside the page
markdown|# Title\n[x](gone.md)|gone.md: no such file
markdown|# Title\n[x](#no-heading)|#no-heading: no heading of broken.md has this anchor
markdown|[x](other.md#elsewhere)|other.md#elsewhere: no heading of other.md has this anchor
CASES
# What is no link passes: code, and links that do lead somewhere.
printf '# Where files go\n`[x](gone.md)`\n[y](#where-files-go) [z](other.md#heading) ![p](package/there.png)\n' >good.md
"${check[@]}" markdown good.md || fail "a good markdown file was reported"
echo "links checked"
