#!/usr/bin/env bash
# The layers, lowest first: core/ (the rules, Qt-free), reading/ (a reading as
# text, for the terminal and the web; Qt-free as well), then the programs: cli/, app/ and ui/,
# and web/. A layer may include only what lies below it; this fails on every
# include that reaches up, naming the file, the line and the rule.
#   check_layers.sh <repository root>
set -uo pipefail
root=${1:?usage: check_layers.sh <repository root>}
found=0

# refuse <folder> <what its files may not include> <the rule, as reported>
refuse() {
    local folder=$1 pattern=$2 rule=$3 hit
    [ -d "$root/$folder" ] || { echo "no folder $root/$folder"; found=1; return; }
    while IFS= read -r hit; do
        echo "${hit#"$root"/}: $rule"
        found=1
    done < <(grep -rnE --include='*.cpp' --include='*.h' \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($pattern)" "$root/$folder")
}

# A path that climbs out of its folder hides which layer it reaches.
climbs='\.\./'
# Qt's headers: the core and what the web edition compiles stay Qt-free.
qt='Q[A-Za-z0-9]*>|Qt[A-Za-z]*/'
# Any top-level folder of the tree, so that core/ may name only itself.
outside_core="$climbs|$qt|(reading|cli|app|ui|web|translations|tools|bench|tests|fuzz)/"

refuse core "$outside_core" "core/ includes nothing outside core/, nor Qt"
refuse reading "$climbs|$qt|(cli|app|ui|web)/" "reading/ includes nothing from cli/, app/, ui/ or web/, nor Qt"
refuse web "$climbs|$qt|(cli|app|ui)/" "web/ includes nothing from cli/, app/ or ui/, nor Qt"
exit $found
