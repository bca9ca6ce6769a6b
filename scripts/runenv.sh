#!/usr/bin/env bash
# The environment ./run.sh starts VyrRemote in. Sourced by run.sh; the
# suite's first-start test runs it too.
#
# vyr_remote_env ROOT: the program's own files go to ROOT/data/, away from
# the source tree: the working folder there holds the user database
# db.sqlite, XDG_CONFIG_HOME the settings store. HOME stays the user's, so
# the PDF and screenshot save dialogs start in the user's own Documents or
# home folder, as for an installed program.
#
# The user's own folder names (user-dirs.dirs: a Documents folder named in
# the user's language) are read from the settings folder, so a copy of them
# goes with it.
vyr_remote_env() {
  local data="$1/data"
  local user_config="${XDG_CONFIG_HOME:-$HOME/.config}"
  mkdir -p "$data/.config" || return 1
  if [ "$user_config" != "$data/.config" ]; then
    if [ -f "$user_config/user-dirs.dirs" ]; then
      cp "$user_config/user-dirs.dirs" "$data/.config/user-dirs.dirs" || return 1
    else
      rm -f "$data/.config/user-dirs.dirs"
    fi
  fi
  export XDG_CONFIG_HOME="$data/.config"
  cd "$data"
}
