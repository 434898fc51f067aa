#!/usr/bin/env bash
# ansible-test sanity on the collection, with the tests that run from this
# machine's own Python and packages, and ansible-doc on both modules. The
# other sanity tests (listed below) install their tools from PyPI into
# virtual environments of their own, which this machine cannot reach.
set -euo pipefail
cd "$(dirname "$0")/../ansible/ansible_collections/halvane/tolvo"
needs_pypi=(ansible-doc import pep8 pylint runtime-metadata validate-modules yamllint)
skips=()
for test in "${needs_pypi[@]}"; do skips+=(--skip-test "$test"); done
ansible-test sanity --local --python 3.11 "${skips[@]}"
rm -rf tests/output
for module in tolvo_settings tolvo_info; do
  ANSIBLE_COLLECTIONS_PATH=../../.. ansible-doc "halvane.tolvo.$module" >/dev/null
  echo "ansible-doc halvane.tolvo.$module: ok"
done
