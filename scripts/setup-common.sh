# Sourced by the scripts: installs what is missing, then builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUORVANE_BUILD_DIR:-$ROOT/build}"
FIRST_OPTIONS=()

need_packages() {
    local missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if ((${#missing[@]})); then
        echo "正在安装缺少的软件包: ${missing[*]}"
        local sudo=""
        if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

BASE_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-translations-l10n fonts-noto-cjk libgl-dev libqt6svg6
               desktop-file-utils appstream file shared-mime-info)
# What scripts/package needs on top: shared-library dependencies and the package check.
PACKAGE_PACKAGES=(dpkg-dev lintian)
# What scripts/rtf-compare needs on top: LibreOffice reads the documents, Python counts.
COMPARE_PACKAGES=(libreoffice-writer-nogui python3)

# configure_build DIR OPTION...: a Ninja build folder with the compiler cache where one is
# installed. Each -DNAME=VALUE option is passed again whenever the folder's cache holds
# another value, so a folder made before an option existed gets it too. FIRST_OPTIONS (an
# array the caller may set) go only to a new folder.
configure_build() {
    local dir="$1"
    shift
    local stale=0 opt name
    if [ -f "$dir/build.ninja" ]; then
        for opt in "$@"; do
            name="${opt#-D}"
            name="${name%%=*}"
            grep -qE "^${name}:[A-Z]+=${opt#*=}\$" "$dir/CMakeCache.txt" || stale=1
        done
        if ((stale)); then cmake -S "$ROOT" -B "$dir" "$@" >/dev/null; fi
    else
        local launcher=()
        if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
        cmake -S "$ROOT" -B "$dir" -G Ninja "${launcher[@]}" "${FIRST_OPTIONS[@]}" "$@" >/dev/null
    fi
}

# Everything, tests and benchmarks included, into build/; with targets, only those.
build_quorvane() {
    FIRST_OPTIONS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    configure_build "$BUILD_DIR" -DBUILD_TESTING=ON -DQUORVANE_BENCHMARKS=ON
    local targets=()
    for target in "$@"; do targets+=(--target "$target"); done
    cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}"
}
