#!/usr/bin/env bash
# Builds the text fuzzer with clang++ in BUILD/fuzz and runs it for a bounded
# time. Fails on any crash, sanitizer report, timeout or broken invariant.
#   run-fuzz.sh BUILD [SECONDS]
set -euo pipefail
src=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:?usage: run-fuzz.sh BUILD [SECONDS]}
seconds=${2:-${FUZZ_SECONDS:-60}}
mkdir -p "$build/fuzz"
out=$(cd "$build/fuzz" && pwd)

command -v clang++ >/dev/null || { echo "clang++ not found: run scripts/install-deps.sh" >&2; exit 1; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)

cmake -S "$src" -B "$out" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$out" -j 2

mkdir -p "$out/corpus" "$out/artifacts"
# Leak checking needs ptrace, which CI containers often forbid; the code under
# test allocates only through Qt's value types.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=0:allocator_may_return_null=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$out"
exec ./fuzz_text -max_total_time="$seconds" -error_exitcode=77 -timeout=10 -rss_limit_mb=2048 \
  -max_len=256 -dict="$src/text.dict" -print_final_stats=1 -artifact_prefix="$out/artifacts/" \
  "$out/corpus" "$src/seeds"
