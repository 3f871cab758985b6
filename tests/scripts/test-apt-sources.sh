#!/usr/bin/env bash
# scripts/apt-sources over sample apt source files: which entry it takes, and
# the non-free entry it makes of it.
set -uo pipefail
helper=${1:?usage: test-apt-sources.sh path/to/scripts/apt-sources}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cat >"$dir/debian.sources" <<'EOF'
# Only the last stanza counts: source packages, the security suite, a disabled one.
Types: deb-src
URIs: http://src.example.org/debian
Suites: bookworm
Components: main

Types: deb
URIs: http://security.example.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://off.example.org/debian
Suites: bookworm
Components: main
Enabled: no

Types: deb deb-src
# the mirror
URIs: http://a.example.org/debian
 http://b.example.org/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
cat >"$dir/sources.list" <<'EOF'
# deb http://old.example.org/debian bookworm main
deb-src http://a.example.org/debian bookworm main
deb [arch=amd64] https://vendor.example.org/debian bookworm stable
deb http://security.example.org/debian-security bookworm-security main
deb [ arch=amd64 signed-by=/etc/apt/keyrings/debian.gpg ] http://a.example.org/debian bookworm main # mirror
EOF
echo 'deb http://plain.example.org/debian bookworm main non-free' >"$dir/plain.list"
echo 'deb http://off.example.org/debian bookworm main' >"$dir/off.list.disabled"
printf 'deb http://a.example.org/debian bullseye main\n' >"$dir/old.list"
printf 'Types: deb\nURIs: http://s.example.org/debian-security\nSuites: bookworm-security\nComponents: main\n' \
  >"$dir/security.sources"

entry() { # URIs [Signed-By]
  printf 'Types: deb\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: non-free\n' "$1"
  [ -z "${2:-}" ] || printf 'Signed-By: %s\n' "$2"
}
two_mirrors=$(entry 'http://a.example.org/debian http://b.example.org/debian' \
  /usr/share/keyrings/debian-archive-keyring.gpg)
cases=(
  "deb822 stanzas|debian.sources|0|$two_mirrors"
  "one-line with signed-by|sources.list|0|$(entry http://a.example.org/debian /etc/apt/keyrings/debian.gpg)"
  "one-line without signed-by|plain.list|0|$(entry http://plain.example.org/debian)"
  "disabled file skipped, first counting file used|off.list.disabled old.list debian.sources plain.list|0|$two_mirrors"
  "no bookworm entry|old.list security.sources off.list.disabled|1|"
)

passed=0 failed=0
for c in "${cases[@]}"; do
  name=${c%%|*} rest=${c#*|}
  files=${rest%%|*} rest=${rest#*|}
  status=${rest%%|*} expected=${rest#*|}
  args=(); for f in $files; do args+=("$dir/$f"); done
  out=$("$helper" "${args[@]}" 2>&1); rc=$?
  if [ "$rc" = "$status" ] && [ "$out" = "$expected" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s: status %s (want %s)\n--- got\n%s\n--- want\n%s\n' "$name" "$rc" "$status" "$out" "$expected"
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
