# A Windows launcher signed after packing (Authenticode by osslsigncode, with a certificate the
# test makes): the signature lands after the trailer, the trailer search walks back over it, and
# the launcher still finds its archive under Wine; osslsigncode accepts the signature.
source "$(dirname "$0")/lib.sh"

have_wine || exit 0
command -v osslsigncode >/dev/null || fail "osslsigncode is missing (scripts/setup installs it)"
command -v openssl >/dev/null || fail "openssl is missing (scripts/setup installs it)"

dir="$VD_TMP/sign"
mkdir -p "$dir/jdk/bin" "$dir/run"
cd "$dir"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
  -subj "/CN=vdlauncher test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null \
  || fail "openssl could not make the test certificate"

# The program launches a stand-in java.exe whose exit code comes from FAKE_JAVA_EXIT.
cp "$VD_WIN64_DIR/tests/support/fake_java.exe" jdk/bin/java.exe
printf 'java.version=1.8.0_99\n' > jdk/bin/java.properties
printf 'DESC: Stand-in\nJVM_HOME: %s\nJVM_EXE: bin\\java.exe\n' "$(winpath "$dir/jdk")" > app.jvm
printf 'COMMAND: """@JVM_HOME@\\@JVM_EXE@"" Main "\n' > launch.txt
printf 'INSTRUCTIONS:\nLAUNCH "%s" 0\n/:\n' "$(winpath "$dir/app.jvm")" > program.txt
head -c 100000 /dev/urandom > payload.bin
cat > app.tag <<TAG
STUB: $VD_WIN64_DIR/src/vdlauncher.exe
OUT: app.exe
FILES:
  Instructions 0 program.txt
  LaunchScriptFile 2 launch.txt
  ClassPathArchive 3 payload.bin
/:
TAG
"$VD_PACK" build app.tag || fail "vdpack build"
osslsigncode sign -certs cert.pem -key key.pem -n "vdlauncher test" -in app.exe -out signed.exe \
  > /dev/null || fail "osslsigncode sign"

# The signature follows the trailer; the archive's bytes stay where they were.
packed=$(stat -c %s app.exe)
[ "$(stat -c %s signed.exe)" -gt "$packed" ] || fail "signing added nothing"
[ "$(tail -c 4 signed.exe | od -An -tx1 | tr -d ' ')" != ca82ca82 ] || fail "the trailer is still last"
stub=$(stat -c %s "$VD_WIN64_DIR/src/vdlauncher.exe")
cmp -s <(tail -c +$((stub + 1)) app.exe) <(tail -c +$((stub + 1)) signed.exe | head -c $((packed - stub))) \
  || fail "signing moved the archive"
expect_eq "$("$VD_PACK" list app.exe)" "$("$VD_PACK" list signed.exe)" "vdpack list of the signed launcher"

run osslsigncode verify -CAfile cert.pem -in signed.exe
expect_eq 0 "$rc" "osslsigncode verify"
expect_contains "$(osslsigncode verify -CAfile cert.pem -in signed.exe 2>&1)" "Signature verification: ok" \
  "osslsigncode verify output"

# The signed launcher runs its program: the application's exit code comes back.
FAKE_JAVA_EXIT=42 run wine_run signed.exe -vd:silent
expect_eq 42 "$rc" "signed launcher: the application's exit code"

# Extract mode reads every entry from the signed file.
pushd run >/dev/null
run wine_run "$dir/signed.exe" -vd:silent -vd:extract
popd >/dev/null
expect_eq 0 "$rc" "signed launcher: extract"
cmp -s payload.bin run/payload.bin || fail "signed launcher: extracted payload differs"
cmp -s program.txt run/program.txt || fail "signed launcher: extracted program differs"

# A second signature nested into the first grows the tail again; the launcher still runs.
osslsigncode sign -nest -certs cert.pem -key key.pem -n "vdlauncher test" -in signed.exe \
  -out nested.exe > /dev/null || fail "osslsigncode sign -nest"
FAKE_JAVA_EXIT=3 run wine_run nested.exe -vd:silent
expect_eq 3 "$rc" "nested signature: the application's exit code"
echo "signing: ok"
