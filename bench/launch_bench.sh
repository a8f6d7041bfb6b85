#!/usr/bin/env bash
# Wall time of a packed launcher that finds the machine's JDK by a path hint, verifies it and
# launches an application whose main returns at once, against `java -cp app.jar Main` run
# directly, in one run; then where the difference goes.
#   bench/launch_bench.sh BUILD_DIR [RUNS]   (a Release build with vdlauncher, vdpack, Verify.jar;
#                                             KEEP=1 keeps the work directory)
set -euo pipefail
build=${1:?usage: launch_bench.sh BUILD_DIR [RUNS]}
runs=${2:-7}
launcher=$build/src/vdlauncher
pack=$build/tools/vdpack/vdpack
verify_jar=$build/java/Verify.jar
for f in "$launcher" "$pack" "$verify_jar"; do [ -e "$f" ] || { echo "missing $f" >&2; exit 1; }; done
jdk=$(dirname "$(dirname "$(readlink -f "$(command -v java)")")")
work=$(mktemp -d "${TMPDIR:-/tmp}/vd-bench-launch.XXXXXX")
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

echo 'public class Main { public static void main(String[] a) {} }' > "$work/Main.java"
javac -d "$work" "$work/Main.java"
jar cf "$work/app.jar" -C "$work" Main.class
cat > "$work/java.jvm" <<EOF
DESC: OpenJDK
JVM_EXE: bin/java
JVM_PROPERTIES: java.version=17...
PATH_HINT: $jdk
CLASSPATH: " -cp "
CLASSPATH_SEPARATOR: :
EOF
cat > "$work/launch.txt" <<'EOF'
COMMAND: """@JVM_HOME@/@JVM_EXE@"" %CP%(""""""%APPLICATION_ARCHIVE%()"""""") Main "
EOF
printf 'INSTRUCTIONS:\nFIND_JVM 0 0\nJMP0 @N1@ END\nLAUNCH @S2@ 0\n:END\n/:\n' > "$work/find.txt"
printf 'INSTRUCTIONS:\n:END\n/:\n' > "$work/empty.txt"
common=(--file "1:1:$work/java.jvm" --file "2:2:$work/launch.txt" --file "5:5:$verify_jar"
        --file "6:6:$work/app.jar")
"$pack" build --stub "$launcher" --out "$work/setup" --file "0:0:$work/find.txt" "${common[@]}" >/dev/null
"$pack" build --stub "$launcher" --out "$work/empty" --file "0:0:$work/empty.txt" "${common[@]}" >/dev/null

# Median wall time in milliseconds of RUNS runs of a command.
median_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

"$work/setup" -vd:silent -vd:log "$work/check.log" >/dev/null 2>&1 || true
grep -q "Found matching JVM at $jdk" "$work/check.log" || { echo "the launcher did not verify the JDK" >&2; exit 1; }

direct=$(median_ms java -cp "$work/app.jar" Main)
verify=$(median_ms java -cp "$verify_jar" Verify java.version)
packed=$(median_ms "$work/setup" -vd:silent)
empty=$(median_ms "$work/empty" -vd:silent)
# Where the launcher's time goes: how long it pauses (the 100 ms exit polls and the 500 ms
# pause after each captured run) comes from strace, when it is installed. Each JVM runs while
# the launcher sleeps in its first poll, so the JVMs add no wall time beyond those pauses.
sleep_ms=
if command -v strace >/dev/null; then
  # The work runs on a thread of its own and the JVMs sleep too: every thread and child is
  # traced (stopping only at sleeps, so that the JVMs keep their pace), and the launcher's
  # pauses are told apart by the times they ask for. What was asked for is summed: a sleep
  # interrupted in the trace has no duration of its own.
  start=$(date +%s%N)
  strace -f -qq --seccomp-bpf -e trace=nanosleep,clock_nanosleep -o "$work/sleeps" \
    "$work/setup" -vd:silent >/dev/null 2>&1 || true
  traced=$(( ($(date +%s%N) - start) / 1000000 ))
  polls=$(grep -c 'tv_sec=0, tv_nsec=100000000}' "$work/sleeps" || true)
  finals=$(grep -c 'tv_sec=0, tv_nsec=500000000}' "$work/sleeps" || true)
  sleep_ms=$(( polls * 100 + finals * 500 ))
fi

echo "launch: packed launcher ${packed} ms, java -cp app.jar Main ${direct} ms, ratio $(awk "BEGIN{printf \"%.1f\", $packed/$direct}")"
echo "  JVM starts: the application ${direct} ms, the verification ${verify} ms (java run directly)"
echo "  launcher start, archive, cleanup: ${empty} ms (the same launcher with an empty program)"
if [ -n "$sleep_ms" ]; then
  echo "  one run under strace, ${traced} ms: pauses ${sleep_ms} ms (${finals} x 500 ms after the captured runs, ${polls} x 100 ms exit polls, the JVMs running inside them), the rest $(( traced - sleep_ms )) ms (our own code, process creation, extraction, tracing)"
fi
