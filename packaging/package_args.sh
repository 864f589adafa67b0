# Sourced by packaging/<platform>/package.sh: reads <version> <dist-dir>,
# sets version and dist (the dist folder made and absolute), and moves to the
# repository's root.
if [[ $# -ne 2 || -z "$1" || "$1" == */* ]]; then
    echo "usage: $0 <version> <dist-dir>" >&2
    exit 2
fi
version=$1
mkdir -p "$2"
dist=$(cd "$2" && pwd)
cd "$(dirname "${BASH_SOURCE[0]}")/.."
