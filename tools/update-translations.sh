#!/bin/sh
# Refreshes the translation sources from the code of every program: new texts
# are added as unfinished, texts that left the code are removed. Run from
# anywhere; translators then fill the files in resources/translations.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)}
cd "$root"
"$lupdate" -no-obsolete -locations none -extensions cpp,h,ui \
    core engine plugins ui web player locationviewer updater apps \
    -ts resources/translations/*.ts
