#!/usr/bin/env bash
# How `ormane batch` grows with the number of rows: for each count (default 10k, 100k and
# 1M varied rows) and each number of workers (default 1 and 2), the wall time, the rows per
# second, the CPU time of all threads and the peak memory (maximum resident set size).
# Usage: bench/batch_growth.sh [path/to/ormane] [counts...]   (JOBS="1 2" to choose the workers)
# Needs /usr/bin/time (Debian package `time`). The rows are made by the same deterministic
# drawing for every run, in a temporary folder removed at the end.
set -euo pipefail
program=$(realpath "${1:-build/bin/ormane}")
shift || true
counts=("${@:-10000 100000 1000000}")
read -r -a counts <<< "${counts[*]}"
jobs_list=${JOBS:-1 2}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Varied rows: every kind of statistic, df 2 to 500, future experiments on one row in three,
# both kinds of alpha, guarantee levels and effects.
make_rows() {
    awk -v n="$1" 'BEGIN {
        split("0.001 0.01 0.025 0.05 0.10", alphas, " ");
        split("0.90 0.95 0.975 0.99", gammas, " ");
        split("90 95 97.5 99", levels, " ");
        split("0.5 1 2 3 5", mult, " ");
        s = 2024;
        print "df,t,F,p2,p1,c,dfR,alpha,alpha_tails,gamma,estimate_level,prediction_level,d,raw";
        for (row = 0; row < n; row++) {
            df = 2 + next_() % 499;
            st[0] = st[1] = st[2] = st[3] = "";
            k = row % 4;
            if (k == 0) st[0] = sprintf("%.6f", uniform(-4, 4));
            else if (k == 1) st[1] = sprintf("%.6f", uniform(0.1, 20));
            else if (k == 2) st[2] = sprintf("%.6f", uniform(0.001, 0.99));
            else st[3] = sprintf("%.6f", uniform(0.001, 0.49));
            c = dfR = "";
            if (row % 3 == 0) { c = mult[1 + next_() % 5]; dfR = 2 + next_() % 999; }
            d = raw = "";
            if (row % 2 == 0) d = sprintf("%.6f", uniform(0.05, 10)); else raw = sprintf("%.6f", uniform(0.05, 10));
            printf "%d,%s,%s,%s,%s,%s,%s,%s,%d,%s,%s,%s,%s,%s\n", df, st[0], st[1], st[2], st[3], c, dfR,
                alphas[1 + next_() % 5], (row % 5 == 0 ? 1 : 2), gammas[1 + next_() % 4],
                levels[1 + next_() % 4], levels[1 + next_() % 4], d, raw;
        }
    }
    function next_() { s = (s * 1664525 + 1013904223) % 4294967296; return int(s / 256); }
    function uniform(lo, hi) { return lo + (hi - lo) * (next_() % 1000000) / 1e6; }'
}

printf '%-9s %-5s %10s %10s %10s %12s\n' rows jobs wall_s rows_per_s cpu_s peak_rss_mb
for count in "${counts[@]}"; do
    make_rows "$count" > "$dir/rows.csv"
    for jobs in $jobs_list; do
        /usr/bin/time -f '%e %U %S %M' -o "$dir/time" \
            "$program" batch --jobs "$jobs" "$dir/rows.csv" > /dev/null || [[ $? == 1 ]]
        read -r wall user sys rss < "$dir/time"
        awk -v n="$count" -v j="$jobs" -v w="$wall" -v u="$user" -v s="$sys" -v m="$rss" \
            'BEGIN { printf "%-9d %-5d %10.2f %10.0f %10.2f %12.1f\n", n, j, w, n / w, u + s, m / 1024 }'
    done
done
