# Under Wine: names outside any one legacy code page (Cyrillic, Chinese and Greek together) on
# the way through the launcher to the application it starts. The manifest makes UTF-8 the 8-bit
# code page, so the launcher's own path, its arguments, the JVM's path, JAVA_HOME and the
# working directory survive the 8-bit text the launcher works in. The stand-in java.exe reads
# what it was given through the wide functions; the launcher logs its output.
source "$(dirname "$0")/lib.sh"

have_wine || exit 0

support="$VD_WIN64_DIR/tests/support"
dir="$VD_TMP/Приложение 应用 Εφαρμογή"
home="$dir/jdk Ελληνικά 日本"
mkdir -p "$home/bin"
cp "$support/code_page_probe.exe" "$home/bin/java.exe"
printf 'DESC: Stand-in\nJVM_HOME: %s\nJVM_EXE: bin\\java.exe\n' "$(winpath "$home")" \
  > "$VD_TMP/app.jvm"
printf 'COMMAND: """@JVM_HOME@\\@JVM_EXE@"" Main "\n' > "$VD_TMP/launch.txt"
printf 'INSTRUCTIONS:\nLAUNCH "%s" 0\n/:\n' "$(winpath "$VD_TMP/app.jvm")" > "$VD_TMP/program.txt"
"$VD_PACK" build --stub "$VD_WIN64_DIR/src/vdlauncher.exe" --out "$dir/установка.exe" --kind 1 \
  --file "0:0:$VD_TMP/program.txt" --file "2:2:$VD_TMP/launch.txt" > /dev/null \
  || fail "vdpack of the launcher"

argument="Привет 世界 Γειά"
log="$dir/журнал 日志.log"
run wine_run "$dir/установка.exe" -vd:silent -vd:log "$(winpath "$log")" "$argument" 'ß€'
expect_eq 0 "$rc" "exit code of the launched probe"
[ -f "$log" ] || fail "no log file with a non-Latin name"
out=$(tr -d '\r' < "$log")

# What the launcher built, and what arrived in the child: the code page, the 8-bit and the
# wide command line, the environment and the working directory.
expect_contains "$out" "\"$(winpath "$home")\\bin\\java.exe\" Main  \"$argument\" \"ß€\"" \
  "the Java command the launcher built"
expect_contains "$out" "acp=65001" "UTF-8 as the application's 8-bit code page"
expect_contains "$out" "ansi=\"$(winpath "$home")\\bin\\java.exe\" Main  \"$argument\" \"ß€\"" \
  "the application's 8-bit command line"
expect_contains "$out" "arg0=$(winpath "$home")\\bin\\java.exe" "the application's own path"
expect_contains "$out" "arg1=Main" "the class name"
expect_contains "$out" "arg2=$argument" "the argument with Cyrillic, Chinese and Greek"
expect_contains "$out" "arg3=ß€" "an argument outside Latin-1"
expect_contains "$out" "JAVA_HOME=$(winpath "$home")" "JAVA_HOME of the application"
expect_contains "$out" "CWD=$(winpath "$dir")" "the application runs in the launcher's directory"
