#!/usr/bin/env bash
# Sets up a Debian 12 machine for this program, builds it, and runs it or its tests.
#   ./build.sh run    build and start the program
#   ./build.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

# qt6-svg-dev: the window's icon and the diagram as SVG; libcups2-dev: printing through the
# print service; the Song face with a real bold (Noto Serif CJK) for the window, the report's
# half-em Song face (UMing), the narrow sans face for the fields.
run_packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n libxcb1-dev libgl-dev
  libcups2 libcups2-dev fonts-arphic-uming fonts-noto-cjk fonts-liberation fonts-dejavu-core)
# cups-daemon and cups-client: the tests' own print service (tests/print_service/cupsd.sh).
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils xvfb xauth clang
  libclang-rt-14-dev locales cups-daemon cups-client)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

ensure_comma_locale() {
  # The number texts are tested under a locale whose decimal separator is a comma.
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen
}

# The core's tests run a second time under AddressSanitizer and UndefinedBehaviorSanitizer; a
# report aborts the test that caused it.
sanitizer_flags="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all \
-fno-omit-frame-pointer -g"

configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing "${run_packages[@]}"
    configure_and_build build -DBUILD_TESTING=OFF
    exec ./build/app/window/superelevation
    ;;
  test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    ensure_comma_locale
    # The fuzz targets need clang's libFuzzer, so they are a project of their own; the main
    # tests run each of them for a bounded number of inputs.
    cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-fuzz -j "$(nproc)"
    configure_and_build build -DFUZZ_BUILD_DIR="$PWD/build-fuzz"
    # ctest stops the print service itself; this stops it too if ctest is interrupted.
    trap 'tests/print_service/cupsd.sh stop build/print-service' EXIT
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
    configure_and_build build-asan -DWITH_QT=OFF -DWITH_BENCHMARKS=OFF \
      "-DCMAKE_CXX_FLAGS=$sanitizer_flags" "-DCMAKE_EXE_LINKER_FLAGS=$sanitizer_flags"
    (cd build-asan && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$(nproc)")
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
