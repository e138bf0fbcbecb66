#!/usr/bin/env bash
# Installs what is missing on Debian 12, builds, and then runs the program,
# the test suite, the map generator or the benchmark.
#
#   ./dev.sh run     build and start the program
#   ./dev.sh test    build and run the whole test suite
#   ./dev.sh maps    redraw the map pictures under assets/maps
#   ./dev.sh bench   build and run the benchmark under Xvfb
#   ./dev.sh sanitize  build with the address and undefined-behaviour
#                      sanitizers and run the tests
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${BUILD_DIR:-build}

build_packages=(cmake make g++ pkg-config qt6-base-dev libjpeg62-turbo-dev
                fonts-liberation2 fonts-dejavu-core)
test_packages=(xvfb xauth xdotool x11-utils openbox imagemagick libexif-dev fonts-noto-core)
maps_packages=(libexif-dev fonts-noto-core fonts-dejavu-core)
bench_packages=(xvfb xauth xdotool feh imagemagick)

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$build_dir" --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_missing "${build_packages[@]}"
    configure_and_build -DBUILD_TESTING=OFF
    exec "$build_dir/app/tracuu"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    configure_and_build -DBUILD_TESTING=ON
    cd "$build_dir"
    ctest --output-on-failure --timeout 300
    ;;
maps)
    install_missing "${build_packages[@]}" "${maps_packages[@]}"
    configure_and_build -DBUILD_TESTING=OFF
    cmake --build "$build_dir" --target maps
    ;;
bench)
    install_missing "${build_packages[@]}" "${bench_packages[@]}"
    configure_and_build -DBUILD_TESTING=OFF
    bench/run.sh "$build_dir"
    ;;
sanitize)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build_dir=${BUILD_DIR:-build-sanitize}
    configure_and_build -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=Debug \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer" \
        "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
    cd "$build_dir"
    # Leaks are checked in the test executables; the real program's runs
    # would report what the desktop libraries (D-Bus) keep until exit.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure --timeout 600 -E 'xvfb|maps_reproducible'
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure --timeout 600 -R xvfb
    ;;
*)
    echo "usage: $0 run|test|maps|bench|sanitize" >&2
    exit 2
    ;;
esac
