#!/bin/bash
# Builds the Debian package of the build tree BUILD in OUT and checks what it holds;
# MODULE is the MP4 writer's module, named from the installation prefix.
set -euo pipefail
build=$1
out=$2
module=$3
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" >cpack.log 2>&1) || { cat "$out/cpack.log"; exit 1; }
package=$(ls "$out"/tovaro_*.deb)
contents=$(dpkg-deb -c "$package")
status=0
for file in ./usr/bin/tovaro ./usr/bin/tovaro-cli "./usr/$module" \
            ./usr/share/tovaro/PositionASL.csv ./usr/share/tovaro/Help.mht \
            ./usr/share/applications/org.tovaro.Tovaro.desktop \
            ./usr/share/icons/hicolor/scalable/apps/org.tovaro.Tovaro.svg \
            ./usr/share/metainfo/org.tovaro.Tovaro.metainfo.xml \
            ./usr/share/tovaro/screenshots/spelling-hello.png; do
  grep -q " $file\$" <<<"$contents" || { echo "not in the package: $file"; status=1; }
done
depends=$(dpkg-deb -f "$package" Depends)
# FFmpeg comes in through the MP4 writer's module.
for library in libqt6widgets6 libqt6charts6 libqt6core6 libc6 libavcodec; do
  grep -q "$library" <<<"$depends" || { echo "no dependency on $library: $depends"; status=1; }
done
exit $status
