#!/usr/bin/env bash
# Collects the program's texts into every translations/*.ts; new texts come
# in unfinished, for a translator to fill in.
set -euo pipefail
cd "$(dirname "$0")/.."
for ts in translations/*.ts; do
    lupdate -silent -no-obsolete -locations none src -ts "$ts"
done
