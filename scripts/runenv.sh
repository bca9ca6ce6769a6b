#!/usr/bin/env bash
# The environment ./run.sh starts VyrRemote in. Sourced by run.sh; the
# suite's first-start test runs it too.
#
# vyr_remote_env ROOT: the program's own files go to ROOT/data/, away from
# the source tree: the working folder there holds the user database
# db.sqlite, XDG_CONFIG_HOME the settings store. HOME stays the user's, so
# the PDF and screenshot save dialogs start in the user's own Documents or
# home folder, as for an installed program.
vyr_remote_env() {
  local data="$1/data"
  mkdir -p "$data" || return 1
  export XDG_CONFIG_HOME="$data/.config"
  cd "$data"
}
