# Sourced by scripts/run and scripts/test: installs what is missing, then builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUORVANE_BUILD_DIR:-$ROOT/build}"

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
               desktop-file-utils appstream file)
# What scripts/package needs on top: shared-library dependencies and the package check.
PACKAGE_PACKAGES=(dpkg-dev lintian)
# What scripts/rtf-compare needs on top: LibreOffice reads the documents, Python counts.
COMPARE_PACKAGES=(libreoffice-writer-nogui python3)

build_quorvane() {
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        local launcher=()
        if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}
