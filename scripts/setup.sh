#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run the QV-730 software.
# Sourced by run.sh and test.sh; safe to run again (it installs only what is missing).
set -euo pipefail

# The clang runtime (the fuzzers' and sanitizers' libraries) of the clang that is installed:
# libclang-rt-N-dev for clang N, the version 14 of Debian 12 while clang is not installed yet.
qv730_clang_runtime_package() {
    local version=""
    if command -v clang >/dev/null 2>&1; then
        version=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\)\..*/\1/p' | head -n 1)
    fi
    echo "libclang-rt-${version:-14}-dev"
}

QV730_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools qt6-translations-l10n libgl-dev
    libbenchmark-dev clang clang-format "$(qv730_clang_runtime_package)"
    fonts-noto-cjk poppler-utils dpkg-dev file
)

qv730_missing_packages() {
    local missing=()
    for p in "${QV730_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    echo "${missing[@]:-}"
}

qv730_install_dependencies() {
    local missing
    missing=$(qv730_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing: $missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    qv730_install_dependencies
fi
