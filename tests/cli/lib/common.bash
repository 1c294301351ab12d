# Sourced by the command-line tests: the program under test, a scratch folder
# removed on exit, and the task table's header line.
tkm=$1
dir=$(mktemp -d)
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
header='No,Entry Date,Status,Task Description,Priority,Due Date,Due Time,Resources,Total Hours,Cost,Progress,Completion Date,Completion Time,Comment'
