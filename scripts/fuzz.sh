#!/usr/bin/env bash
# Runs the libFuzzer harnesses of a LEXIDO_FUZZ build for a while each, over a corpus kept in
# the build folder (seeded from the shipped data and tests/data/) and the saved regression
# cases. A crash leaves its input as <build>/fuzz-artifacts/<harness>-crash-* and fails the run;
# save it into tests/data/fuzz/<harness>/ with a name that says what it broke.
#
#   scripts/fuzz.sh [build folder] [seconds per harness] [harness...]
#
# With LEXIDO_FUZZ_RUNS=N each harness instead runs N inputs from the fixed seed
# LEXIDO_FUZZ_SEED (1), from its seed folders alone into a corpus thrown away afterwards: the
# same inputs, so the same outcome, on every run of one build folder (the gate of ./test). The
# addresses are then not randomized, as the fuzzer also learns from the values the code
# compares, pointers among them; where that cannot be turned off, it learns from no compared
# values at all. (A build in another folder passes longer or shorter paths, which moves the
# stack, and so runs other inputs, as many.)
#
# Harnesses run two at a time (LEXIDO_JOBS). Extra libFuzzer options: LEXIDO_FUZZ_OPTS.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-asan}
[ -d "$build" ] && build=$(cd "$build" && pwd) # a harness may change its current folder
seconds=${2:-60}
runs=${LEXIDO_FUZZ_RUNS:-}
fixed=()
if [ -n "$runs" ]; then
    if setarch "$(uname -m)" -R true 2>/dev/null; then fixed=(setarch "$(uname -m)" -R); else fixed=(env); fi
fi
shift $(( $# > 2 ? 2 : $# )) || true
wanted=("$@")
jobs=${LEXIDO_JOBS:-$(nproc 2>/dev/null || echo 2)}
list=$build/fuzz-targets.txt
[ -f "$list" ] || { echo "no $list: configure $build with -DLEXIDO_FUZZ=ON and build it"; exit 1; }
mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts" "$build/fuzz-logs"
gate_tmp=$build/fuzz-corpus
[ -d /dev/shm ] && [ -w /dev/shm ] && gate_tmp=/dev/shm

# The largest input worth trying: phrase fields run to 1023 bytes and more, brackets texts to
# 1023, configuration symbols to 4095 (a full path); a pair of shipped source texts is up to
# 10 KiB. The gate's fixed runs take shorter inputs where they still pass every limit of the
# format: a hidden file of 1.5 KiB holds 24 blocks and a field longer than the reader's 1023
# bytes; 2 KiB paired with itself (no separator) make a record that long.
max_len() {
    case $1 in
        phrase_reader) echo 8192 ;;
        hidden_file) [ -n "$runs" ] && echo 1536 || echo 8192 ;;
        txt_mkr) [ -n "$runs" ] && echo 2048 || echo 12288 ;;
        str_brackets|utf8_text) echo 2048 ;;
        *) echo 4096 ;;
    esac
}

run_one() {
    local name=$1 prog=$2 seeds=$3
    local corpus=$build/fuzz-corpus/$name limit=(-max_total_time="$seconds")
    if [ -n "$runs" ]; then
        # A corpus thrown away afterwards, in memory where there is a tmpfs: the fuzzer writes
        # every new input to it.
        corpus=$(mktemp -d "$gate_tmp/lexido-gate-$name.XXXXXX")
        # No rereading of the corpus folder, which the fuzzer does every second by default: it
        # would make what a fixed seed runs depend on the clock.
        limit=(-runs="$runs" -seed="${LEXIDO_FUZZ_SEED:-1}" -reload=0)
        [ "${fixed[0]}" = env ] && limit+=(-use_cmp=0)
    fi
    mkdir -p "$corpus"
    local dirs=()
    IFS=, read -r -a dirs <<<"$seeds"
    # The shipped phrase files of the program folder, once the build has made them.
    if [ "$name" = phrase_reader ] || [ "$name" = hidden_file ]; then
        [ -d "$build/Lexido/Text" ] && dirs+=("$build/Lexido/Text")
        [ -d "$build/shipped_texts" ] && dirs+=("$build/shipped_texts")
    fi
    local rc=0 started
    started=$(date +%s%N)
    # Leaks are left to the sanitizer run of the test suite: a fatal exit caught by the harness
    # abandons what the code under test held, as the real exit would. (libFuzzer would run each
    # such input a second time, looking for the leak.)
    # A smaller quarantine than the default 256 MB: 8 MB holds what some forty inputs free (at
    # most 12 KiB each, read through buffers of at most 64 KiB), so a use after free within an
    # input, or in the next ones, is still caught, and the fuzzer does not touch fresh memory
    # at every input.
    local envs=(env ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:quarantine_size_mb=8}"
        UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}")
    # In the gate the harness sees these variables alone: the environment lies on the stack,
    # whose addresses the fuzzer learns from too, so the caller's other variables would change
    # the inputs it runs.
    if [ -n "$runs" ]; then
        envs=(env -i PATH=/usr/bin:/bin "${envs[@]:1}")
        [ -n "${TMPDIR:-}" ] && envs+=(TMPDIR="$TMPDIR")
    fi
    "${fixed[@]}" "${envs[@]}" "$prog" "${limit[@]}" -max_len="$(max_len "$name")" -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$name-" ${LEXIDO_FUZZ_OPTS:-} \
        "$corpus" "${dirs[@]}" >"$build/fuzz-logs/$name.log" 2>&1 || rc=$?
    local execs units rate
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-logs/$name.log" | tail -1)
    units=$(find "$corpus" -type f | wc -l)
    # Inputs a second over the whole run, start-up included (libFuzzer's own figure counts
    # whole seconds only).
    rate=$(( ${execs:-0} * 1000000000 / ($(date +%s%N) - started + 1) ))
    [ -n "$runs" ] && rm -rf "$corpus"
    if [ $rc -eq 0 ]; then
        printf '%-14s %10s executions (%6s a second), corpus %5s inputs, no finding\n' "$name" "${execs:-?}" "$rate" "$units"
    else
        printf '%-14s FAILED (status %s), see %s\n' "$name" "$rc" "$build/fuzz-logs/$name.log"
        grep -m3 -E "ERROR|invariant|runtime error|Test unit written" "$build/fuzz-logs/$name.log" || true
    fi
    return $rc
}

status=0
pids=()
while read -r name prog seeds; do
    [ -n "$name" ] || continue
    if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " == *" $name "* ]]; then
        continue
    fi
    run_one "$name" "$prog" "$seeds" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$jobs" ]; then
        wait "${pids[0]}" || status=1
        pids=("${pids[@]:1}")
    fi
done <"$list"
for p in "${pids[@]}"; do
    wait "$p" || status=1
done
exit $status
