#!/usr/bin/env bash
# Installs what is missing on Debian 12, builds, and then runs the program,
# the test suite, the map generator or the benchmark.
#
#   ./dev.sh run     build and start the program
#   ./dev.sh test    build and run the whole test suite
#   ./dev.sh maps    redraw the map pictures under assets/maps
#   ./dev.sh bench   build and run the benchmark under Xvfb
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
*)
    echo "usage: $0 run|test|maps|bench" >&2
    exit 2
    ;;
esac
