#!/bin/bash
# The search built for processors with a bit-count instruction must keep that
# instruction to itself: a function elsewhere in the core library holding it would
# stop the program on a processor without it. Lists every function of the library
# that holds the instruction and fails on any outside kwarrel::popcount.
set -u
library=$1
command -v objdump > /dev/null || { echo "objdump not found"; exit 77; }
holders=$(objdump -d --no-show-raw-insn "$library" |
  awk '/^[0-9a-f]+ <.*>:$/ { name = $2 } /\tpopcnt/ { print name }' | sort -u)
if [ -z "$holders" ]; then
  echo "no bit-count instruction in $library: the popcount build was not made with it"
  exit 1
fi
strays=$(echo "$holders" | grep -v '7kwarrel8popcount' || true)
if [ -n "$strays" ]; then
  echo "bit-count instruction outside the popcount build:"
  echo "$strays"
  exit 1
fi
echo "bit-count instruction only in: $(echo "$holders" | wc -l) functions of kwarrel::popcount"
