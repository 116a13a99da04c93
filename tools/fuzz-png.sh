#!/usr/bin/env bash
# Runs the PNG loader's fuzzer (build/fuzz) from the committed seeds plus a working corpus folder,
# where it keeps the new inputs it finds. Inputs that fail land in build/fuzz/findings/. A single
# allocation above 64 MB counts as a finding: no picture the loader takes needs that much.
# Usage: fuzz-png.sh CORPUS_DIR [libFuzzer options...]
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
corpus=$1
shift
mkdir -p "$corpus" build/fuzz/findings
# libpng reports each damaged input on stderr; those lines are expected and only drown the result.
build/fuzz/tests/fuzz/png_fuzzer "$corpus" tests/fuzz/corpus -artifact_prefix=build/fuzz/findings/ -timeout=10 \
    -malloc_limit_mb=64 "$@" 2>&1 | grep -av '^libpng \(warning\|error\): '
exit "${PIPESTATUS[0]}"
