#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang and runs each for a number of
# seconds, two at a time (the machine has two cores). Seeds: the sample data of
# data/defaults, the real bases of ../shared/data (KIVORA_SHARED_DATA) and fuzz/seeds.
# The corpus each run grows is kept in build/fuzz/corpus/<harness>; a crashing input
# goes to build/fuzz/crashes/<harness>/ and makes the script fail.
#
# Usage: scripts/fuzz.sh [SECONDS] [HARNESS...]     (60 seconds, every harness)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[ $# -gt 0 ] && shift
jobs="${KIVORA_FUZZ_JOBS:-2}"
build=build/fuzz
shared="${KIVORA_SHARED_DATA:-$PWD/../shared/data}"

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVORA_FUZZ=ON \
    -DKIVORA_BUILD_TESTS=OFF -DKIVORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzzers >/dev/null

all=(ResultsBaseFuzz IniRoundTripFuzz SystemTemplateFuzz CombinationCheckFuzz LanguageFileFuzz LedgerFuzz
    ImportFuzz TextFieldsFuzz CliArgumentsFuzz ConfigUpgradeFuzz)
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all[@]}")

# The longest input of a harness: a whole base for the readers of files, a few lines
# for the field routines (each of which walks the text from its start).
max_len_of() {
    case "$1" in
    TextFieldsFuzz | CliArgumentsFuzz) echo 4096 ;;
    *) echo 65536 ;;
    esac
}

# The seed files of a harness, each cut to the longest input the runs use.
seed() {
    local harness="$1" dir="$build/seeds/$1" max_len
    max_len=$(max_len_of "$1")
    rm -rf "$dir"
    mkdir -p "$dir"
    local files=()
    case "$harness" in
    ResultsBaseFuzz | ImportFuzz | TextFieldsFuzz)
        files=(data/defaults/*.lot "$shared"/*.lot) ;;
    IniRoundTripFuzz)
        files=(data/defaults/kivora.INI data/defaults/lng/*.lng tests/data/lng/*.lng) ;;
    ConfigUpgradeFuzz)
        files=(data/defaults/kivora.INI) ;;
    LanguageFileFuzz)
        files=(data/defaults/lng/*.lng tests/data/lng/*.lng) ;;
    SystemTemplateFuzz)
        files=(data/defaults/System/*.ltt) ;;
    esac
    [ -d "fuzz/seeds/$harness" ] && files+=(fuzz/seeds/"$harness"/*)
    local f
    for f in "${files[@]}"; do
        [ -f "$f" ] && head -c "$max_len" "$f" >"$dir/$(basename "$f")"
    done
    return 0
}

run() {
    local harness="$1"
    mkdir -p "$build/corpus/$harness" "$build/crashes/$harness"
    seed "$harness"
    local log="$build/$harness.log" status=0
    "$build/fuzz/$harness" -max_total_time="$seconds" -max_len="$(max_len_of "$harness")" -timeout=20 -rss_limit_mb=3072 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$harness/" \
        "$build/corpus/$harness" "$build/seeds/$harness" >"$log" 2>&1 || status=$?
    local runs
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    if [ "$status" -eq 0 ]; then
        echo "$harness: $runs runs in ${seconds}s, no crash"
    else
        echo "$harness: FAILED (status $status) after $runs runs; see $log"
        grep -m1 -E 'ERROR|SUMMARY|deadly signal' "$log" || true
    fi
    return "$status"
}

failed=0
pids=()
names=()
for harness in "${harnesses[@]}"; do
    run "$harness" &
    pids+=($!)
    names+=("$harness")
    if [ ${#pids[@]} -ge "$jobs" ]; then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
        names=("${names[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
exit "$failed"
