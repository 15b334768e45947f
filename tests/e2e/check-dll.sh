#!/bin/sh
# Checks Tagquill.dll of a 32-bit Windows build: exactly the eight exports,
# by plain name, and imports from system DLLs only (no mingw runtime DLL).
#   check-dll.sh <build dir>
set -u
[ $# -eq 1 ] || { echo "usage: $0 <win32 build dir>" >&2; exit 2; }
dll="$1/Tagquill.dll"
[ -f "$dll" ] || { echo "$0: $dll is missing; build the win32 preset first" >&2; exit 2; }
objdump=i686-w64-mingw32-objdump
command -v $objdump >/dev/null || { echo "$0: no $objdump" >&2; exit 2; }

dump=$($objdump -p "$dll") || { echo "$0: $objdump cannot read $dll" >&2; exit 1; }
fail=0

echo "$dump" | grep -q 'Magic.*010b' || { echo "FAIL: $dll is not a 32-bit (PE32) image"; fail=1; }

# Names from the "[Ordinal/Name Pointer] Table" of the export directory.
exports=$(echo "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*\([^[:space:]]*\).*$/\1/p' | sort)
want=$(printf '%s\n' GetHtmlTagString GetHtmlVer MainGetFocus MakeHtmlMenu OnChangeToolBoxSetting \
                      OnToolBox SetAppInfo SetStringToTagquill | sort)
if [ "$exports" != "$want" ]; then
  echo "FAIL: exports differ from the eight plain names"
  echo "  found:"; echo "$exports" | sed 's/^/    /'
  fail=1
fi
# Entries of the export address table ("[   0] +base[   1] 1a2b0 Export RVA"):
# no further export by ordinal only.
count=$(echo "$dump" | grep -c '^[[:space:]]*\[[[:space:]]*[0-9]*\] +base\[')
[ "$count" -eq 8 ] || { echo "FAIL: $count export address entries, not 8"; fail=1; }

imports=$(echo "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "FAIL: no import table found"; fail=1; }
for name in $imports; do
  case $(echo "$name" | tr '[:lower:]' '[:upper:]') in
    KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|COMDLG32.DLL|COMCTL32.DLL|MSVCRT.DLL|API-MS-WIN-*) ;;
    *) echo "FAIL: imports $name, which is not a system DLL"; fail=1 ;;
  esac
done

if [ $fail -eq 0 ]; then
  echo "ok: $dll exports the eight functions by name and imports only: $(echo $imports)"
fi
exit $fail
