#!/usr/bin/env bash
# Builds the Debian package from the build folder given, unpacks it into a
# temporary root and runs the installed program on the installed example
# defaults file, as a user would in a folder of their own.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/brantover_*.deb)
info=$(dpkg-deb --info "$deb")
[[ "$info" == *"Package: brantover"* ]]
dpkg-deb -x "$deb" "$work/root"

for f in usr/bin/brantover usr/bin/brantover-plot usr/share/man/man1/brantover.1 \
         usr/share/man/man1/brantover-plot.1 usr/share/doc/brantover/Brantover.DEF; do
  [ -e "$work/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done

mkdir "$work/filters"
cp "$work/root/usr/share/doc/brantover/Brantover.DEF" "$work/filters/"
cd "$work/filters"
printf '\n\n\n\n\n\n\n\n\n\n\n\n1\n\n3\n' | "$work/root/usr/bin/brantover" > console.txt
grep -q "Tchebyscheff Bandpass Filter Response" console.txt
grep -q "Output data stored in User filename: filter.txt" filter.txt
[ "$(grep -c 'MHz' filter.txt)" -ge 4 ]
echo "package installs and runs"
