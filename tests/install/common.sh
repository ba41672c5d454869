# common.sh - sourced by the install tests: a scratch directory that goes
# away at the end, the C locale, and fail, which marks the test failed.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

status=0
fail() {
  echo "FAIL: $*"
  status=1
}
