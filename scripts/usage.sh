# Sourced by the developer scripts: answers --help with the usage (exit 0) and refuses an
# unknown option or a wrong number of arguments with it (exit 2), as the compiled tools do.
# Usage: check_arguments "USAGE TEXT" LEAST MOST "$@"
check_arguments() {
  local usage=$1 least=$2 most=$3
  shift 3
  for arg in "$@"; do
    case $arg in
      -h|--help) echo "usage: $(basename "$0") $usage"; exit 0 ;;
      -*) echo "$(basename "$0"): unknown option $arg" >&2; echo "usage: $(basename "$0") $usage" >&2; exit 2 ;;
    esac
  done
  if [ $# -lt "$least" ] || [ $# -gt "$most" ]; then
    echo "usage: $(basename "$0") $usage" >&2
    exit 2
  fi
}
