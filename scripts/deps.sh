#!/usr/bin/env bash
# Installs the Debian packages the suite needs, only those that are missing.
# Sourced by run.sh and test.sh.
VYR_PACKAGES=(
  g++ make cmake ninja-build ccache pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev libqt5sql5-sqlite
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  fonts-dejavu-core fonts-liberation poppler-utils xvfb xauth
)

vyr_install_deps() {
  vyr_install_packages "${VYR_PACKAGES[@]}"
}

# Only ./fuzz.sh needs these: clang and the libFuzzer runtime of the same
# major version (libclang-rt-N-dev). A clang already on PATH is kept and its
# version decides; without one, Debian's default clang is installed first and
# then its runtime.
vyr_install_fuzz_deps() {
  if command -v clang >/dev/null 2>&1; then
    vyr_install_packages "${VYR_PACKAGES[@]}" || return 1
  else
    vyr_install_packages "${VYR_PACKAGES[@]}" clang || return 1
  fi
  local major
  major=$(vyr_clang_major)
  if [ -z "$major" ]; then
    echo "cannot tell the version of clang from 'clang --version'" >&2
    return 1
  fi
  vyr_install_packages "libclang-rt-${major}-dev"
}

# The major version of the clang on PATH ("Debian clang version 14.0.6" gives
# 14); empty when there is none or its banner is not understood.
vyr_clang_major() {
  local banner
  banner=$(clang --version 2>/dev/null) || return 0
  if [[ $banner =~ clang\ version\ ([0-9]+) ]]; then
    echo "${BASH_REMATCH[1]}"
  fi
}

vyr_install_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq || return 1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

vyr_jobs() {
  nproc 2>/dev/null || echo 2
}
