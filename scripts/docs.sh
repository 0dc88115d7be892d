#!/usr/bin/env bash
# Generates the API reference of the installed headers with Doxygen into BUILD_DIR/docs/
# (entry page html/index.html) and fails when a public class or a public member of the
# controls' or companion libraries' headers has no documentation comment (///).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"

export ORV_VERSION=$(head -n 1 "$root/VERSION")
mkdir -p "$build"
export ORV_DOCS_DIR=$(cd "$build" && pwd)/docs
rm -rf "$ORV_DOCS_DIR"
mkdir -p "$ORV_DOCS_DIR"
(cd "$root" && doxygen docs/Doxyfile)

# Every class, struct and public member that the XML shows without a brief or detailed text.
# Protected members are the subclasses' business and private ones are not shown.
undocumented='//compounddef[@prot="public"][not(briefdescription/para) and not(detaileddescription/para)]/location
  | //memberdef[@prot="public"][not(briefdescription/para) and not(detaileddescription/para)]/location'
missing=$(xmllint --xpath "$undocumented" "$ORV_DOCS_DIR"/xml/class*.xml "$ORV_DOCS_DIR"/xml/struct*.xml 2>/dev/null |
          grep -o 'file="[^"]*" line="[0-9]*"' | sed 's/file="\([^"]*\)" line="\([0-9]*\)"/\1:\2/' |
          sort -t: -k1,1 -k2,2n -u || true)
if [ -n "$missing" ]; then
  echo "docs: public declarations without a documentation comment:" >&2
  while IFS=: read -r file line; do
    echo "  $file:$line: $(sed -n "${line}p" "$root/$file" | sed 's/^[[:space:]]*//')" >&2
  done <<< "$missing"
  exit 1
fi
echo "docs: $ORV_DOCS_DIR/html/index.html"
