#!/usr/bin/env bash
# Builds Quillfen with its data tree (installing what is missing) and plays it.
set -euo pipefail

cd "$(dirname "$0")"
tools/setup.sh
# The game reads data/ relative to the folder it is started from.
cd build
exec ./quillfen "$@"
