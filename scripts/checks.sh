# Sourced by the scripts that try what was built as a person would: check
# runs one command as a named check and counts it; checks_summary prints the
# counts and fails when any check did.
passes=0
failures=0
check() { # description, command...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passes=$((passes + 1))
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
checks_summary() { # name
  echo "$1: $passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
