#!/bin/sh
# Validates an HTML 4.01 document (with its DOCTYPE) against the W3C DTDs.
# Usage: check-html.sh FILE   -- exit 0 when valid, messages on stderr.
set -e
catalog=/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc
command -v onsgmls >/dev/null || { echo "onsgmls missing (apt-get install opensp)" >&2; exit 2; }
[ -r "$catalog" ] || { echo "$catalog missing (apt-get install w3c-sgml-lib)" >&2; exit 2; }
out=$(SP_CHARSET_FIXED=1 SP_ENCODING=utf-8 onsgmls -s -c "$catalog" "$1" 2>&1) || { echo "$out" >&2; exit 1; }
# Warnings are not failures; errors are.
if echo "$out" | grep -q ':E:'; then echo "$out" >&2; exit 1; fi
exit 0
