#!/usr/bin/env bash
# The installed `sentari --print-quote` side by side with a C++ program that prints "hello"
# and with fortune on the same quotes (hyperfine), and the library opens that fail while
# it runs (strace). Reports; never fails on a figure. Run after installing the package:
#   bench/package/print_quote_installed.sh [SENTARI [QUOTE_FILE]]
set -euo pipefail
sentari=${1:-/usr/bin/sentari}
quotes=${2:-/usr/share/sentari/wisdom.txt}
fortune=$(command -v fortune || echo /usr/games/fortune)
work=$(mktemp -d "${TMPDIR:-/tmp}/sentari-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache

"$sentari" --data-file "$quotes" --print-quote >/dev/null
printf '#include <iostream>\nint main() { std::cout << "hello\\n"; }\n' >"$work/hello.cpp"
g++ -O2 -o "$work/hello" "$work/hello.cpp"
# fortune's own file and index of the same quotes: one quote, then a line with "%".
tr -d '\r' <"$quotes" | grep -v '^$' | sed 's/$/\n%/' >"$work/wisdom"
strfile -s "$work/wisdom" "$work/wisdom.dat"

hyperfine -N --warmup 30 --runs 500 --export-json "$work/times.json" \
    "$work/hello" "$sentari --print-quote" "$fortune $work/wisdom"
python3 - "$work/times.json" <<'PY'
import json, sys
runs = {x["command"].split(" ")[0].split("/")[-1]: x for x in json.load(open(sys.argv[1]))["results"]}
for what in ("median", "mean"):
    h, s, f = (runs[n][what] * 1000 for n in ("hello", "sentari", "fortune"))
    print(f"{what}: hello {h:.2f} ms, sentari --print-quote {s:.2f} ms, fortune {f:.2f} ms;"
          f" sentari/hello {s / h:.2f}x, sentari/fortune {s / f:.2f}x")
cpu = {n: (r["user"] + r["system"]) * 1000 for n, r in runs.items()}
print(f"cpu (user+system): hello {cpu['hello']:.2f} ms, sentari {cpu['sentari']:.2f} ms,"
      f" fortune {cpu['fortune']:.2f} ms; sentari/hello {cpu['sentari'] / cpu['hello']:.2f}x")
PY
failed=$(strace -f -e trace=openat,open "$sentari" --print-quote 2>&1 >/dev/null | grep -c ENOENT || true)
echo "failed opens during sentari --print-quote: $failed"
