#!/bin/sh
# Checks Tagquill.dll of a 32-bit Windows build: exactly the eight exports,
# by plain name; imports from system DLLs only, and only functions Windows
# XP exports by name (xp-imports.txt); a GUI image XP's loader takes; its
# resources: the generated string table and dialog templates, and the
# version record, all filed under Japanese.
#   check-dll.sh <build dir>
set -u
[ $# -eq 1 ] || { echo "usage: $0 <win32 build dir>" >&2; exit 2; }
dll="$1/Tagquill.dll"
[ -f "$dll" ] || { echo "$0: $dll is missing; build the win32 preset first" >&2; exit 2; }
objdump=i686-w64-mingw32-objdump
windres=i686-w64-mingw32-windres
for tool in $objdump $windres; do
  command -v $tool >/dev/null || { echo "$0: no $tool" >&2; exit 2; }
done
here=$(cd "$(dirname "$0")" && pwd)

dump=$($objdump -p "$dll") || { echo "$0: $objdump cannot read $dll" >&2; exit 1; }
fail=0
bad() { echo "FAIL: $*"; fail=1; }

echo "$dump" | grep -q 'Magic.*010b' || bad "$dll is not a 32-bit (PE32) image"

# Names from the "[Ordinal/Name Pointer] Table" of the export directory.
exports=$(echo "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*\([^[:space:]]*\).*$/\1/p' | sort)
want=$(printf '%s\n' GetHtmlTagString GetHtmlVer MainGetFocus MakeHtmlMenu OnChangeToolBoxSetting \
                      OnToolBox SetAppInfo SetStringToTagquill | sort)
[ "$exports" = "$want" ] || bad "exports differ from the eight plain names; found:" $exports
# Entries of the export address table ("[   0] +base[   1] 1a2b0 Export RVA"):
# no further export by ordinal only.
count=$(echo "$dump" | grep -c '^[[:space:]]*\[[[:space:]]*[0-9]*\] +base\[')
[ "$count" -eq 8 ] || bad "$count export address entries, not 8"

imports=$(echo "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || bad "no import table found"
for name in $imports; do
  case $(echo "$name" | tr '[:lower:]' '[:upper:]') in
    KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|COMDLG32.DLL|COMCTL32.DLL|MSVCRT.DLL|API-MS-WIN-*) ;;
    *) bad "imports $name, which is not a system DLL" ;;
  esac
done

# Every imported function, as "DLL Function", against the allowed list.
used=$(echo "$dump" | awk -F'\t' '/DLL Name:/ { split($2, a, ": "); dll = toupper(a[2]); next }
                                  /^$/ { dll = "" }
                                  dll && $2 ~ /^[0-9a-f]+$/ { split($3, b, " "); print dll, b[2] }' | sort -u)
[ -r "$here/xp-imports.txt" ] || { echo "$0: cannot read $here/xp-imports.txt" >&2; exit 2; }
extra=$(printf '%s\n' "$used" | grep -vxF -f "$here/xp-imports.txt")
[ -n "$used" ] || bad "no imported functions found"
[ -z "$extra" ] || { bad "imports not known to be exported by name on Windows XP:"; echo "$extra" | sed 's/^/    /'; }

# The image XP's loader accepts: GUI subsystem, OS and subsystem version 5.1 at most.
field() { echo "$dump" | awk -v f="$1" '$1 == f { print $2; exit }'; }
[ "$(field Subsystem)" = 00000002 ] || bad "subsystem $(field Subsystem), not Windows GUI"
for v in OSystem Subsystem; do
  major=$(field Major${v}Version); minor=$(field Minor${v}Version)
  if [ -z "$major" ] || [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
    bad "${v} version $major.$minor is newer than Windows XP (5.1)"
  fi
done

# Resources: exactly the generated script's string table and dialogs, plus
# the version record, every one under LANGUAGE 17, 1 (Japanese).
script="$1/tagquill_res.rc"
rc=$($windres -i "$dll" -O rc 2>/dev/null) || bad "$windres cannot read the resources of $dll"
strings=$(printf '%s\n' "$rc" | grep -cE '^  [0-9]+, L?"')
dialogs=$(printf '%s\n' "$rc" | grep -cE '^[0-9]+ DIALOGEX ')
[ "$strings" -eq 168 ] || bad "$strings string table entries, not 168"
[ "$dialogs" -eq 32 ] || bad "$dialogs dialog templates, not 32"
printf '%s\n' "$rc" | grep -q 'VERSIONINFO' || bad "no version record"
langs=$(printf '%s\n' "$rc" | sed -n 's/^LANGUAGE //p' | sort -u)
[ "$langs" = "17, 1" ] || bad "resources filed under LANGUAGE $(echo $langs), not only 17, 1"
# The string tables and dialogs of a resource listing, nothing else.
tables() {
  awk '/^(STRINGTABLE|[0-9]+ DIALOGEX )/ { on = 1 } on { print } on && /^END$/ { on = 0 }' |
    sed 's/ MOVEABLE PURE DISCARDABLE//; s/ MOVEABLE PURE//; s/ PURE//'
}
if [ ! -f "$script" ]; then
  bad "$script is missing"
elif [ "$(printf '%s\n' "$rc" | tables)" != "$($windres -i "$script" -O rc 2>/dev/null | tables)" ]; then
  bad "the DLL's string table or dialogs differ from $script"
fi

if [ $fail -eq 0 ]; then
  echo "ok: $dll exports the eight functions by name, imports $(echo "$used" | wc -l) functions Windows XP exports" \
       "from $(echo $imports), is a GUI image for NT 5.1 and carries $strings strings and $dialogs dialogs in Japanese"
fi
exit $fail
