#!/usr/bin/env bash
# Installs, updates and uninstalls the product with its installer, silently, in a Wine prefix
# of its own inside the build tree, and checks what a user finds afterwards: the files, the
# Start-menu shortcut, the installed-programs entry, the Run values, the running programs
# closed and the configurator started again during an update, and nothing left behind by the
# uninstaller but the settings the user keeps; then the same for all users of the machine, as
# a deployment tool installs and removes it; and that the administrative templates lie beside
# the installer. Run under a virtual display; ends its wineserver.
#   tools/installer-test.sh DIST_DIR PROBE_EXE
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$("$root/tools/product-version.sh")
setup=$(cd "$1" && pwd)/TesslyDozidiDavazez-$version-setup.exe
probe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
export WINEPREFIX="$root/build/wineprefix-installer" LANG=C.UTF-8 LC_ALL=C.UTF-8
w() { "$root/tools/wine-env.sh" "$@"; }

folder='C:\Tessly Тест Ω'
drive_c="$WINEPREFIX/drive_c"
unix_folder="$drive_c/Tessly Тест Ω"
settings_key='HKCU\Software\TesslySoftware\DozidiDavazez'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TesslyDozidiDavazez'
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TesslyDozidiDavazez'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
machine_run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
program_files='C:\Program Files\Tessly Dozidi Davazez'
unix_program_files="$WINEPREFIX/drive_c/Program Files/Tessly Dozidi Davazez"
verb_key='HKCU\Software\Classes\*\shell\TesslyDavIdade'

passed=0 failed=0
check() {  # check NAME COMMAND...
    local name=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "ok   $name"
    else failed=$((failed + 1)); echo "FAIL $name"; fi
}
background=()
finish() {
    w wineserver -k 2>/dev/null
    for pid in "${background[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
trap finish EXIT

# NSIS takes /D= unquoted and last on its command line, so cmd passes the line as written.
install() { timeout 120 "$root/tools/wine-env.sh" wine cmd /c "$(w winepath -w "$setup") /S $* /D=$folder" </dev/null >/dev/null 2>&1; }
# The uninstaller runs a copy of itself from the temporary folder and returns at once.
uninstall() {
    w wine "$folder\\uninstall.exe" /S "$@" </dev/null >/dev/null 2>&1
    for _ in $(seq 600); do [ -e "$unix_folder" ] || return 0; sleep 0.1; done
    return 1
}
# As a deployment tool runs it: elevated, into the default folder.
deploy() { timeout 120 "$root/tools/wine-env.sh" wine cmd /c "$(w winepath -w "$setup") /S $*" </dev/null >/dev/null 2>&1; }
# The installed-programs entry's quiet uninstall command, as a deployment tool runs it.
quiet_uninstall() {
    local command program arguments; command=$(reg_data "$machine_key" QuietUninstallString)
    [[ "$command" == '"'*'" '* ]] || return 1
    program=${command#\"}; program=${program%%\"*}
    arguments=${command#"\"$program\""}
    # shellcheck disable=SC2086  # the arguments after the quoted program, split as written
    timeout 120 "$root/tools/wine-env.sh" wine "$program" $arguments </dev/null >/dev/null 2>&1
    for _ in $(seq 600); do [ -e "$unix_program_files" ] || return 0; sleep 0.1; done
    return 1
}
not() { ! "$@"; }
reg_has() { w wine reg query "$@" </dev/null >/dev/null 2>&1; }
reg_value() { w wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { print $3 }'; }
# The whole data of a value, spaces and all.
reg_data() {
    w wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
        awk -v n="$2" '{ sub(/^[ \t]+/, "") }
            index($0, n) == 1 && match(substr($0, length(n) + 1), /^[ \t]+REG_[A-Z_]+[ \t]*/) {
                print substr($0, length(n) + RLENGTH + 1) }'
}
# The service's command in a Run value: this installation's program with `argument`. Paths
# outside the code page of reg's output are compared by their end.
run_command_is() {  # run_command_is KEY VALUE ARGUMENT
    local data; data=$(reg_data "$1" "$2")
    [[ "$data" == '"C:\Tessly '*'\TesslyMBsrv.exe" '"$3" ]]
}
start_program() { w wine "$folder\\$1" </dev/null >/dev/null 2>&1 & background+=($!); started=$!; }
gone() { for _ in $(seq 200); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
profile="$drive_c/users/$(id -un)"
data_folder="$profile/AppData/Local/TesslySoftware"
start_menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tessly Dozidi Davazez"
common_start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessly Dozidi Davazez"
shortcut_is() {
    local link out
    link=$(w winepath -w "$start_menu/Tessly Dozidi Davazez.lnk")
    out=$(mktemp)
    w wine "$probe" link "$link" "$(w winepath -w "$out")" </dev/null >/dev/null 2>&1
    [ "$(tr -d '\r' <"$out")" = "$1" ]; local status=$?
    rm -f "$out"; return $status
}

# A clean start: nothing of an earlier run.
w wineserver -k 2>/dev/null
rm -rf "$unix_folder"
for key in "$settings_key" "$uninstall_key" "$machine_key" "$verb_key"; do w wine reg delete "$key" /f </dev/null >/dev/null 2>&1; done
for value in TesslyMB_service TesslyMB_logon; do
    w wine reg delete "$run_key" /v $value /f </dev/null >/dev/null 2>&1
    w wine reg delete "$machine_run_key" /v $value /f </dev/null >/dev/null 2>&1
done
rm -rf "$start_menu" "$common_start_menu" "$data_folder" "$unix_program_files"

echo "== silent installation into '$folder'"
check "installer finishes without a question" install
for file in TesslyMBCfg.exe TesslyMBsrv.exe update.exe uninstall.exe lang/TesslyMBCfg.ntv.lng lang/TesslyMBCfg.DEU.lng \
            lang/TesslyMBCfg.RUS.lng lang/TesslyMBCfg.FRA.lng help/english.chm help/German.chm; do
    check "installed $file" test -s "$unix_folder/$file"
done
check "Start-menu shortcut starts the configurator in the program folder" \
    shortcut_is "$folder\\TesslyMBCfg.exe"$'\n'"$folder"
check "installed-programs entry has the version" test "$(reg_value "$uninstall_key" DisplayVersion)" = "$version"
check "installed-programs entry has the quiet uninstall command" reg_has "$uninstall_key" /v QuietUninstallString
check "the installer's language becomes the program's" test "$(reg_value "$settings_key" LocalizerExt)" = EXE
check "the Run value for the Autostart policy" run_command_is "$run_key" TesslyMB_logon -logon=policy
check "no start at logon of the user's own unless chosen" test -z "$(reg_data "$run_key" TesslyMB_service)"

echo "== the installed configurator"
w wine reg add "$settings_key" /v CFGFirstWizardComplete /t REG_DWORD /d 0xffffffff /f </dev/null >/dev/null 2>&1
w wine reg add "$settings_key" /v CFGConfigWizardComplete /t REG_DWORD /d 0xffffffff /f </dev/null >/dev/null 2>&1
w wine reg add "$settings_key" /v LocalizerExt /d DEU /f </dev/null >/dev/null 2>&1
start_program TesslyMBCfg.exe; configurator=$started
check "shows its main window" w wine "$probe" shown TFMCFGClass 40
start_program TesslyMBsrv.exe; service=$started
check "the service runs" w wine "$probe" exists MBSRVClass 20

echo "== installing over the running programs"
: >"$unix_folder/lang/TesslyMBCfg.DEU.lng"
# The user's own start at logon as an earlier version wrote it.
w wine reg add "$run_key" /v TesslyMB_service /d "\"$folder\\TesslyMBsrv.exe\"" /f </dev/null >/dev/null 2>&1
check "installer finishes without a question" install
check "the configurator was closed" gone "$configurator"
check "the service was stopped" gone "$service"
check "files replaced" test -s "$unix_folder/lang/TesslyMBCfg.DEU.lng"
check "the configurator is started again" w wine "$probe" shown TFMCFGClass 40
check "the user's language is kept" test "$(reg_value "$settings_key" LocalizerExt)" = DEU
check "the user's start at logon names its argument now" run_command_is "$run_key" TesslyMB_service -logon

echo "== silent uninstallation"
# What the program writes as it is used.
mkdir -p "$data_folder/DozidiDavazez/minidump"
touch "$data_folder/DozidiDavazez/"{errorlog.txt,TesslyMBCfg.DEU,minidump/error1.png}
w wine reg add "$verb_key\\command" /d 'boost "%1"' /f </dev/null >/dev/null 2>&1
check "uninstaller removes the program folder" uninstall
check "no running configurator" not w wine "$probe" exists TFMCFGClass 1
check "no running service" not w wine "$probe" exists MBSRVClass 1
check "no per-user data folder" test ! -e "$data_folder"
check "no Start-menu folder" test ! -e "$start_menu"
check "no Open boosted verb" not reg_has "$verb_key"
check "no Run value of the user's own" test -z "$(reg_data "$run_key" TesslyMB_service)"
check "no Run value for the Autostart policy" test -z "$(reg_data "$run_key" TesslyMB_logon)"
check "no installed-programs entry" not reg_has "$uninstall_key"
check "settings kept" reg_has "$settings_key"

echo "== silent uninstallation with /PURGE"
check "installer finishes" install
check "uninstaller removes the program folder" uninstall /PURGE
check "no settings" not reg_has "$settings_key"

echo "== installation for all users"
check "installer finishes" install /ALLUSERS
check "the installed-programs entry is the machine's" reg_has "$machine_key"
check "no entry of the user's own" not reg_has "$uninstall_key"
check "the shortcuts are in the common Start menu" test -e "$common_start_menu/Tessly Dozidi Davazez.lnk"
check "uninstaller removes the program folder" uninstall /PURGE
check "no installed-programs entry" not reg_has "$machine_key"
check "no common Start-menu folder" test ! -e "$common_start_menu"

echo "== silent deployment for all users"
check "installer asks nothing" deploy /ALLUSERS /LANG=DEU
for file in TesslyMBCfg.exe TesslyMBsrv.exe update.exe uninstall.exe lang/TesslyMBCfg.ntv.lng lang/TesslyMBCfg.DEU.lng; do
    check "installed $file into Program Files" test -s "$unix_program_files/$file"
done
check "the machine's entry names the folder" test "$(reg_data "$machine_key" InstallLocation)" = "$program_files"
check "the machine's entry has the quiet uninstall command" \
    test "$(reg_data "$machine_key" QuietUninstallString)" = "\"$program_files\\uninstall.exe\" /S"
check "the machine's Run value for the Autostart policy" \
    test "$(reg_data "$machine_run_key" TesslyMB_logon)" = "\"$program_files\\TesslyMBsrv.exe\" -logon=policy"
check "no Run value of the installing account" test -z "$(reg_data "$run_key" TesslyMB_logon)"
check "the installing account's settings untouched" not reg_has "$settings_key"
check "the common Start menu speaks the chosen language" test -e "$common_start_menu/Hilfe.lnk"
check "the uninstaller will speak it too" test "$(reg_data "$machine_key" "Installer Language")" = 1031
check "the quiet uninstall command removes the program folder" quiet_uninstall
check "no machine's entry" not reg_has "$machine_key"
check "no machine's Run value" test -z "$(reg_data "$machine_run_key" TesslyMB_logon)"
check "no common Start-menu folder" test ! -e "$common_start_menu"

echo "== administrative templates beside the installer"
dist_dir=$(cd "$1" && pwd)
templates="$dist_dir/policies"
for file in TesslyDozidiDavazez.admx {en-US,de-DE,ru-RU,fr-FR}/TesslyDozidiDavazez.adml; do
    check "templates hold $file" test -s "$templates/$file"
done
check "the templates are well-formed XML" xmllint --noout "$templates"/*.admx "$templates"/*/*.adml
zip_holds_the_templates() {
    [ "$(zipinfo -1 "$dist_dir/TesslyDozidiDavazez-$version-policies.zip" | grep -v '/$' | sort)" = \
      "$(cd "$dist_dir" && find policies -type f | sort)" ]
}
check "the templates' zip holds the same files" zip_holds_the_templates

echo "installer: $passed passed, $failed failed"
[ "$failed" = 0 ]
