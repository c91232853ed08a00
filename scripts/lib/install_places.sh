# Where scripts/install puts Quorvane and scripts/uninstall takes it away: one place for both.
# quorvane_install_places sets QUORVANE_HOME (the program's working folder) and QUORVANE_ENTRY
# (its menu entry), both under the per-user data folder, and refuses anything it cannot trust.
quorvane_install_places() {
  case "${HOME:-}" in
    /*) ;;
    *) echo "HOME is not set to an absolute path; cannot tell where to install." >&2; exit 1 ;;
  esac
  local data=${XDG_DATA_HOME:-}
  # The base directory rules ignore a relative XDG_DATA_HOME.
  case "$data" in
    /*) ;;
    *) data=$HOME/.local/share ;;
  esac
  QUORVANE_HOME=${data%/}/quorvane
  QUORVANE_ENTRY=${data%/}/applications/quorvane.desktop
}
