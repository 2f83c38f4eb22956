# Sourced by run.sh, test.sh and bench.sh: installs the Debian packages given as arguments
# when they are missing (apt-get, through sudo when not root).
pakete_sicherstellen() {
  local fehlend=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
  done
  [ ${#fehlend[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${fehlend[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}"
}

BASISPAKETE=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev fonts-liberation2)
TESTPAKETE=(libgtest-dev libbenchmark-dev clang)
