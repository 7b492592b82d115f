#!/usr/bin/env bash
# Builds Quillfen (installing what is missing) and runs every test: the unit
# and end-to-end tests in build/, every loader's fuzz target for a few seconds
# in build-fuzz/, then the unit tests again in build-asan/ under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -uo pipefail

cd "$(dirname "$0")"
tools/setup.sh --tests || exit 1
jobs=$(nproc)
failed=0

echo "== Tests in build/"
(cd build && ctest --output-on-failure --no-tests=error -j "$jobs") || failed=1

echo "== Loader fuzz targets in build-fuzz/ (clang, libFuzzer, about 10 s each)"
generator=()
[ -f build-fuzz/CMakeCache.txt ] ||
    generator=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
if cmake -S . -B build-fuzz "${generator[@]}" -DQUILLFEN_FUZZ=ON -DQUILLFEN_DATA=OFF &&
    cmake --build build-fuzz --parallel "$jobs"; then
    tests/fuzz/run.sh build-fuzz build/data 10 4 || failed=1
else
    failed=1
fi

echo "== Unit tests in build-asan/ (sanitizers)"
generator=()
[ -f build-asan/CMakeCache.txt ] || generator=(-G Ninja -DCMAKE_BUILD_TYPE=Debug)
if cmake -S . -B build-asan "${generator[@]}" -DQUILLFEN_SANITIZE=ON -DQUILLFEN_DATA=OFF &&
    cmake --build build-asan --parallel "$jobs"; then
    (cd build-asan && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --no-tests=error -j "$jobs" -L unit) || failed=1
else
    failed=1
fi

if [ "$failed" -ne 0 ]; then
    echo "test.sh: some tests failed (see above)"
fi
exit "$failed"
