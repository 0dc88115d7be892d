# Sourced by the run scripts: installs what is missing, builds, and starts one wineserver for the
# rest of the calling script (stopped on exit). Usage: . scripts/run-env.sh [null|x11]
run_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$run_root/build}

"$run_root/scripts/setup.sh"
"$run_root/scripts/build.sh"

. "$run_root/scripts/wine-env.sh" "$BUILD_DIR" "${1:-null}"
