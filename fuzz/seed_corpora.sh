#!/usr/bin/env bash
# Fills <corpus dir>/<target> with seeds from tests/data and the default settings files; seeds
# already there, and whatever the fuzzer added, are kept.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$1"
data="$root/tests/data"
mkdir -p "$out"/{table_file_fuzz,job_file_fuzz,result_files_fuzz,result_reports_fuzz,number_text_fuzz} \
  "$out"/{settings_files_fuzz,key_rules_fuzz,list_import_fuzz,deep_optimization_fuzz}

for f in "$data"/reports/*/*.tlf "$data"/reports/*/*.Adj "$root"/data/defaults/*; do
  cp "$f" "$out/table_file_fuzz/$(basename "$(dirname "$f")")_$(basename "$f")"
done
for f in "$data"/jobs/*.opt "$data"/reports/*.opt "$data"/reports/*.sdr "$root"/data/examples/*; do
  cp "$f" "$out/job_file_fuzz/"
done
# The result readers take a first byte that picks dia.tlf (0), s.tlf (1) or c.tlf (2).
for f in "$data"/engine2d/*.tlf "$data"/engine2d/runs/*.tlf; do
  { printf '\0'; cat "$f"; } > "$out/result_files_fuzz/dia_$(basename "$f")"
done
for job in "$data"/reports/sheet_job.opt; do
  awk '/^\[DIA.TLF\]/{on=1; next} /^\[END\]/{on=0} on' "$job" > "$out/result_reports_fuzz/sheet_job_dia.tlf"
  awk '/^\[SHEET.TLF\]/{on=1; next} /^\[END\]/{on=0} on' "$job" | { printf '\1'; cat; } \
    > "$out/result_files_fuzz/s_sheet_table.tlf"
  awk '/^\[CUT.TLF\]/{on=1; next} /^\[END\]/{on=0} on' "$job" | { printf '\2'; cat; } \
    > "$out/result_files_fuzz/c_cut_table.tlf"
done
for i in 1000 12.5mm "  -3.25e2x" 39.375 0.0394 1e39 -0 .5 1,5 0x1p3 nan inf; do
  printf '%s' "$i" > "$out/number_text_fuzz/$(printf '%s' "$i" | md5sum | cut -c1-8)"
done
# The settings readers take a first byte that picks charge.dat (0), dia.set (1) or lbl.def (2).
defaults="$root/data/defaults"
{ printf '\0'; cat "$defaults/charge.dat"; } > "$out/settings_files_fuzz/charge.dat"
{ printf '\1'; cat "$defaults/dia.set"; } > "$out/settings_files_fuzz/dia.set"
{ printf '\2'; cat "$defaults/lbl.def"; } > "$out/settings_files_fuzz/lbl.def"
# Key sequences: a grid byte, then (action, key) pairs typing sizes and moving with Enter.
printf '\1\0011\0012\0010\0010\003\r\0015\001.\0015\003\r\000\056\002\010' \
  > "$out/key_rules_fuzz/sheet_sizes"
printf '\2\001A\001B\003\r\001 \0019\0019\0019\0019\0019\003\r\004\377\001x' \
  > "$out/key_rules_fuzz/glass_texts"
# The library targets: mlm.dat as it is; plm.dat, a zero byte, then the "Defaults" job it fills.
mkdir -p "$out"/{library_merge_fuzz,product_loading_fuzz}
cp "$data/library/mlm.dat" "$out/library_merge_fuzz/mlm.dat"
for job in "$data"/jobs/*.opt; do
  { cat "$data/library/plm.dat"; printf '\0'; cat "$job"; } > "$out/product_loading_fuzz/plm_$(basename "$job")"
done
cp "$data/library/plm.dat" "$out/product_loading_fuzz/plm.dat"
# Lists: a byte that picks glass (0) or stock (1) and inches (2), then the file.
printf '\0Qty;Height;Width;Customer\r\n2;800,5;1200;"A; B"\r\n\r\n1x;1;1;C\r\n' \
  > "$out/list_import_fuzz/glass_semicolons"
printf '\3\xEF\xBB\xBFWidth (in)\tHeight (in)\tPcs\n48 3/4\t24,5\t3\n' \
  > "$out/list_import_fuzz/stock_inches"
# Jobs for the deep optimization: bytes that the target turns into sizes, quantities, margins.
printf '\003\001\000\002\013\270\007\320\005\000\000\000\000\003\001\364\002\130\003' \
  > "$out/deep_optimization_fuzz/two_sizes"
head -c 64 /dev/zero | tr '\0' '\177' > "$out/deep_optimization_fuzz/many_sizes"
# The challenge's files: a zero byte, then the instance's three files parted by zero bytes; or a
# one byte, then a solution of that instance.
mkdir -p "$out/challenge_files_fuzz"
challenge="$data/engine2d/challenge"
{ printf '\0'; cat "$challenge/A0_batch.csv"; printf '\0'; cat "$challenge/A0_defects.csv"; printf '\0'
  cat "$challenge/global_param.csv"; } > "$out/challenge_files_fuzz/instance"
{ printf '\1'; cat "$challenge/A0_solution.csv"; } > "$out/challenge_files_fuzz/solution"
