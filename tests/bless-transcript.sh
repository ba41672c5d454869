#!/usr/bin/env bash
# bless-transcript.sh BINDIRS CASE - prints the transcript the commands of a
# case make now, to be read line by line before it becomes the expectation.
set -u
out=$(mktemp)
trap 'rm -f "$out"' EXIT
ZV_TRANSCRIPT_OUT=$out bash "$(dirname "$0")/run-transcript.sh" "$@" >/dev/null
cat "$out"
