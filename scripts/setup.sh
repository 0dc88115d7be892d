#!/usr/bin/env bash
# Installs what the build and the tests need from Debian packages. Idempotent: when every
# package is present it only checks and returns.
set -euo pipefail

# fonts-wine: the only fonts the Wine prefixes see; locales: the data the Japanese prefix's
# locale is built from (scripts/wine-env.sh).
packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 fonts-wine locales xvfb xauth
          googletest cmake ninja-build)
# The release archive (scripts/package.sh) and the API reference (scripts/docs.sh).
packages+=(zip doxygen libxml2-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
