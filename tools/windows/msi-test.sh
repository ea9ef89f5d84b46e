#!/usr/bin/env bash
# The MSI under Wine (called by tools/windows/test.sh, with Wine set up):
#   msi-test.sh <msi> <version> <pictures folder>
# A silent install for the whole machine with its Start-menu shortcuts and uninstall entry;
# the program started from its shortcut's target, in another folder, plays its first screens; a newer version
# replaces it in place; a silent removal leaves nothing of it behind, but keeps a file a
# school put into its folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
msi="$1" version="$2" pictures="$3"
drive="$WINEPREFIX/drive_c"
installed="$drive/Program Files/Quillmark"
# For a machine-wide package Windows puts the shortcuts into the Start menu of all users;
# Wine 8.0's installer puts them into the user's own: either counts.
machine_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillmark"
user_menu="$(find "$drive/users" -maxdepth 1 -mindepth 1 -type d ! -name Public -printf '%p/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillmark\n' | head -n1)"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

fail() {
  echo "msi: $*" >&2
  exit 1
}
# The uninstall entries naming Quillmark, one "name|version|publisher" line each.
entries() {
  wine reg query "$uninstall" /s 2> /dev/null | tr -d '\r' | awk '
    /^HKEY_/ { if (name != "") print name "|" version "|" publisher; name = version = publisher = "" }
    $1 == "DisplayName" { $1 = $2 = ""; sub(/^ +/, ""); name = $0 }
    $1 == "DisplayVersion" { version = $3 }
    $1 == "Publisher" { $1 = $2 = ""; sub(/^ +/, ""); publisher = $0 }
    END { if (name != "") print name "|" version "|" publisher }' | grep '^Quillmark|' || true
}
# A shortcut's target and arguments, as the text Windows keeps them in.
shortcut() { { strings -e l "$1"; strings "$1"; } | tr "\n" " "; }

# Whatever Quillmark is installed (left by a run that failed), removed by its product code.
remove_all() {
  local code
  for code in $(wine reg query "$uninstall" 2> /dev/null | tr -d '\r' | grep -o '{[0-9A-F-]*}$'); do
    if wine reg query "$uninstall\\$code" /v DisplayName 2> /dev/null | tr -d "\r" | grep -q 'Quillmark$'; then
      wine msiexec /x "$code" /qn || true
    fi
  done
  rm -rf "$installed" "$machine_menu" "$user_menu"
}
trap remove_all EXIT
remove_all

wine msiexec /i "$(winepath -w "$msi")" /qn || fail "the silent install failed ($?)"
[[ -f "$installed/quillmark.exe" && -f "$installed/Teachers-Guide.docx" && -d "$installed/Images" ]] ||
  fail "the program, its guide or its pictures are not in $installed"
[[ "$(entries)" == "Quillmark|$version|Quillmark Learning" ]] || fail "uninstall entry: '$(entries)'"
menu="$machine_menu"
[[ -d "$menu" ]] || menu="$user_menu"
for link in "Quillmark" "Quillmark (whole class)" "Quillmark worksheets" "Quillmark Teachers' Guide"; do
  [[ -f "$menu/$link.lnk" ]] || fail "no Start-menu shortcut \"$link\" in $menu"
done
shortcut "$menu/Quillmark.lnk" | grep -qi 'Program Files\\Quillmark\\quillmark.exe' ||
  fail "the shortcut \"Quillmark\" points elsewhere: $(shortcut "$menu/Quillmark.lnk")"
shortcut "$menu/Quillmark (whole class).lnk" | grep -q -- '--classroom' ||
  fail "the whole-class shortcut does not pass --classroom: $(shortcut "$menu/Quillmark (whole class).lnk")"
shortcut "$menu/Quillmark worksheets.lnk" | grep -q -- '--worksheets' ||
  fail "the worksheets shortcut does not pass --worksheets: $(shortcut "$menu/Quillmark worksheets.lnk")"
shortcut "$menu/Quillmark Teachers' Guide.lnk" | grep -qi 'Teachers-Guide.docx' ||
  fail "the guide's shortcut points elsewhere"

# The shortcut's target, started from another folder.
bash "$here/tools/windows/screens.sh" "$pictures" wine 'C:\Program Files\Quillmark\quillmark.exe'
wineserver -k 2> /dev/null || true

# A newer version over it: one entry, the new version, the program still there.
newer="$(mktemp -d)"
bash "$here/tools/windows/msi.sh" "$(dirname "$msi")/stage/Quillmark" "$version.1" "$newer/Quillmark-$version.1-x64.msi" > /dev/null
wine msiexec /i "$(winepath -w "$newer/Quillmark-$version.1-x64.msi")" /qn || fail "the upgrade failed ($?)"
[[ "$(entries)" == "Quillmark|$version.1|Quillmark Learning" ]] || fail "after the upgrade: '$(entries)'"
[[ -f "$installed/quillmark.exe" ]] || fail "the upgrade left no program"

# A school's own questions beside the program survive its removal; nothing else does.
mkdir -p "$installed/banks"
echo "a school's own file" > "$installed/banks/our-questions.txt"
wine msiexec /x "$(winepath -w "$newer/Quillmark-$version.1-x64.msi")" /qn || fail "the silent removal failed ($?)"
rm -rf "$newer"
[[ -z "$(entries)" ]] || fail "an uninstall entry is left: $(entries)"
for menu in "$machine_menu" "$user_menu"; do
  [[ ! -e "$menu" ]] || fail "the Start-menu folder is left: $menu: $(ls "$menu")"
done
left="$(cd "$installed" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')"
[[ "$left" == "./banks ./banks/our-questions.txt " ]] || fail "left in $installed: $left"
echo "msi: installed silently with its shortcuts and entry; started; upgraded in place; removed, keeping the school's file"
