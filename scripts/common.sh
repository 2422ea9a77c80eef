# Shared by ./run and ./test: install what is missing, then configure and build.
# Sourced with "set -euo pipefail" in effect.

LEXIDO_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LEXIDO_BUILD=${LEXIDO_BUILD:-$LEXIDO_TOP/build}
LEXIDO_TSAN_BUILD=${LEXIDO_TSAN_BUILD:-$LEXIDO_TOP/build-tsan}
LEXIDO_JOBS=${LEXIDO_JOBS:-$(nproc 2>/dev/null || echo 2)}

# Debian 12 packages the build, the tests and the window need.
LEXIDO_PACKAGES=(cmake make g++ clang libclang-rt-14-dev qt6-base-dev libgtest-dev libgmock-dev
                 libbenchmark-dev fonts-liberation2 tmux qt6-translations-l10n qt6-charts-dev
                 libespeak-ng-dev espeak-ng-data qt6-multimedia-dev libpulse-dev libpugixml-dev libicu-dev libsqlite3-dev libzip-dev libzstd-dev fonts-wqy-microhei fonts-dejavu-core fonts-lohit-deva fonts-tlwg-garuda-ttf pkg-config librsvg2-bin desktop-file-utils appstream
                 shared-mime-info python3-pyatspi at-spi2-core dbus-daemon xvfb xdotool)

lexido_install_deps() {
    local missing=()
    for p in "${LEXIDO_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        # A new machine's package lists can be stale: always update first.
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    else
        echo "Missing packages. Run:"
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
}

# lexido_build <build dir> [cmake options...]
lexido_build() {
    local dir=$1; shift
    cmake -S "$LEXIDO_TOP" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$LEXIDO_JOBS"
}

# The engine's tests under ThreadSanitizer: a core-only build with clang (whose sanitizer
# runtime comes with libclang-rt-14-dev), only the engine's test program is built.
lexido_build_tsan() {
    local dir=$1; shift
    cmake -S "$LEXIDO_TOP" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
          -DLEXIDO_SANITIZE=thread -DLEXIDO_GUI=OFF -DLEXIDO_BENCH=OFF "$@" >/dev/null
    cmake --build "$dir" -j "$LEXIDO_JOBS" --target lexido_engine_tests
}

# The whole test suite (window tests too) under AddressSanitizer and UndefinedBehaviorSanitizer, with the
# libFuzzer harnesses (coverage instrumentation on): one clang build serves both.
LEXIDO_ASAN_BUILD=${LEXIDO_ASAN_BUILD:-$LEXIDO_TOP/build-asan}
lexido_build_asan() {
    local dir=$1; shift
    cmake -S "$LEXIDO_TOP" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
          "-DLEXIDO_SANITIZE=address;undefined" -DLEXIDO_FUZZ=ON -DLEXIDO_BENCH=OFF "$@" >/dev/null
    cmake --build "$dir" -j "$LEXIDO_JOBS"
}
