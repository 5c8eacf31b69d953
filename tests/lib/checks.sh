# What the shell checks of the test run share, sourced by each: a check is
# skipped (exit 77, which CTest reports as skipped) when a tool it needs is
# missing, and a check says every problem it finds before it fails.

# require_tools TOOL...: skips the check unless every TOOL is installed.
require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
}

# problem WORDS...: says a problem; the check fails once it has looked at
# everything ($fail is 1).
fail=0
problem() {
  echo "FAIL: $*"
  fail=1
}
