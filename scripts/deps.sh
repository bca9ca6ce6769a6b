#!/usr/bin/env bash
# Installs the Debian packages the suite needs, only those that are missing.
# Sourced by run.sh and test.sh.
VYR_PACKAGES=(
  g++ make cmake ninja-build ccache pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev libqt5sql5-sqlite
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  fonts-dejavu-core fonts-liberation poppler-utils xvfb xauth
)

# Only ./fuzz.sh needs these: clang and its libFuzzer runtime.
VYR_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

vyr_install_deps() {
  vyr_install_packages "${VYR_PACKAGES[@]}"
}

vyr_install_fuzz_deps() {
  vyr_install_packages "${VYR_PACKAGES[@]}" "${VYR_FUZZ_PACKAGES[@]}"
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
