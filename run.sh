#!/usr/bin/env bash
# Builds the disk (installing what it needs) and runs it from build/run, which holds MUSICDAT.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
cd build/run
exec ../zav
