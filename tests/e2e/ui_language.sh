# The launcher speaks the user's language: under Wine the resource loader picks the string
# table and dialogs of the locale (in a copy of the test prefix, since a new locale rewrites
# the prefix's settings); natively the compiled-in table of LANG. Regions without a table of
# their own get their language's.
source "$(dirname "$0")/lib.sh"

# Native: the message of a missing -vd:log value goes to standard error.
native_message() {  # locale
  env -u LC_ALL -u LC_MESSAGES LANG="$1" "$VD_LAUNCHER" -vd:log 2>&1 || true
}
expect_eq "Nach der Option -log muss in der Befehlszeile ein Name für die Protokolldatei angegeben werden." \
  "$(native_message de_DE.UTF-8)" "native German"
expect_eq "コマンド ラインの -log オプションの後にログ ファイル名を指定する必要があります。" \
  "$(native_message ja_JP.UTF-8)" "native Japanese"
expect_eq "A log file name must be specified after the -log option on the command line." \
  "$(native_message de_DE.ISO-8859-1)" "native German in another character set falls back to English"

have_wine || exit 0

prefix="$(dirname "$VD_WINEPREFIX")/wineprefix-locale"
if [ ! -f "$prefix/.vd-ready" ]; then
  rm -rf "$prefix"
  cp -a "$VD_WINEPREFIX" "$prefix"
  touch "$prefix/.vd-ready"
fi
locale_run() {  # locale program args...
  local locale=$1
  shift
  # env, so that the shell does not try (and warn about) a locale the host may not have.
  env LC_ALL="$locale" WINEPREFIX="$prefix" WINEDEBUG=-all timeout 60 wine "$@"
}

support="$VD_WIN64_DIR/tests/support"

# The message box of a missing -vd:log value, read (through the wide functions, so that every
# script arrives whole) and answered by dialogwatch.
box_text() {  # locale
  locale_run "$1" "$support/dialogwatch.exe" --box 30 > "$VD_TMP/box.txt" &
  local watcher=$!
  sleep 1
  set +e
  locale_run "$1" "$VD_WIN64_DIR/src/vdlauncher.exe" -vd:log
  local code=$?
  set -e
  wait $watcher || fail "$1: no message box"
  expect_eq 255 "$code" "$1: exit code"
  sed -n 2p "$VD_TMP/box.txt" | tr -d '\r'
}

expect_eq "Nach der Option -log muss in der Befehlszeile ein Name für die Protokolldatei angegeben werden." \
  "$(box_text de_DE.UTF-8)" "German"
expect_eq "Nach der Option -log muss in der Befehlszeile ein Name für die Protokolldatei angegeben werden." \
  "$(box_text de_AT.UTF-8)" "German of Austria"
expect_eq "É necessário especificar um nome de arquivo de log após a opção -log na linha de comando." \
  "$(box_text pt_BR.UTF-8)" "Portuguese of Brazil"
expect_eq "Tem de ser indicado um nome de ficheiro de registo após a opção -log na linha de comandos." \
  "$(box_text pt_PT.UTF-8)" "Portuguese of Portugal"
expect_eq "コマンド ラインの -log オプションの後にログ ファイル名を指定する必要があります。" \
  "$(box_text ja_JP.UTF-8)" "Japanese"
expect_eq "必须在命令行的 -log 选项后指定日志文件名。" "$(box_text zh_CN.UTF-8)" "Chinese (simplified)"
expect_eq "必須在命令列的 -log 選項後指定記錄檔名稱。" "$(box_text zh_TW.UTF-8)" "Chinese (traditional)"
expect_eq "명령줄의 -log 옵션 뒤에 로그 파일 이름을 지정해야 합니다." "$(box_text ko_KR.UTF-8)" "Korean"
expect_eq "A log file name must be specified after the -log option on the command line." \
  "$(box_text th_TH.UTF-8)" "a language without a table gets English"

# The dialogs of Arabic and Hebrew are laid out from right to left, in their language.
"$VD_PACK" build --stub "$support/uidemo.exe" --out "$VD_TMP/demo0.exe" --kind 0 \
  --file "0:0:$support/uidemo.exe:payload" > /dev/null || fail "vdpack of uidemo"
dialog_report() {  # locale
  rm -f "$VD_TMP/release"
  locale_run "$1" "$support/dialogwatch.exe" 30 --touch "$(winpath "$VD_TMP/release")" \
    > "$VD_TMP/watch.txt" &
  local watcher=$!
  locale_run "$1" "$VD_TMP/demo0.exe" title show status=0 "waitfile=$(winpath "$VD_TMP/release")" \
    > /dev/null || true
  wait $watcher || fail "$1: no progress dialog"
  tr -d '\r' < "$VD_TMP/watch.txt"
}
report=$(dialog_report ar_EG.UTF-8)
expect_contains "$report" "rtl: 1" "Arabic layout"
expect_contains "$report" "text=يقوم Vandrel Wizard بتجهيز التثبيت، يرجى الانتظار..." "Arabic explanatory text"
expect_contains "$report" "text=جارٍ تهيئة Vandrel Wizard..." "Arabic status"
report=$(dialog_report he_IL.UTF-8)
expect_contains "$report" "rtl: 1" "Hebrew layout"
report=$(dialog_report de_DE.UTF-8)
expect_contains "$report" "rtl: 0" "German layout"
expect_contains "$report" "text=Der Vandrel Wizard bereitet die Installation vor, bitte warten..." \
  "German explanatory text"
