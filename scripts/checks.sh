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

# The languages whose catalogues every package carries, for both programs.
CATALOGUE_LANGUAGES="de fr es pt_BR it pl zh_CN ja"
# Checks that a listing of a package's files (a path a line) holds each
# program's catalogue of each language.
check_catalogues() { # what, listing
  local missing="" language program
  for language in $CATALOGUE_LANGUAGES; do
    for program in TolvoSConfig tolvoctl; do
      grep -q "translations/${program}_${language}\.qm$" <<<"$2" || missing="$missing ${program}_$language"
    done
  done
  check "$1 carries the catalogues of $CATALOGUE_LANGUAGES${missing:+ (missing:$missing)}" \
    test -z "$missing"
}
